// SPDX-License-Identifier: MIT
#include "commands/GetSignature.h"

#include "commands/SignatureCatalogue.h"
#include "commands/SignatureSurface.h"

#include <limits>

void getSignature(SignatureSurface &surface, qint32 &pairCount, const QString &siteBase)
{
    // Once exhausted the walk stays exhausted, so the count may stop at its maximum.
    if (pairCount < std::numeric_limits<qint32>::max())
        ++pairCount;
    if (pairCount <= SignatureCatalogue::positionCount)
        surface.setBoxText(SignatureCatalogue::textAt(pairCount, siteBase));
    surface.setStatusLine(QString());
}
