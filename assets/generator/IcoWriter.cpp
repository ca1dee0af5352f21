// SPDX-License-Identifier: MIT
#include "assets/generator/IcoWriter.h"

#include "assets/generator/Icon.h"
#include "assets/generator/Quantizer.h"
#include "layout/ArtworkTable.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include <cstdio>

namespace {

// Pixels at least half opaque are drawn in the 8-bit images.
bool drawn(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The transparency mask, bottom-up, one bit a pixel, set where not drawn.
void writeMask(QDataStream &out, const QImage &icon, bool (*isDrawn)(QRgb))
{
    const int bytes = rowBytes(icon.width(), 1);
    for (int y = icon.height() - 1; y >= 0; --y) {
        QByteArray row(bytes, '\0');
        for (int x = 0; x < icon.width(); ++x) {
            if (!isDrawn(icon.pixel(x, y)))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
}

QByteArray imageData(const ArtworkTable::IcoImage &entry)
{
    const QImage icon = paintIcon(entry.size);
    const int size = entry.size;
    const int pixelBytes = rowBytes(size, entry.bitsPerPixel) * size;
    const int maskBytes = rowBytes(size, 1) * size;

    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    // BITMAPINFOHEADER; the height counts the pixel rows and the mask rows.
    out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1)
        << quint16(entry.bitsPerPixel) << quint32(0) << quint32(pixelBytes + maskBytes) << qint32(0)
        << qint32(0) << quint32(0) << quint32(0);

    if (entry.bitsPerPixel == 8) {
        const QImage palettised = toIndexed8(icon, drawn);
        for (QRgb colour : palettised.colorTable())
            out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour))
                << quint8(0);
        for (int y = size - 1; y >= 0; --y) {
            QByteArray row(rowBytes(size, 8), '\0');
            for (int x = 0; x < size; ++x)
                row[x] = char(palettised.pixelIndex(x, y));
            out.writeRawData(row.constData(), row.size());
        }
        writeMask(out, icon, drawn);
    } else {
        for (int y = size - 1; y >= 0; --y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = icon.pixel(x, y);
                out << quint8(qBlue(pixel)) << quint8(qGreen(pixel)) << quint8(qRed(pixel))
                    << quint8(qAlpha(pixel));
            }
        }
        writeMask(out, icon, [](QRgb pixel) { return qAlpha(pixel) != 0; });
    }
    return data;
}

} // namespace

bool writeIco(const QString &path)
{
    const auto &entries = ArtworkTable::icoImages;
    QList<QByteArray> images;
    for (const ArtworkTable::IcoImage &entry : entries)
        images.append(imageData(entry));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int size = entries[i].size;
        // Width and height, colour count (0: 256 or more), reserved, planes, depth.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(entries[i].bitsPerPixel) << quint32(images[qsizetype(i)].size()) << offset;
        offset += quint32(images[qsizetype(i)].size());
    }
    for (const QByteArray &image : images)
        out.writeRawData(image.constData(), image.size());
    return file.error() == QFile::NoError;
}
