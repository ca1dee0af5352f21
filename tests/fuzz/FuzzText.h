// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QStringList>

#include <unicode/ubrk.h>

#include <cstddef>
#include <cstdint>

// Fuzzer bytes as UTF-16 that reaches the interesting cases: below 0x80
// ASCII, to 0xBF characters that encoders, converters and break rules treat
// specially, higher the next two bytes as a raw code unit (lone surrogates too).
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

// The text's code points; a lone surrogate counts as one, as it stands.
inline QList<char32_t> codePointsOf(const QString &text)
{
    QList<char32_t> points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            points.append(QChar::surrogateToUcs4(unit, text.at(++i)));
        else
            points.append(unit.unicode());
    }
    return points;
}

// The spacing reference: ICU's clusters of the whole text, CR LF as two and
// blanks dropped, joined by one blank.
inline QString spacedByIcu(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator *iterator =
        ubrk_open(UBRK_CHARACTER, "", reinterpret_cast<const UChar *>(text.utf16()),
                  int32_t(text.size()), &status);
    QStringList pieces;
    for (int32_t start = 0, end = ubrk_next(iterator); end != UBRK_DONE;
         start = end, end = ubrk_next(iterator)) {
        const QString cluster = text.mid(start, end - start);
        if (cluster == u"\r\n")
            pieces << QStringLiteral("\r") << QStringLiteral("\n");
        else
            pieces += cluster.split(u' ', Qt::SkipEmptyParts);
    }
    ubrk_close(iterator);
    return pieces.join(u' ');
}
