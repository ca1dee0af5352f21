// SPDX-License-Identifier: MIT
#include "assets/generator/TextRenderer.h"

#include <QFontDatabase>
#include <QPainter>
#include <QtMath>

namespace {

// Constants, so that linking the painting code adds nothing to start-up.
constexpr QLatin1String fontFile("/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc");
constexpr QLatin1String fontFamily("WenQuanYi Zen Hei Sharp");

qreal advance(QChar character, TextRenderer::DevicePitch pitch)
{
    return character.unicode() < 0x80 ? pitch.halfWidth : pitch.fullWidth;
}

TextRenderer::DevicePitch scaled(ArtworkTable::Pitch pitch, qreal factor)
{
    return {pitch.fullWidth * factor, pitch.halfWidth * factor};
}

QFont pinnedFont(const TextRenderer::TextStyle &style, bool bold)
{
    QFont font{QString(fontFamily)};
    font.setPixelSize(style.glyphPixels);
    // Smoothed bold is struck twice instead (see render()).
    font.setBold(bold && !style.smoothed);
    // The bitmap strikes at 1x; elsewhere smoothed outlines, never sub-pixel,
    // and no hinting so that the machine's font settings do not leak in.
    font.setStyleStrategy(
        style.smoothed ? QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias)
                       : QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

namespace TextRenderer {

bool loadPinnedFont()
{
    static const bool loaded = [] {
        const int id = QFontDatabase::addApplicationFont(QString(fontFile));
        return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(fontFamily);
    }();
    return loaded;
}

TextStyle textStyle(qreal ratio)
{
    // At 1 the bitmap design as it stands. The 2x design is drawn at twice
    // the picture's pixels; other ratios scale it, each a whole number of
    // device pixels.
    const bool bitmap = qFuzzyCompare(ratio, 1.0);
    const ArtworkTable::TextScale &design = ArtworkTable::textScales[bitmap ? 0 : 1];
    const qreal factor = bitmap ? 1 : ratio / 2;
    return {qRound(design.glyphPixels * factor),
            !bitmap,
            qMax(1, qRound(factor)),
            linePixels(ratio),
            scaled(design.text, factor),
            scaled(design.linkCaption, factor),
            scaled(design.commandCaption, factor)};
}

QImage render(QStringView text, const TextStyle &style, DevicePitch pitch, bool bold, QRgb colour)
{
    const QFont font = pinnedFont(style, bold);
    const QFontMetrics metrics(font);
    // Room for ink beyond the advances; the result is cropped to the ink.
    const int margin = style.glyphPixels;
    qreal width = 0;
    for (QChar character : text)
        width += advance(character, pitch);

    QImage canvas(qCeil(width) + 2 * margin, metrics.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    // The font engine's synthetic bold for smoothed glyphs changes between Qt
    // releases; the regular glyph struck twice, a little apart, does not.
    const int strike = bold && style.smoothed ? style.boldStrike : 0;
    const int baseline = margin + metrics.ascent();
    qreal x = 0;
    for (QChar character : text) {
        const int left = margin + qRound(x);
        painter.drawText(QPoint(left, baseline), QString(character));
        if (strike > 0)
            painter.drawText(QPoint(left + strike, baseline), QString(character));
        x += advance(character, pitch);
    }
    painter.end();
    return canvas.copy(inkBounds(canvas));
}

QImage withEdge(const QImage &ink, const TextStyle &style, QRgb edgeColour)
{
    QImage edge = ink;
    QPainter tint(&edge);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(edge.rect(), QColor::fromRgb(edgeColour));
    tint.end();

    // The ink stamped at every offset within the edge's radius, the ink on top.
    const int radius = style.edgeRadius;
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
