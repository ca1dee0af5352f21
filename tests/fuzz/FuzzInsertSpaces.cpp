// SPDX-License-Identifier: MIT
// insertSpaces keeps every non-blank character in order, puts exactly one
// blank between neighbours and none at the ends, is idempotent, and its
// characters are ICU's clusters of the whole text, CR LF as two.
#include "commands/InsertSpaces.h"
#include "FuzzText.h"

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
