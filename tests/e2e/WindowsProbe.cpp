// SPDX-License-Identifier: MIT
// What the Windows end-to-end test asks of Windows itself, as another
// program on the same desktop would:
//   clipboard FILE      writes the clipboard's CF_UNICODETEXT, as far as a
//                       reader takes it (to its zero), to FILE as UTF-16LE and
//                       prints the formats on the clipboard, one number a line;
//   put-image           empties the clipboard and puts a small bitmap on it;
//   hold-clipboard S    holds the clipboard open for S seconds;
//   hold-file PATH S    holds PATH open, shared with no one, for S seconds.
// The holds print "held" once they hold.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <shellapi.h>

namespace {

int writeClipboardText(const wchar_t *path)
{
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "cannot open the clipboard\n");
        return 1;
    }
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        std::printf("%u\n", format);
    int status = 1;
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    if (const auto *text = memory ? static_cast<const wchar_t *>(GlobalLock(memory)) : nullptr) {
        if (FILE *file = _wfopen(path, L"wb")) {
            const size_t length = wcsnlen(text, GlobalSize(memory) / sizeof(wchar_t));
            status = std::fwrite(text, sizeof(wchar_t), length, file) == length ? 0 : 1;
            std::fclose(file);
        }
        GlobalUnlock(memory);
    } else {
        std::fprintf(stderr, "no CF_UNICODETEXT on the clipboard\n");
    }
    CloseClipboard();
    return status;
}

int putImage()
{
    // A 1 x 1 red device-independent bitmap.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 1;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 32;
    const DWORD red = 0x00FF0000;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof header + sizeof red);
    auto *bytes = static_cast<unsigned char *>(GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, &red, sizeof red);
    GlobalUnlock(memory);
    const bool put = OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_DIB, memory);
    CloseClipboard();
    return put ? 0 : 1;
}

void held(int seconds)
{
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(DWORD(seconds) * 1000);
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
    if (is(L"hold-clipboard", 3)) {
        if (!OpenClipboard(nullptr))
            return 1;
        held(_wtoi(arguments[2]));
        CloseClipboard();
        return 0;
    }
    if (is(L"hold-file", 4)) {
        HANDLE file = CreateFileW(arguments[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 1;
        held(_wtoi(arguments[3]));
        CloseHandle(file);
        return 0;
    }
    std::fprintf(stderr, "usage: clipboard FILE | put-image | hold-clipboard SECONDS"
                         " | hold-file PATH SECONDS\n");
    return 2;
}
