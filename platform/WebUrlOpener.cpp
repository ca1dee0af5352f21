// SPDX-License-Identifier: MIT
#include "platform/UrlOpener.h"

#include <emscripten.h>

namespace {

// Opens the address in a new tab of the browser the page runs in. The tab
// gets no handle on this page (noopener), and opening it is not awaited.
// clang-format off
EM_JS(void, velmoraOpenTab, (const char *url), {
    window.open(UTF8ToString(url), "_blank", "noopener");
});
// clang-format on

class WebUrlOpener final : public UrlOpener
{
public:
    void open(const QUrl &url) override
    {
        // Fully encoded, so that the browser is handed exactly this address.
        velmoraOpenTab(url.toEncoded().constData());
    }
};

} // namespace

std::unique_ptr<UrlOpener> createUrlOpener()
{
    return std::make_unique<WebUrlOpener>();
}
