// SPDX-License-Identifier: MIT
// What the Windows end-to-end tests ask of Windows, as another program would:
//   clipboard FILE     writes CF_UNICODETEXT, up to its zero, to FILE as
//                      UTF-16LE and prints the clipboard's formats, one a line;
//   put-image          puts a 1 x 1 bitmap on the emptied clipboard;
//   hold-clipboard S   holds the clipboard open for S seconds;
//   hold-file PATH S   holds PATH open, shared with no one, for S seconds.
// The holds print "held" once they hold.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <shellapi.h>

namespace {

int writeClipboardText(const wchar_t *path)
{
    if (!OpenClipboard(nullptr))
        return 1;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        std::printf("%u\n", format);
    int status = 1;
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    const auto *text = memory ? static_cast<const wchar_t *>(GlobalLock(memory)) : nullptr;
    FILE *file = text ? _wfopen(path, L"wb") : nullptr;
    if (file) {
        const size_t length = wcsnlen(text, GlobalSize(memory) / sizeof(wchar_t));
        status = std::fwrite(text, sizeof(wchar_t), length, file) == length ? 0 : 1;
        std::fclose(file);
    }
    if (text)
        GlobalUnlock(memory);
    CloseClipboard();
    return status;
}

int putImage()
{
    const BITMAPINFOHEADER header{sizeof header, 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + 4);
    *static_cast<BITMAPINFOHEADER *>(GlobalLock(memory)) = header;
    GlobalUnlock(memory);
    const bool put = OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_DIB, memory);
    CloseClipboard();
    return put ? 0 : 1;
}

int hold(bool held, HANDLE handle, int seconds)
{
    if (!held)
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(DWORD(seconds) * 1000);
    return handle ? !CloseHandle(handle) : !CloseClipboard();
}

} // namespace

int main()
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const auto is = [&](const wchar_t *command, int total) {
        return count == total && std::wcscmp(arguments[1], command) == 0;
    };
    if (is(L"clipboard", 3))
        return writeClipboardText(arguments[2]);
    if (is(L"put-image", 2))
        return putImage();
    if (is(L"hold-clipboard", 3))
        return hold(OpenClipboard(nullptr), nullptr, _wtoi(arguments[2]));
    if (is(L"hold-file", 4)) {
        HANDLE file = CreateFileW(arguments[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        return hold(file != INVALID_HANDLE_VALUE, file, _wtoi(arguments[3]));
    }
    std::fprintf(stderr, "usage: clipboard FILE | put-image | hold-clipboard S | hold-file PATH S\n");
    return 2;
}
