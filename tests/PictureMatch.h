// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <cstdlib>

// The background's design colours, and a comparison of pictures: design
// colours must match exactly; blends (smoothed edges and text) round by the
// processor's blending path and the Qt release, a few steps a channel.
namespace PictureMatch {

inline constexpr QRgb white = 0xFFFFFF, textGrey = 0x858484, frameRed = 0xFF6666,
                      outline = 0x66CCFF, fillTop = 0x99CCFF, fillBottom = 0x0099FF,
                      fillLastRow = 0x109FFF, captionEdge = 0x0099CC, linkBlue = 0x0000FF;

// A row of the command buttons' fill, from 0x99CCFF down to 0x0099FF: blue
// stays full, green falls by a third of what red falls.
inline bool fillRow(QRgb c)
{
    c &= 0xFFFFFF;
    return qBlue(c) == 255 && qRed(c) <= 153 && std::abs(3 * (qGreen(c) - 153) - qRed(c)) <= 3;
}

inline bool backgroundColour(QRgb c)
{
    c &= 0xFFFFFF;
    return c == white || c == textGrey || c == frameRed || c == outline || c == captionEdge ||
           c == linkBlue || fillRow(c);
}

// Empty when the pictures agree; otherwise how many pixels differ and the
// first of them in reading order, with both colours as #AARRGGBB.
template <typename DesignColour>
QString mismatch(const QImage &painted, const QImage &other, DesignColour isDesignColour,
                 const char *paintedName, const char *otherName)
{
    if (painted.size() != other.size())
        return QString::asprintf("%s %d x %d, %s %d x %d", paintedName, painted.width(),
                                 painted.height(), otherName, other.width(), other.height());
    const QImage a = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = other.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto near = [](int i, int j) { return std::abs(i - j) <= 2; };
    int count = 0;
    QString first;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const bool exact = isDesignColour(qUnpremultiply(q));
            if (exact ? p == q
                      : near(qAlpha(p), qAlpha(q)) && near(qRed(p), qRed(q)) &&
                            near(qGreen(p), qGreen(q)) && near(qBlue(p), qBlue(q)))
                continue;
            if (count++ == 0)
                first = QString::asprintf("(%d, %d): %s #%08x, %s #%08x (%s)", x, y, paintedName,
                                          qUnpremultiply(p), otherName, qUnpremultiply(q),
                                          exact ? "must match exactly"
                                                : "a blend, may differ by 2 a channel");
        }
    }
    return count == 0 ? QString()
                      : QStringLiteral("%1 pixel(s) differ, the first at %2").arg(count).arg(first);
}

} // namespace PictureMatch
