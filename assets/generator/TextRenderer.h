// SPDX-License-Identifier: MIT
#pragma once

#include "layout/ArtworkTable.h"

#include <QImage>
#include <QRgb>
#include <QStringView>

// Paints the picture's texts glyph by glyph on the fixed pitches, in the
// pinned bitmap face at a device pixel ratio of 1 and smoothed at any other.
namespace TextRenderer {

// Loads the pinned font file once; false when it is missing or lacks the face.
bool loadPinnedFont();

// A pitch in device pixels; glyphs start on the nearest whole pixel.
struct DevicePitch
{
    qreal fullWidth;
    qreal halfWidth;
};

// How the texts are set at a device pixel ratio: the 1x table entry at 1,
// elsewhere the 2x entry scaled to the ratio.
struct TextStyle
{
    int glyphPixels;
    bool smoothed;
    int boldStrike; // how far right smoothed bold glyphs are struck again
    int edgeRadius; // of the command captions' edge
    DevicePitch text;
    DevicePitch linkCaption;
    DevicePitch commandCaption;
};

TextStyle textStyle(qreal ratio);

// Device pixels of a line one picture pixel wide: the same whole number
// everywhere, so that no line comes out thicker than its neighbour.
inline int linePixels(qreal ratio)
{
    return qMax(1, qRound(ratio));
}

// The text in one colour in the style, on the pitch, cropped to its ink.
QImage render(QStringView text, const TextStyle &style, DevicePitch pitch, bool bold, QRgb colour);

// The ink surrounded by an edge of the given colour, the style's radius wide.
QImage withEdge(const QImage &ink, const TextStyle &style, QRgb edgeColour);

// The bounding rectangle of the pixels that are not fully transparent.
QRect inkBounds(const QImage &image);

} // namespace TextRenderer
