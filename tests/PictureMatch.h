// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <cstdlib>
#include <functional>

// Compares a freshly painted picture with a committed one. Pixels whose
// committed colour is one of the design's flat colours must be identical;
// the others are blends (anti-aliased edges, smoothed text), whose rounding
// depends on the processor's blending path and on the Qt release, and may
// differ by a few steps per premultiplied channel, no more.
namespace PictureMatch {

inline constexpr int blendRounding = 2;

using DesignColour = std::function<bool(QRgb)>;

inline QString hex(QRgb pixel)
{
    return QStringLiteral("#%1").arg(pixel, 8, 16, QLatin1Char('0'));
}

inline bool withinRounding(QRgb a, QRgb b)
{
    const auto near = [](int x, int y) { return std::abs(x - y) <= blendRounding; };
    return near(qAlpha(a), qAlpha(b)) && near(qRed(a), qRed(b)) && near(qGreen(a), qGreen(b)) &&
           near(qBlue(a), qBlue(b));
}

// Empty when the pictures agree; otherwise how many pixels differ and the
// first of them (in reading order) with both colours, as #AARRGGBB. The
// design colours are looked up in the committed picture.
inline QString mismatch(const QImage &painted, const QImage &committed,
                        const DesignColour &isDesignColour,
                        const QString &paintedName = QStringLiteral("painted"),
                        const QString &committedName = QStringLiteral("committed"))
{
    if (painted.size() != committed.size())
        return QStringLiteral("%1 %2 x %3, %4 %5 x %6")
            .arg(paintedName)
            .arg(painted.width())
            .arg(painted.height())
            .arg(committedName)
            .arg(committed.width())
            .arg(committed.height());
    const auto format = QImage::Format_ARGB32_Premultiplied;
    const QImage paintedPm = painted.convertToFormat(format);
    const QImage committedPm = committed.convertToFormat(format);
    const QImage paintedArgb = painted.convertToFormat(QImage::Format_ARGB32);
    const QImage committedArgb = committed.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    QString first;
    for (int y = 0; y < committed.height(); ++y) {
        for (int x = 0; x < committed.width(); ++x) {
            const QRgb want = committedArgb.pixel(x, y);
            const bool exact = isDesignColour(want);
            const QRgb a = paintedPm.pixel(x, y);
            const QRgb b = committedPm.pixel(x, y);
            if (exact ? a == b : withinRounding(a, b))
                continue;
            if (count++ == 0)
                first =
                    QStringLiteral("(%1, %2): %3 %4, %5 %6 (%7)")
                        .arg(x)
                        .arg(y)
                        .arg(paintedName, hex(paintedArgb.pixel(x, y)), committedName, hex(want),
                             exact ? QStringLiteral("a design colour, must match exactly")
                                   : QStringLiteral("a blend, may differ by %1 a channel")
                                         .arg(blendRounding));
        }
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixel(s) differ, the first at %2").arg(count).arg(first);
}

} // namespace PictureMatch
