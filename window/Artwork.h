// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

// The compiled-in artwork as Qt objects: the background picture, the icon
// and the hand cursor.
namespace Artwork {

// The background picture painted for a device pixel ratio of 1 or 2, with
// that ratio set; null if the resource is missing or has the wrong size.
QImage background(int scale);

// The icon in all its sizes.
QIcon icon();

// The two-colour pointing hand, its hot spot at the index finger's tip.
QCursor handCursor();

} // namespace Artwork
