// SPDX-License-Identifier: MIT
#include "assets/generator/ArtworkFiles.h"

#include "assets/generator/Background.h"
#include "assets/generator/HandCursorArt.h"
#include "assets/generator/Icon.h"
#include "assets/generator/IcoWriter.h"
#include "layout/ArtworkTable.h"
#include "VelmoraConfig.h"

#include <QImageWriter>

#include <cstdio>

namespace {

// PNG files with nothing in them that changes from run to run.
bool savePng(QImage image, const QString &path)
{
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

bool writeBackgrounds(const QDir &folder)
{
    for (qreal scale : ArtworkTable::scales) {
        const QString name = backgroundFileName(scale, QLatin1String("png"));
        if (!writeBackground(scale, folder.filePath(name)))
            return false;
    }
    return true;
}

bool writeIcons(const QDir &folder)
{
    if (!folder.mkpath(QStringLiteral("icons")))
        return false;
    for (int size : VelmoraConfig::iconSizes) {
        const QString name = QStringLiteral("icons/velmora-%1.png").arg(size);
        if (!savePng(paintIcon(size), folder.filePath(name)))
            return false;
    }
    return writeIco(folder.filePath(QStringLiteral("icons/velmora.ico")));
}

} // namespace

bool writeBackground(qreal ratio, const QString &path)
{
    return savePng(paintBackground(ratio), path);
}

bool writeIcon(int size, const QString &path)
{
    return savePng(paintIcon(size), path);
}

bool writeArtwork(const QDir &folder, const QString &cursorHeader)
{
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return false;
    return writeBackgrounds(folder) && writeIcons(folder) && writeHandCursorHeader(cursorHeader);
}
