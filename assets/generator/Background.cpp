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

// Picture pixels to device pixels. Edges round to the nearest device pixel;
// lines are TextRenderer::linePixels wide.
class DeviceGrid
{
public:
    explicit DeviceGrid(qreal ratio) : m_ratio(ratio), m_line(TextRenderer::linePixels(ratio)) {}

    int line() const { return m_line; }
    int edge(int at) const { return qRound(at * m_ratio); }
    QPoint corner(QPoint at) const { return {edge(at.x()), edge(at.y())}; }
    // The device pixels a rectangle of picture pixels covers.
    QRect area(const QRect &rect) const
    {
        return {corner(rect.topLeft()), corner(rect.bottomRight() + QPoint(1, 1)) - QPoint(1, 1)};
    }

private:
    qreal m_ratio;
    int m_line;
};

// A band of the given width along the inside of the rectangle.
void outline(QPainter &painter, const QRect &rect, Rgb rgb, int width)
{
    const QColor ink = colour(rgb);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), ink);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), ink);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), ink);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), ink);
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

// Flat top rows, a gradient, flat bottom rows and one lighter last row, each
// row of the design spread over the device rows in proportion.
void commandFill(QPainter &painter, const QRect &fill, int rows)
{
    const int gradientRows = rows - fillTopRows - fillBottomRows - 1;
    for (int y = 0; y < fill.height(); ++y) {
        const int row = y * rows / fill.height();
        Rgb rgb = fillLastRow;
        if (row < fillTopRows)
            rgb = fillTop;
        else if (row < fillTopRows + gradientRows)
            rgb = gradientRow(row - fillTopRows + 1, gradientRows + 1);
        else if (row < rows - 1)
            rgb = fillBottom;
        painter.fillRect(QRect(fill.left(), fill.top() + y, fill.width(), 1), colour(rgb));
    }
}

void paintShapes(QPainter &painter, const DeviceGrid &grid)
{
    const int line = grid.line();
    outline(painter, grid.area(frame), frameRed, frameThickness * line);
    for (const Button &button : buttons) {
        const QRect outer = grid.area(button.rect);
        outline(painter, outer, buttonOutline, line);
        if (button.kind == ButtonKind::Command) {
            outline(painter, outer.adjusted(line, line, -line, -line), white, line);
            commandFill(painter, outer.adjusted(2 * line, 2 * line, -2 * line, -2 * line),
                        button.rect.height() - 4);
        }
    }
}

void paintTexts(QPainter &painter, qreal ratio, const DeviceGrid &grid)
{
    const TextRenderer::TextStyle style = TextRenderer::textStyle(ratio);
    for (const TextLine &line : textLines) {
        const QImage ink = TextRenderer::render(QStringView(line.text), style, style.text, false,
                                                opaque(textGrey));
        painter.drawImage(grid.corner(line.box.topLeft()), ink);
    }
    for (const Button &button : buttons) {
        const QStringView text(caption(button));
        const QImage ink =
            button.kind == ButtonKind::Command
                ? TextRenderer::withEdge(
                      TextRenderer::render(text, style, style.commandCaption, true, opaque(white)),
                      style, opaque(captionEdge))
                : TextRenderer::render(text, style, style.linkCaption, true, opaque(linkCaption));
        const QRect area = grid.area(button.rect);
        const QPoint centred(area.left() + (area.width() - ink.width()) / 2,
                             area.top() + (area.height() - ink.height()) / 2);
        painter.drawImage(centred, ink);
    }
}

} // namespace

QImage paintBackground(qreal ratio)
{
    if (ratio <= 0 || !TextRenderer::loadPinnedFont())
        return {};
    const DeviceGrid grid(ratio);
    QImage picture(pictureSize * ratio, QImage::Format_RGB32);
    picture.fill(colour(white));
    QPainter painter(&picture);
    paintShapes(painter, grid);
    paintTexts(painter, ratio, grid);
    painter.end();
    return picture;
}

QString backgroundFileName(qreal ratio, QLatin1String extension)
{
    const QString base =
        ratio == 1 ? QStringLiteral("background") : QStringLiteral("background@%1x").arg(ratio);
    return base + QLatin1Char('.') + extension;
}
