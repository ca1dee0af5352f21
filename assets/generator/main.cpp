// SPDX-License-Identifier: MIT
// Paints the window's background pictures and the icon images into a folder
// and writes the hand cursor's bitmap as a header:
//                                      velmora_artwork OUTPUT_FOLDER CURSOR_HEADER
// Paints the background picture for a device pixel ratio:
//                                      velmora_artwork --background RATIO PNG
// Paints the icon at a size in pixels:   velmora_artwork --icon SIZE PNG
// Unpacks a picture into the raw 32-bit pixels the window compiles in:
//                                      velmora_artwork --unpack PNG RAW
#include "assets/generator/ArtworkFiles.h"
#include "assets/generator/TextRenderer.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

// The picture's pixels as QImage::Format_RGB32 holds them, row after row.
// Opaque pictures go in as RGB32 (".rgb32"), the rest premultiplied
// (".argb32p"): the formats the window paints and the icon keeps.
bool unpack(const QString &pngPath, const QString &rawPath)
{
    const QImage::Format format = rawPath.endsWith(QLatin1String(".argb32p"))
                                      ? QImage::Format_ARGB32_Premultiplied
                                      : QImage::Format_RGB32;
    const QImage picture = QImage(pngPath, "png").convertToFormat(format);
    QFile raw(rawPath);
    const qsizetype bytes = picture.sizeInBytes();
    if (picture.isNull() || !raw.open(QIODevice::WriteOnly) ||
        raw.write(reinterpret_cast<const char *>(picture.constBits()), bytes) != bytes) {
        std::fprintf(stderr, "cannot unpack %s into %s\n", qPrintable(pngPath),
                     qPrintable(rawPath));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--unpack") == 0) {
        QCoreApplication application(argc, argv);
        return unpack(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    QGuiApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--icon") == 0) {
        const int size = QByteArray(argv[2]).toInt();
        return size > 0 && writeIcon(size, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    const bool oneBackground = argc == 4 && qstrcmp(argv[1], "--background") == 0;
    bool validRatio = false;
    const qreal ratio = oneBackground ? QByteArray(argv[2]).toDouble(&validRatio) : 0;
    if (argc != 3 && !(validRatio && ratio > 0)) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT_FOLDER CURSOR_HEADER | --background RATIO PNG"
                     " | --icon SIZE PNG | --unpack PNG RAW\n",
                     argv[0]);
        return 2;
    }
    if (!TextRenderer::loadPinnedFont()) {
        std::fprintf(stderr, "the pinned font is missing\n");
        return 1;
    }
    if (oneBackground)
        return writeBackground(ratio, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    return writeArtwork(QDir(QString::fromLocal8Bit(argv[1])), QString::fromLocal8Bit(argv[2])) ? 0
                                                                                                : 1;
}
