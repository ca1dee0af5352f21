// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <unicode/ubrk.h>

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
