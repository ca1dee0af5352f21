// SPDX-License-Identifier: MIT
// The artwork painted in the process against the committed files, which the
// compiled-in pictures and icon must hold exactly; the Windows icon's
// directory against literals.
#include "PictureMatch.h"

#include "assets/generator/ArtworkFiles.h"
#include "assets/generator/TextRenderer.h"
#include "window/Artwork.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString committedFolder = QStringLiteral(VELMORA_ASSETS_DIR);

// The icon's paints: ink, wood, the five dabs, the brushes' handles and
// paint, the ferrules.
const QSet<QRgb> iconPaints{0x4A2F1B, 0xE9BC7D, 0xE53935, 0xFDD835, 0x1E88E5,
                            0xF26DA8, 0x2EA043, 0x1B6E2B, 0xC23B7A, 0xC8CDD2};

bool iconDesignColour(QRgb pixel)
{
    return qAlpha(pixel) == 0 || (qAlpha(pixel) == 255 && iconPaints.contains(pixel & 0xFFFFFF));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The Windows icon's images: size, bits per pixel and bytes (header, palette,
// pixels, mask).
const int icoImages[7][3]{{16, 8, 40 + 1024 + 256 + 64},   {24, 8, 40 + 1024 + 576 + 96},
                          {32, 8, 40 + 1024 + 1024 + 128}, {16, 32, 40 + 1024 + 64},
                          {24, 32, 40 + 2304 + 96},        {32, 32, 40 + 4096 + 128},
                          {48, 32, 40 + 9216 + 384}};

} // namespace

class TestArtworkFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir painted;

private slots:
    void initTestCase()
    {
        QVERIFY(painted.isValid());
        QVERIFY2(TextRenderer::loadPinnedFont(), "the pinned font is missing");
        QVERIFY(writeArtwork(QDir(painted.path()),
                             painted.filePath(QStringLiteral("HandCursorBitmap.h"))));
    }

    void pictures_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio"); // the background's device pixel ratio
        QTest::newRow("background.png") << QSize(540, 403) << 1.0;
        QTest::newRow("background@1.25x.png") << QSize(675, 504) << 1.25;
        QTest::newRow("background@1.5x.png") << QSize(810, 605) << 1.5;
        QTest::newRow("background@1.75x.png") << QSize(945, 705) << 1.75;
        QTest::newRow("background@2x.png") << QSize(1080, 806) << 2.0;
        QTest::newRow("background@2.25x.png") << QSize(1215, 907) << 2.25;
        QTest::newRow("background@2.5x.png") << QSize(1350, 1008) << 2.5;
        QTest::newRow("background@3x.png") << QSize(1620, 1209) << 3.0;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("icons/velmora-%d.png", size) << QSize(size, size) << 0.0;
    }
    void pictures()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QImage committed(committedFolder + QLatin1Char('/') + name);
        QCOMPARE(committed.size(), size);
        const bool icon = name.startsWith(QLatin1String("icons/"));
        const QString wrong = PictureMatch::mismatch(
            QImage(painted.filePath(name)), committed,
            icon ? iconDesignColour : PictureMatch::backgroundColour, "painted", "committed");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        const QImage compiledIn =
            icon ? Artwork::icon().pixmap(size).toImage() : Artwork::background(ratio);
        const QString shown = PictureMatch::mismatch(
            compiledIn, committed, [](QRgb) { return true; }, "compiled-in", "committed");
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
    }

    void icoEntries_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%d px %d bits", icoImages[i][0], icoImages[i][1]) << i;
    }
    // Each entry's directory row and header (its height counts pixel and mask
    // rows); its pixels as the PNG's, at 8 bits those half opaque opaque.
    void icoEntries()
    {
        QFETCH(int, index);
        const auto [size, bits, bytes] = icoImages[index];
        const QString icoPath = committedFolder + QStringLiteral("/icons/velmora.ico");
        const QByteArray ico = contents(icoPath);
        const auto number = [&ico](qsizetype at, int width) { // little-endian, 0 past the end
            quint32 value = 0;
            for (int i = width - 1; i >= 0; --i)
                value = value << 8 | (at + i < ico.size() ? quint8(ico.at(at + i)) : 0u);
            return value;
        };
        const auto entry = [](auto... values) {
            return QString::asprintf(
                "type %#x, %u images; %u x %u, %u bits, %u bytes; header %u x %u, %u bits",
                quint32(values)...);
        };
        const qsizetype at = 6 + 16 * index, image = number(at + 12, 4);
        QCOMPARE(entry(number(0, 4), number(4, 2), number(at, 1), number(at + 1, 1),
                       number(at + 6, 2), number(at + 8, 4), number(image + 4, 4),
                       number(image + 8, 4), number(image + 14, 2)),
                 entry(0x10000, 7, size, size, bits, bytes, size, 2 * size, bits));

        QImageReader reader(icoPath);
        QVERIFY(reader.jumpToImage(index));
        QImage png = QImage(committedFolder + QStringLiteral("/icons/velmora-%1.png").arg(size))
                         .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; bits == 8 && y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x)
                png.setPixel(x, y,
                             qAlpha(png.pixel(x, y)) >= 128 ? png.pixel(x, y) | 0xFF000000 : 0);
        // The 8-bit entries' palette merges near colours.
        const QString wrong = PictureMatch::mismatch(
            reader.read(), png, [bits](QRgb c) { return bits == 32 || iconDesignColour(c); },
            "the icon file shows", "the PNG has");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    void handCursorHeader()
    {
        const QList<QByteArray> written =
            contents(painted.filePath(QStringLiteral("HandCursorBitmap.h"))).split('\n');
        const QList<QByteArray> committed =
            contents(QStringLiteral(VELMORA_LAYOUT_DIR "/HandCursorBitmap.h")).split('\n');
        QCOMPARE(written, committed);
    }
};

QTEST_MAIN(TestArtworkFiles)
#include "tst_artworkfiles.moc"
