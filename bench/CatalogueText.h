// SPDX-License-Identifier: MIT
#pragma once

#include "commands/SignatureCatalogue.h"

// Catalogue text, position after position with CR LF between, cut to length:
// what a user's full box looks like.
inline QString catalogueText(qsizetype length)
{
    QString text;
    for (int position = 1; text.size() < length; position = position % SignatureCatalogue::entryCount + 1)
        text += SignatureCatalogue::textAt(position, QString()) + QStringLiteral("\r\n");
    text.truncate(length);
    return text;
}
