// SPDX-License-Identifier: MIT
#include "platform/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace {

// The Windows clipboard through the Windows API: Qt's own conversion puts a
// CR before every LF that does not follow one, so "\r \n" would arrive as
// "\r \r\n". Here the text goes on as CF_UNICODETEXT exactly as given.
class WindowsClipboard final : public Clipboard
{
public:
    WindowsClipboard()
        // A message-only window to own the clipboard: emptying it without an
        // owner would leave the text with none.
        : m_owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~WindowsClipboard() override
    {
        if (m_owner)
            DestroyWindow(m_owner);
    }
    WindowsClipboard(const WindowsClipboard &) = delete;
    WindowsClipboard &operator=(const WindowsClipboard &) = delete;

    bool clear() override
    {
        if (!open())
            return false;
        const bool emptied = EmptyClipboard();
        CloseClipboard();
        return emptied;
    }

    bool setText(const QString &text) override
    {
        // The text and its terminating zero, in memory the clipboard takes over.
        const SIZE_T bytes = SIZE_T(text.size() + 1) * sizeof(char16_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (!memory)
            return false;
        if (void *target = GlobalLock(memory)) {
            std::memcpy(target, text.utf16(), bytes);
            GlobalUnlock(memory);
        } else {
            GlobalFree(memory);
            return false;
        }
        if (!open()) {
            GlobalFree(memory);
            return false;
        }
        // Emptied again: another program may have put something on it since.
        const bool taken = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        if (!taken)
            GlobalFree(memory);
        return taken;
    }

private:
    // Another program may hold the clipboard open for a moment: a few tries
    // over about a fifth of a second before giving up.
    bool open() const
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (attempt > 0)
                Sleep(20);
            if (OpenClipboard(m_owner))
                return true;
        }
        return false;
    }

    HWND m_owner;
};

} // namespace

std::unique_ptr<Clipboard> createClipboard()
{
    return std::make_unique<WindowsClipboard>();
}
