// SPDX-License-Identifier: MIT
#include "assets/generator/Icon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The drawing lives on a 256-unit square.
constexpr qreal units = 256;

const QColor ink(0x4A, 0x2F, 0x1B);
const QColor wood(0xE9, 0xBC, 0x7D);
const QColor green(0x2E, 0xA0, 0x43);
const QColor darkGreen(0x1B, 0x6E, 0x2B);
const QColor pink(0xF2, 0x6D, 0xA8);
const QColor darkPink(0xC2, 0x3B, 0x7A);
const QColor metal(0xC8, 0xCD, 0xD2);

struct Dab
{
    QPointF centre;
    QColor colour;
};

const Dab dabs[] = {
    {{50, 104}, QColor(0xE5, 0x39, 0x35)},
    {{86, 68}, QColor(0xFD, 0xD8, 0x35)},
    {{134, 56}, QColor(0x1E, 0x88, 0xE5)},
    {{184, 70}, pink},
    {{212, 116}, green},
};

struct Brush
{
    QPointF tip;
    qreal angle; // degrees, from the tip towards the handle's end
    qreal length;
    QColor handle;
    QColor paint;
};

const Brush brushes[] = {
    {{104, 140}, 42, 150, green, darkGreen},
    {{150, 100}, 46, 136, pink, darkPink},
};

QPainterPath paletteShape()
{
    QPainterPath body;
    body.addEllipse(QPointF(128, 120), 122, 100);
    QPainterPath notch;
    notch.addEllipse(QPointF(40, 196), 42, 34);
    QPainterPath thumbHole;
    thumbHole.addEllipse(QPointF(74, 150), 15, 14);
    return body.subtracted(notch).subtracted(thumbHole);
}

// A brush lying along +x from its tip: bristles, ferrule, handle; thickness
// widens it across.
void paintBrush(QPainter &painter, const Brush &brush, qreal thickness)
{
    painter.save();
    painter.translate(brush.tip);
    painter.rotate(brush.angle);
    painter.scale(1, thickness);

    QPainterPath handle;
    handle.addRoundedRect(QRectF(60, -9, brush.length - 60, 18), 9, 9);
    painter.setBrush(brush.handle);
    painter.drawPath(handle);

    painter.setBrush(metal);
    painter.drawRect(QRectF(38, -11, 26, 22));

    QPainterPath bristles(QPointF(0, 0));
    bristles.cubicTo(QPointF(8, -6), QPointF(24, -13), QPointF(40, -11));
    bristles.lineTo(QPointF(40, 11));
    bristles.cubicTo(QPointF(24, 13), QPointF(8, 6), QPointF(0, 0));
    painter.setBrush(brush.paint);
    painter.drawPath(bristles);
    painter.restore();
}

} // namespace

QImage paintIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / units, size / units);

    // Outlines about one pixel wide on small images, thicker on large ones.
    const qreal outlinePixels = size <= 32 ? 1.0 : size / 40.0;
    const QPen outline(ink, outlinePixels * units / size, Qt::SolidLine, Qt::RoundCap,
                       Qt::RoundJoin);

    painter.setPen(outline);
    painter.setBrush(wood);
    painter.drawPath(paletteShape());
    // On small images outlines would swallow the dabs' and brushes' colours.
    painter.setPen(size > 32 ? outline : QPen(Qt::NoPen));
    for (const Dab &dab : dabs) {
        painter.setBrush(dab.colour);
        painter.drawEllipse(dab.centre, 17, 15);
    }
    // and the brushes are drawn fatter to stay visible.
    painter.setPen(size > 24 ? outline : QPen(Qt::NoPen));
    for (const Brush &brush : brushes)
        paintBrush(painter, brush, size > 24 ? 1.0 : 1.8);
    painter.end();
    return icon;
}
