// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// One couple signature: line A for one partner, line B for the other.
struct CatalogueEntry
{
    QStringView lineA; // ends in exactly two blanks
    QStringView lineB;
};

// The fixed, ordered catalogue the get-signature command walks.
namespace SignatureCatalogue {

constexpr int distinctPairCount = 26;
constexpr int entryCount = 54;     // positions 1 to 54 hold pairs
constexpr int noticePosition = 55; // the closing notice
constexpr int positionCount = 55;

// Pair Pk for k in 1..26 (the catalogue numbers its distinct pairs).
CatalogueEntry pair(int k);

// Which pair (1..26) a position 1..54 holds; positions repeat pairs.
int pairAt(int position);

// Line A, CR LF, CR LF, line B.
QString pairText(const CatalogueEntry &entry);

// The text shown after the last pair, naming the site's home address.
QString closingNotice(const QString &siteBase);

// The box text of a position 1..55; empty for any other position.
QString textAt(int position, const QString &siteBase);

} // namespace SignatureCatalogue
