// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Turns fuzzer bytes into UTF-16 that reaches the interesting cases: bytes
// below 0x80 are ASCII (blanks, CR, LF, U+0000 among them), 0x80 to 0xBF
// pick one of a few characters that encoders, converters and break rules
// treat specially, and any higher byte takes the next two bytes as a raw
// code unit (lone surrogates included).
inline QString fuzzText(const uint8_t *data, size_t size)
{
    static const char16_t specialCharacters[] = {
        0x3000, 0x00A0, 0xFEFF, 0x200D, 0xFE0F, 0x0301, 0x2028, 0x2029, 0xE7EC, 0x05D0,
        0xD83D, 0xDE00, 0x4E2A, 0x540E, 0x53D1, 0x5E72, 0x8FD9, 0x5B57, 0x723D, 0x9CD4,
        0x20AC, 0x2764, 0x00A5, 0x30FB, 0x1F1E, 0x000D, 0x000A, 0x0020, 0x6682, 0x6BF6};
    QString text;
    text.reserve(static_cast<qsizetype>(size));
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        if (byte < 0x80) {
            text += QChar(byte);
        } else if (byte < 0xC0) {
            text += QChar(specialCharacters[(byte - 0x80) % std::size(specialCharacters)]);
        } else if (i + 2 < size) {
            text += QChar(static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]));
            i += 2;
        }
    }
    return text;
}

inline void fuzzCheck(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "invariant broken: %s\n", what);
        abort();
    }
}
