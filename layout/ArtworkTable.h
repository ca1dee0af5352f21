// SPDX-License-Identifier: MIT
#pragma once

#include "layout/WindowLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstddef>

// What the background picture shows and where, the icon's images and the hand
// cursor's frame. The generator paints from it; the window and the tests read
// it. Rectangles are in 1x picture pixels; colours are 0xRRGGBB.
namespace ArtworkTable {

using Rgb = quint32;

inline constexpr QSize pictureSize{540, 403};
// The device pixel ratios whose pictures are committed and compiled in, the
// scales Windows offers, in ascending order and written as the file names
// show them (assets/CMakeLists.txt reads this line). Others are painted at
// run time.
inline constexpr std::array<qreal, 8> scales{1, 1.25, 1.5, 1.75, 2, 2.25, 2.5, 3};

inline constexpr Rgb white = 0xFFFFFF;
inline constexpr Rgb textGrey = 0x858484;
inline constexpr Rgb frameRed = 0xFF6666;
inline constexpr Rgb buttonOutline = 0x66CCFF;
inline constexpr Rgb fillTop = 0x99CCFF;
inline constexpr Rgb fillBottom = 0x0099FF;
inline constexpr Rgb fillLastRow = 0x109FFF;
inline constexpr Rgb captionEdge = 0x0099CC;
inline constexpr Rgb linkCaption = 0x0000FF;

// Texts are drawn glyph by glyph, full-width characters on one pitch and
// half-width ones on the other. At 1x in bitmap glyphs of one flat colour;
// bold captions are a pixel wider there and command captions have a
// one-pixel edge, so they get wider pitches. At 2x in smoothed outlines, a
// little smaller than double so that their ink, brackets included, stays
// within the doubled text lines. Other ratios scale the 2x entry. Pitches in
// the picture's own pixels.
struct Pitch
{
    int fullWidth;
    int halfWidth;
};

struct TextScale
{
    int glyphPixels;
    Pitch text;
    Pitch linkCaption;
    Pitch commandCaption;
};

inline constexpr std::array<TextScale, 2> textScales{{
    {13, {14, 7}, {15, 8}, {16, 8}},
    {24, {28, 14}, {28, 14}, {28, 14}},
}};

struct TextLine
{
    QRect box; // the glyphs' ink, corner to corner
    const char16_t *text;
};

inline constexpr std::array<TextLine, 2> textLines{{
    {QRect(QPoint(26, 20), QPoint(512, 32)),
     u"使用方法：点击下面的[获取情侣签名]按钮，即可在文本框内显示一组情侣签名"},
    {QRect(QPoint(26, 240), QPoint(448, 252)),
     u"显示签名后，可对签名进行其他的处理，请点击相关的按钮试试吧..."},
}};

// The red outline around the signature box, status line and symbol strip.
inline constexpr QRect frame{QPoint(26, 55), QPoint(513, 221)};
inline constexpr int frameThickness = 3;

enum class ButtonKind { Command, Link };

struct Button
{
    QRect rect; // outline included
    ButtonKind kind;
    std::size_t hotSpot; // index into WindowLayout::hotSpots, whose caption is painted
};

inline constexpr std::array<Button, 7> buttons{{
    {QRect(QPoint(26, 275), QPoint(167, 315)), ButtonKind::Command, 0},
    {QRect(QPoint(197, 275), QPoint(283, 315)), ButtonKind::Command, 1},
    {QRect(QPoint(312, 275), QPoint(398, 315)), ButtonKind::Command, 2},
    {QRect(QPoint(426, 275), QPoint(512, 315)), ButtonKind::Command, 3},
    {QRect(QPoint(26, 334), QPoint(167, 373)), ButtonKind::Link, 4},
    {QRect(QPoint(197, 334), QPoint(338, 373)), ButtonKind::Link, 5},
    {QRect(QPoint(371, 334), QPoint(512, 373)), ButtonKind::Link, 6},
}};

constexpr const char16_t *caption(const Button &button)
{
    return WindowLayout::hotSpots[button.hotSpot].caption;
}

// Command button fill, inside the outline and the inner white line: flat rows
// at the top, a gradient, flat rows at the bottom and one lighter last row.
inline constexpr int fillTopRows = 6;
inline constexpr int fillBottomRows = 3;

// White from this row to the bottom, and right of this column.
inline constexpr int firstBlankRow = 374;
inline constexpr int lastPaintedColumn = 513;

// The images of the Windows icon file, as the program file carries them.
struct IcoImage
{
    int size;
    int bitsPerPixel;
};

inline constexpr std::array<IcoImage, 7> icoImages{{
    {16, 8},
    {24, 8},
    {32, 8},
    {16, 32},
    {24, 32},
    {32, 32},
    {48, 32},
}};

inline constexpr QSize cursorSize{32, 32};
inline constexpr QPoint cursorHotSpot{6, 0};

} // namespace ArtworkTable
