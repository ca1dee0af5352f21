// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

// The artwork as Qt objects: the background picture, the icon and the hand
// cursor.
namespace Artwork {

// The background picture for a device pixel ratio, with that ratio set. At
// the ratios of ArtworkTable::scales (within 1e-6) the committed picture,
// compiled in (on the web the site's file), unscaled and read afresh on each
// call (null if it is missing or has the wrong size); at any other ratio
// painted once and kept, or, without the pinned font, scaledBackground(ratio).
QImage background(qreal ratio);

// The nearest committed picture at or above the ratio (the largest above
// them all) scaled to it, with that ratio set.
QImage scaledBackground(qreal ratio);

// The icon in all its sizes.
QIcon icon();

// The two-colour pointing hand, its hot spot at the index finger's tip.
QCursor handCursor();

} // namespace Artwork
