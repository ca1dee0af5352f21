#include "catalogue/GetSignature.h"

#include "catalogue/SignatureCatalogue.h"
#include "tools/SignatureSurface.h"

#include <limits>

void getSignature(SignatureSurface &surface, qint32 &pairCount)
{
    // Once exhausted the walk stays exhausted, so the count may stop at its maximum.
    if (pairCount < std::numeric_limits<qint32>::max())
        ++pairCount;
    if (pairCount <= SignatureCatalogue::positionCount)
        surface.setBoxText(SignatureCatalogue::textAt(pairCount));
    surface.setStatusLine(QString());
}
