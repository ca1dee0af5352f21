#include "app/Artwork.h"

#include "assets/ArtworkTable.h"
#include "assets/HandCursorBitmap.h"

#include <QBitmap>
#include <QResource>

namespace Artwork {

QImage background(int scale)
{
    const QResource resource(scale == 1
                                 ? QStringLiteral(":/artwork/background.rgb32")
                                 : QStringLiteral(":/artwork/background@%1x.rgb32").arg(scale));
    const QSize size = ArtworkTable::pictureSize * scale;
    // The pixels stay in the inflated buffer, which the picture owns.
    auto *pixels = new QByteArray(resource.uncompressedData());
    if (pixels->size() != qsizetype(size.width()) * size.height() * 4) {
        delete pixels;
        return {};
    }
    QImage picture(
        reinterpret_cast<uchar *>(pixels->data()), size.width(), size.height(),
        QImage::Format_RGB32, [](void *buffer) { delete static_cast<QByteArray *>(buffer); },
        pixels);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QIcon icon()
{
    QIcon icon;
    for (int size : ArtworkTable::iconSizes)
        icon.addFile(QStringLiteral(":/artwork/icons/velmora-%1.png").arg(size), QSize(size, size));
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
