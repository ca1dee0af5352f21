// SPDX-License-Identifier: MIT
#include "window/Artwork.h"

#include "assets/generator/Background.h"
#include "layout/ArtworkTable.h"
#include "layout/HandCursorBitmap.h"
#include "VelmoraConfig.h"

#include <QBitmap>
#include <QMap>
#include <QPixmap>
#include <QResource>

namespace {

// Raw 32-bit pixels unpacked at build time; null if the resource is missing
// or has the wrong size.
QImage rawPicture(const QString &path, QSize size, QImage::Format format)
{
    const QResource resource(path);
    // The pixels stay in the inflated buffer, which the picture owns.
    auto *pixels = new QByteArray(resource.uncompressedData());
    if (pixels->size() != qsizetype(size.width()) * size.height() * 4) {
        delete pixels;
        return {};
    }
    return QImage(
        reinterpret_cast<uchar *>(pixels->data()), size.width(), size.height(), format,
        [](void *buffer) { delete static_cast<QByteArray *>(buffer); }, pixels);
}

QImage shippedBackground(int scale)
{
    QImage picture =
        rawPicture(scale == 1 ? QStringLiteral(":/artwork/background.rgb32")
                              : QStringLiteral(":/artwork/background@%1x.rgb32").arg(scale),
                   ArtworkTable::pictureSize * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
}

// Painted with the generator's own code, so that lines and texts fall on
// whole device pixels instead of being the 2x picture resampled.
QImage paintedBackground(qreal ratio)
{
    QImage picture = paintBackground(ratio);
    if (picture.isNull())
        picture = shippedBackground(2).scaled(ArtworkTable::pictureSize * ratio,
                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

namespace Artwork {

QImage background(qreal ratio)
{
    // The shipped ratios need no font and no painting at start-up. Exactly
    // them: the window asks again whenever the ratio differs from the picture's.
    for (int scale : ArtworkTable::scales) {
        if (ratio == scale)
            return shippedBackground(scale);
    }
    static QMap<qreal, QImage> painted;
    auto found = painted.constFind(ratio);
    if (found == painted.constEnd())
        found = painted.insert(ratio, paintedBackground(ratio));
    return *found;
}

QIcon icon()
{
    QIcon icon;
    for (int size : VelmoraConfig::iconSizes) {
        const QImage image =
            rawPicture(QStringLiteral(":/artwork/icons/velmora-%1.argb32p").arg(size),
                       QSize(size, size), QImage::Format_ARGB32_Premultiplied);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor handCursor()
{
    const QSize size = ArtworkTable::cursorSize;
    const QBitmap black =
        QBitmap::fromData(size, HandCursorBitmap::black.data(), QImage::Format_MonoLSB);
    const QBitmap drawn =
        QBitmap::fromData(size, HandCursorBitmap::drawn.data(), QImage::Format_MonoLSB);
    return QCursor(black, drawn, ArtworkTable::cursorHotSpot.x(), ArtworkTable::cursorHotSpot.y());
}

} // namespace Artwork
