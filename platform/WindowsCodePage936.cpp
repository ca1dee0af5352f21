// SPDX-License-Identifier: MIT
#include "platform/CodePage936.h"

#include <windows.h>

#include <iterator>

namespace {

constexpr UINT codePage936 = 936;

// Windows' own table of code page 936.
class WindowsCodePage936 final : public CodePage936
{
public:
    QByteArray encodeChar(char32_t codePoint) const override
    {
        if (codePoint > 0x10FFFF || QChar::isSurrogate(codePoint))
            return {};
        const QString character = QString::fromUcs4(&codePoint, 1);
        const auto *wide = reinterpret_cast<const wchar_t *>(character.utf16());
        char bytes[8];
        BOOL substituted = FALSE;
        // No best fit: a look-alike would change the character.
        const int length =
            WideCharToMultiByte(codePage936, WC_NO_BEST_FIT_CHARS, wide, int(character.size()),
                                bytes, int(sizeof bytes), nullptr, &substituted);
        if (length <= 0 || substituted)
            return {};
        // Only a round trip counts, whatever the table's fallbacks.
        wchar_t back[4];
        const int backLength = MultiByteToWideChar(codePage936, MB_ERR_INVALID_CHARS, bytes, length,
                                                   back, int(std::size(back)));
        if (backLength != character.size() ||
            QStringView(reinterpret_cast<const char16_t *>(back), backLength) != character)
            return {};
        return QByteArray(bytes, length);
    }
};

} // namespace

std::unique_ptr<CodePage936> createCodePage936()
{
    return std::make_unique<WindowsCodePage936>();
}
