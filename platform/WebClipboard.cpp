// SPDX-License-Identifier: MIT
#include "platform/Clipboard.h"

#include <emscripten.h>

namespace {

// Puts the text on the system clipboard through the browser: a copy the page
// asks for itself (execCommand), whose event it fills with exactly these
// code units as the one plain-text format, replacing whatever the clipboard
// held. The answer comes at once: true only when the browser let the copy
// happen and the page's own handler wrote it. Browsers refuse a copy that no
// click or key of the user's asked for. The handler is on the window and
// captures first, so that no other copy handler of the page replaces the text.
// clang-format off
EM_JS(int, velmoraCopyText, (const char16_t *units, int length), {
    let text = "";
    // In slices, as function arguments are limited in number.
    for (let start = 0; start < length; start += 8192) {
        const first = (units >> 1) + start;
        text += String.fromCharCode.apply(null, HEAPU16.subarray(first, first + Math.min(8192, length - start)));
    }
    let written = false;
    const write = (event) => {
        event.clipboardData.setData("text/plain", text);
        event.preventDefault();
        event.stopImmediatePropagation();
        written = true;
    };
    window.addEventListener("copy", write, true);
    let allowed = false;
    try {
        allowed = document.execCommand("copy");
    } catch (error) {
        allowed = false;
    } finally {
        window.removeEventListener("copy", write, true);
    }
    return allowed && written ? 1 : 0;
});
// clang-format on

class WebClipboard final : public Clipboard
{
public:
    // The copy below replaces every format the clipboard holds.
    bool clear() override { return true; }

    bool setText(const QString &text) override
    {
        return velmoraCopyText(reinterpret_cast<const char16_t *>(text.utf16()),
                               int(text.size())) != 0;
    }
};

} // namespace

std::unique_ptr<Clipboard> createClipboard()
{
    return std::make_unique<WebClipboard>();
}
