// SPDX-License-Identifier: MIT
#include "window/Artwork.h"

#include "assets/generator/Background.h"
#include "layout/ArtworkTable.h"
#include "layout/HandCursorBitmap.h"
#include "platform/SiteFiles.h"
#include "VelmoraConfig.h"

#include <QBitmap>
#include <QFile>
#include <QMap>
#include <QPixmap>

namespace {

// Raw 32-bit pixels unpacked at build time; null if the resource is missing
// or has the wrong size.
QImage rawPicture(const QString &path, QSize size, QImage::Format format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The pixels stay in the inflated buffer, which the picture owns.
    auto *pixels = new QByteArray(file.readAll());
    if (pixels->size() != qsizetype(size.width()) * size.height() * 4) {
        delete pixels;
        return {};
    }
    return QImage(
        reinterpret_cast<uchar *>(pixels->data()), size.width(), size.height(), format,
        [](void *buffer) { delete static_cast<QByteArray *>(buffer); }, pixels);
}

// The committed picture at one of ArtworkTable::scales: raw pixels compiled
// in, or on the web the site's PNG file; null if missing or of the wrong size.
QImage shippedBackground(qreal scale)
{
    const QLatin1String extension(VelmoraConfig::backgroundExtension);
    const QString path = QString::fromUtf8(VelmoraConfig::artworkFolder) + u'/' +
                         backgroundFileName(scale, extension);
    const QSize size = ArtworkTable::pictureSize * scale;
    if (extension == QLatin1String("rgb32"))
        return rawPicture(path, size, QImage::Format_RGB32);
    ensureSiteFile(path);
    const QImage picture(path);
    return picture.size() == size ? picture.convertToFormat(QImage::Format_RGB32) : QImage();
}

// Painted with the generator's own code, so that lines and texts fall on
// whole device pixels instead of being a larger picture resampled.
QImage paintedBackground(qreal ratio)
{
    QImage picture = paintBackground(ratio);
    if (picture.isNull())
        return Artwork::scaledBackground(ratio);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

namespace Artwork {

QImage background(qreal ratio)
{
    // The compiled-in ratios need no font and no painting at start-up; a
    // ratio a rounding error off finds its picture too. The picture carries
    // the ratio asked for: the window asks again whenever the ratio differs
    // from the picture's.
    for (qreal scale : ArtworkTable::scales) {
        if (qAbs(ratio - scale) < 1e-6) {
            QImage picture = shippedBackground(scale);
            picture.setDevicePixelRatio(ratio);
            return picture;
        }
    }
    static QMap<qreal, QImage> painted;
    auto found = painted.constFind(ratio);
    if (found == painted.constEnd())
        found = painted.insert(ratio, paintedBackground(ratio));
    return *found;
}

QImage scaledBackground(qreal ratio)
{
    // Down from the nearest larger picture: thin strokes keep their ink,
    // which scaling a smaller picture up would blur.
    qreal from = ArtworkTable::scales.back();
    for (qreal scale : ArtworkTable::scales) {
        if (scale >= ratio) {
            from = scale;
            break;
        }
    }
    QImage picture = shippedBackground(from).scaled(
        ArtworkTable::pictureSize * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
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
