// SPDX-License-Identifier: MIT
#pragma once

#include "layout/ArtworkTable.h"

#include <QImage>
#include <QRgb>
#include <QStringView>

// Paints the picture's texts glyph by glyph on the fixed pitches, in the
// pinned bitmap face at 1x and smoothed at higher scales.
namespace TextRenderer {

// Loads the pinned font file; false when it is missing or lacks the face.
bool loadPinnedFont();

// The text in one colour at the scale, on the pitch, cropped to its ink.
QImage render(QStringView text, int scale, ArtworkTable::Pitch pitch, bool bold, QRgb colour);

// The ink surrounded by an edge of the given colour, one pixel wide per scale.
QImage withEdge(const QImage &ink, int scale, QRgb edgeColour);

// The bounding rectangle of the pixels that are not fully transparent.
QRect inkBounds(const QImage &image);

} // namespace TextRenderer
