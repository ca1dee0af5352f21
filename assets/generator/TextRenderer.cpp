// SPDX-License-Identifier: MIT
#include "assets/generator/TextRenderer.h"

#include <QFontDatabase>
#include <QPainter>

namespace {

const QString fontFile = QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc");
const QString fontFamily = QStringLiteral("WenQuanYi Zen Hei Sharp");

int advance(QChar character, ArtworkTable::Pitch pitch)
{
    return character.unicode() < 0x80 ? pitch.halfWidth : pitch.fullWidth;
}

QFont pinnedFont(int scale, bool bold)
{
    QFont font(fontFamily);
    font.setPixelSize(ArtworkTable::textScales[std::size_t(scale - 1)].glyphPixels);
    // Smoothed bold is struck twice instead (see render()).
    font.setBold(bold && scale == 1);
    // The bitmap strikes at 1x; above it smoothed outlines, never sub-pixel,
    // and no hinting so that the machine's font settings do not leak in.
    font.setStyleStrategy(
        scale == 1 ? QFont::NoAntialias
                   : QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

namespace TextRenderer {

bool loadPinnedFont()
{
    const int id = QFontDatabase::addApplicationFont(fontFile);
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(fontFamily);
}

QImage render(QStringView text, int scale, ArtworkTable::Pitch pitch, bool bold, QRgb colour)
{
    const QFont font = pinnedFont(scale, bold);
    const QFontMetrics metrics(font);
    const int margin = 4 * scale;
    int width = 0;
    for (QChar character : text)
        width += advance(character, pitch);

    QImage canvas(width + 2 * margin, metrics.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    // The font engine's synthetic bold for smoothed glyphs changes between Qt
    // releases; the regular glyph struck twice, a pixel apart, does not.
    const bool doubleStrike = bold && scale > 1;
    int x = margin;
    for (QChar character : text) {
        painter.drawText(QPoint(x, margin + metrics.ascent()), QString(character));
        if (doubleStrike)
            painter.drawText(QPoint(x + 1, margin + metrics.ascent()), QString(character));
        x += advance(character, pitch);
    }
    painter.end();
    return canvas.copy(inkBounds(canvas));
}

QImage withEdge(const QImage &ink, int scale, QRgb edgeColour)
{
    QImage edge = ink;
    QPainter tint(&edge);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(edge.rect(), QColor::fromRgb(edgeColour));
    tint.end();

    // The ink stamped at every offset within the edge's radius, the ink on top.
    const int radius = scale;
    QImage result(ink.size() + QSize(2 * radius, 2 * radius), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius + 1)
                painter.drawImage(radius + dx, radius + dy, edge);
        }
    }
    painter.drawImage(radius, radius, ink);
    return result;
}

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace TextRenderer
