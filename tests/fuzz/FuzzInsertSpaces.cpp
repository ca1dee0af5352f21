// insertSpaces keeps every non-blank character in order, puts exactly one
// blank between neighbours and none at the ends, is idempotent, and its
// characters are ICU's clusters of the whole text, CR LF as two.
#include "FuzzText.h"
#include "tools/InsertSpaces.h"

#include <QStringList>

#include <unicode/ubrk.h>

namespace {

QString spacedByIcu(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator *iterator =
        ubrk_open(UBRK_CHARACTER, "", reinterpret_cast<const UChar *>(text.utf16()),
                  int32_t(text.size()), &status);
    fuzzCheck(U_SUCCESS(status), "break iterator opens");
    QStringList pieces;
    int32_t start = 0;
    for (int32_t end = ubrk_next(iterator); end != UBRK_DONE; end = ubrk_next(iterator)) {
        const QString cluster = text.mid(start, end - start);
        start = end;
        if (cluster == u"\r\n")
            pieces << QStringLiteral("\r") << QStringLiteral("\n");
        else
            pieces += cluster.split(u' ', Qt::SkipEmptyParts);
    }
    ubrk_close(iterator);
    return pieces.join(u' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const QString spaced = spacedText(text);
    fuzzCheck(QString(spaced).remove(u' ') == QString(text).remove(u' '),
              "non-blank characters kept in order");
    fuzzCheck(!spaced.startsWith(u' ') && !spaced.endsWith(u' '), "no blank at either end");
    fuzzCheck(!spaced.contains(QStringLiteral("  ")), "never two blanks together");
    fuzzCheck(spacedText(spaced) == spaced, "spacing again changes nothing");
    fuzzCheck(spaced == spacedByIcu(text), "characters are ICU's clusters");
    return 0;
}
