// SPDX-License-Identifier: MIT
// Paints the artwork in the process and compares it with the committed
// files: file list, sizes, the Windows icon's directory and the cursor header
// exactly; pictures exactly where they show a design colour and within a
// blend's rounding where they are anti-aliased.
#include "PictureMatch.h"

#include "assets/generator/ArtworkFiles.h"
#include "assets/generator/TextRenderer.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using PictureMatch::DesignColour;

namespace {

const QString committedFolder = QStringLiteral(VELMORA_ASSETS_DIR);

const QStringList artworkFiles{
    QStringLiteral("HandCursorBitmap.h"),    QStringLiteral("background.png"),
    QStringLiteral("background@2x.png"),     QStringLiteral("icons/velmora-128.png"),
    QStringLiteral("icons/velmora-16.png"),  QStringLiteral("icons/velmora-24.png"),
    QStringLiteral("icons/velmora-256.png"), QStringLiteral("icons/velmora-32.png"),
    QStringLiteral("icons/velmora-48.png"),  QStringLiteral("icons/velmora-64.png"),
    QStringLiteral("icons/velmora.ico"),
};

// The icon's paints: ink, wood, the five dabs, the brushes' handles and
// paint, the ferrules.
const QSet<QRgb> iconPaints{0x4A2F1B, 0xE9BC7D, 0xE53935, 0xFDD835, 0x1E88E5,
                            0xF26DA8, 0x2EA043, 0x1B6E2B, 0xC23B7A, 0xC8CDD2};

bool iconDesignColour(QRgb pixel)
{
    return qAlpha(pixel) == 0 || (qAlpha(pixel) == 255 && iconPaints.contains(pixel & 0xFFFFFF));
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    std::sort(files.begin(), files.end());
    return files;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 little(const QByteArray &data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | quint8(data.at(at + i));
    return value;
}

struct IcoEntry
{
    int width, height, bits, headerWidth, headerHeight, headerBits;
    quint32 bytes;
};

// The directory entry and the image's own header; bits 0 if the file is short.
IcoEntry icoEntry(const QByteArray &ico, int index)
{
    const qsizetype at = 6 + 16 * index;
    if (ico.size() < at + 16)
        return {};
    const quint32 offset = little(ico, at + 12, 4);
    if (ico.size() < offset + 40)
        return {};
    return {int(little(ico, at, 1)),         int(little(ico, at + 1, 1)),
            int(little(ico, at + 6, 2)),     int(little(ico, offset + 4, 4)),
            int(little(ico, offset + 8, 4)), int(little(ico, offset + 14, 2)),
            little(ico, at + 8, 4)};
}

// What an entry of the icon file must show, from the PNG of its size: the
// 32-bit entries every pixel as it is, the 8-bit ones the pixels at least
// half opaque, opaque.
QImage icoView(const QImage &png, int bits)
{
    QImage view = png.convertToFormat(QImage::Format_ARGB32);
    if (bits == 8) {
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x) {
                const QRgb pixel = view.pixel(x, y);
                view.setPixel(x, y, qAlpha(pixel) >= 128 ? pixel | 0xFF000000 : 0);
            }
    }
    return view;
}

} // namespace

class TestArtworkFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir painted;
    QSet<QRgb> backgroundColours;

    QString paintedFile(const QString &name) const { return painted.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(painted.isValid());
        QVERIFY2(TextRenderer::loadPinnedFont(), "the pinned font is missing");
        QVERIFY(writeArtwork(QDir(painted.path())));
        // The 1x picture has no smoothing: its colours are the design's.
        const QImage single(committedFolder + QStringLiteral("/background.png"));
        for (int y = 0; y < single.height(); ++y)
            for (int x = 0; x < single.width(); ++x)
                backgroundColours.insert(single.pixel(x, y) | 0xFF000000);
    }

    void fileList()
    {
        QCOMPARE(filesUnder(painted.path()), artworkFiles);
        QStringList icons = artworkFiles.filter(QStringLiteral("icons/"));
        QCOMPARE(filesUnder(committedFolder + QStringLiteral("/icons")),
                 icons.replaceInStrings(QStringLiteral("icons/"), QString()));
    }

    void pictures_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("icon");
        QTest::newRow("background.png") << QSize(540, 403) << false;
        QTest::newRow("background@2x.png") << QSize(1080, 806) << false;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("icons/velmora-%d.png", size) << QSize(size, size) << true;
    }

    void pictures()
    {
        QFETCH(QSize, size);
        QFETCH(bool, icon);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QImage committed(committedFolder + QLatin1Char('/') + name);
        QVERIFY2(!committed.isNull(),
                 qPrintable(name + QStringLiteral(": cannot read the committed file")));
        const QImage fresh(paintedFile(name));
        const auto sizeText = [](QSize s) {
            return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
        };
        QVERIFY2(committed.size() == size && fresh.size() == size,
                 qPrintable(QStringLiteral("%1: committed %2, painted %3, the design is %4")
                                .arg(name, sizeText(committed.size()), sizeText(fresh.size()),
                                     sizeText(size))));
        const DesignColour background = [this](QRgb pixel) {
            return backgroundColours.contains(pixel);
        };
        QVERIFY2(icon || !backgroundColours.isEmpty(), "no design colours: background.png unread");
        const QString wrong =
            PictureMatch::mismatch(fresh, committed, icon ? iconDesignColour : background);
        QVERIFY2(wrong.isEmpty(), qPrintable(name + QStringLiteral(": ") + wrong));
    }

    void icoEntries_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bits");
        QTest::addColumn<quint32>("bytes"); // header, palette, pixels, mask
        const struct
        {
            int size, bits;
            quint32 bytes;
        } entries[]{{16, 8, 40 + 1024 + 256 + 64},   {24, 8, 40 + 1024 + 576 + 96},
                    {32, 8, 40 + 1024 + 1024 + 128}, {16, 32, 40 + 1024 + 64},
                    {24, 32, 40 + 2304 + 96},        {32, 32, 40 + 4096 + 128},
                    {48, 32, 40 + 9216 + 384}};
        for (const char *source : {"committed", "painted"}) {
            const QString folder = qstrcmp(source, "committed") == 0 ? committedFolder : QString();
            for (int i = 0; i < 7; ++i)
                QTest::addRow("%s velmora.ico %d px %d bits", source, entries[i].size,
                              entries[i].bits)
                    << folder << i << entries[i].size << entries[i].bits << entries[i].bytes;
        }
    }

    // Each entry's directory row and header, and its pixels against the PNG
    // of its size beside it (written in the same run).
    void icoEntries()
    {
        QFETCH(QString, folder);
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, bits);
        QFETCH(quint32, bytes);
        if (folder.isEmpty())
            folder = painted.path();
        const QString icoPath = folder + QStringLiteral("/icons/velmora.ico");
        const QByteArray ico = contents(icoPath);
        QVERIFY2(ico.size() >= 6 && little(ico, 0, 4) == 0x10000 && little(ico, 4, 2) == 7,
                 qPrintable(icoPath + QStringLiteral(": not an icon file of 7 images")));
        const IcoEntry entry = icoEntry(ico, index);
        QCOMPARE(entry.width, size);
        QCOMPARE(entry.height, size);
        QCOMPARE(entry.bits, bits);
        QCOMPARE(entry.bytes, bytes);
        QCOMPARE(entry.headerWidth, size);
        QCOMPARE(entry.headerHeight, 2 * size); // pixel rows and mask rows
        QCOMPARE(entry.headerBits, bits);

        QImageReader reader(icoPath);
        QVERIFY(reader.jumpToImage(index));
        const QImage shown = reader.read();
        const QString pngPath = folder + QStringLiteral("/icons/velmora-%1.png").arg(size);
        const QImage png(pngPath);
        QVERIFY2(!png.isNull(), qPrintable(pngPath + QStringLiteral(": cannot read")));
        // The palette of the 8-bit entries merges only near colours; the
        // 32-bit ones hold the PNG's pixels as they are.
        const DesignColour exactly = [bits](QRgb pixel) {
            return bits == 32 || iconDesignColour(pixel);
        };
        const QString wrong = PictureMatch::mismatch(shown, icoView(png, bits), exactly,
                                                     QStringLiteral("the icon file shows"),
                                                     QStringLiteral("the PNG has"));
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(QStringLiteral("%1, image %2: %3").arg(icoPath).arg(index).arg(wrong)));
    }

    void cursorHeader()
    {
        const QString name = QStringLiteral("HandCursorBitmap.h");
        const QList<QByteArray> committed =
            contents(QStringLiteral(VELMORA_LAYOUT_DIR "/") + name).split('\n');
        const QList<QByteArray> fresh = contents(paintedFile(name)).split('\n');
        for (qsizetype i = 0; i < std::max(committed.size(), fresh.size()); ++i) {
            const QByteArray want = committed.value(i, "(none)");
            const QByteArray got = fresh.value(i, "(none)");
            QVERIFY2(want == got,
                     qPrintable(QStringLiteral("%1 line %2: written \"%3\", committed \"%4\"")
                                    .arg(name)
                                    .arg(i + 1)
                                    .arg(QString::fromUtf8(got), QString::fromUtf8(want))));
        }
    }
};

QTEST_MAIN(TestArtworkFiles)
#include "tst_artworkfiles.moc"
