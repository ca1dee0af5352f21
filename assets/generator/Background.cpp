// SPDX-License-Identifier: MIT
#include "assets/generator/Background.h"

#include "assets/generator/TextRenderer.h"
#include "layout/ArtworkTable.h"

#include <QPainter>

namespace {

using namespace ArtworkTable;

QRgb opaque(Rgb rgb)
{
    return 0xFF000000 | rgb;
}

QColor colour(Rgb rgb)
{
    return QColor::fromRgb(opaque(rgb));
}

// Rings of one pixel each, thickness of them, along the inside of the rectangle.
void outline(QPainter &painter, const QRect &rect, Rgb rgb, int thickness = 1)
{
    for (int i = 0; i < thickness; ++i) {
        const QRect ring = rect.adjusted(i, i, -i, -i);
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), colour(rgb));
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), colour(rgb));
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), colour(rgb));
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), colour(rgb));
    }
}

int mix(int from, int to, int step, int steps)
{
    return from + ((to - from) * step * 2 + steps) / (steps * 2);
}

Rgb gradientRow(int step, int steps)
{
    return Rgb(mix(qRed(fillTop), qRed(fillBottom), step, steps)) << 16 |
           Rgb(mix(qGreen(fillTop), qGreen(fillBottom), step, steps)) << 8 |
           Rgb(mix(qBlue(fillTop), qBlue(fillBottom), step, steps));
}

// Flat top rows, a gradient, flat bottom rows and one lighter last row.
void commandFill(QPainter &painter, const QRect &fill)
{
    const int rows = fill.height();
    const int gradientRows = rows - fillTopRows - fillBottomRows - 1;
    for (int row = 0; row < rows; ++row) {
        Rgb rgb = fillLastRow;
        if (row < fillTopRows)
            rgb = fillTop;
        else if (row < fillTopRows + gradientRows)
            rgb = gradientRow(row - fillTopRows + 1, gradientRows + 1);
        else if (row < rows - 1)
            rgb = fillBottom;
        painter.fillRect(QRect(fill.left(), fill.top() + row, fill.width(), 1), colour(rgb));
    }
}

QRect scaled(const QRect &rect, int scale)
{
    return {rect.topLeft() * scale, rect.size() * scale};
}

void paintShapes(QPainter &painter)
{
    outline(painter, frame, frameRed, frameThickness);
    for (const Button &button : buttons) {
        outline(painter, button.rect, buttonOutline);
        if (button.kind == ButtonKind::Command) {
            outline(painter, button.rect.adjusted(1, 1, -1, -1), white);
            commandFill(painter, button.rect.adjusted(2, 2, -2, -2));
        }
    }
}

void paintTexts(QPainter &painter, int scale)
{
    const TextScale &style = textScales[std::size_t(scale - 1)];
    for (const TextLine &line : textLines) {
        const QImage ink = TextRenderer::render(QStringView(line.text), scale, style.text, false,
                                                opaque(textGrey));
        painter.drawImage(line.box.topLeft() * scale, ink);
    }
    for (const Button &button : buttons) {
        const QStringView text(caption(button));
        const QImage ink =
            button.kind == ButtonKind::Command
                ? TextRenderer::withEdge(
                      TextRenderer::render(text, scale, style.commandCaption, true, opaque(white)),
                      scale, opaque(captionEdge))
                : TextRenderer::render(text, scale, style.linkCaption, true, opaque(linkCaption));
        const QRect area = scaled(button.rect, scale);
        const QPoint centred(area.left() + (area.width() - ink.width()) / 2,
                             area.top() + (area.height() - ink.height()) / 2);
        painter.drawImage(centred, ink);
    }
}

} // namespace

QImage paintBackground(int scale)
{
    QImage picture(pictureSize * scale, QImage::Format_RGB32);
    picture.fill(colour(white));
    QPainter painter(&picture);
    painter.scale(scale, scale);
    paintShapes(painter);
    painter.resetTransform();
    paintTexts(painter, scale);
    painter.end();
    return picture;
}
