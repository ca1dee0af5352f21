#include "assets/ArtworkTable.h"
#include "assets/HandCursorBitmap.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QTest>

namespace {

QString iconPath(const QString &name)
{
    return QStringLiteral(VELMORA_ASSETS_DIR "/icons/") + name;
}

QString pngName(int size)
{
    return QStringLiteral("velmora-%1.png").arg(size);
}

quint16 word(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 dword(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

bool bitAt(const std::array<unsigned char, 128> &bits, int x, int y)
{
    return bits[std::size_t(y * 4 + x / 8)] & (1 << (x % 8));
}

} // namespace

class TestIcon : public QObject
{
    Q_OBJECT

    QByteArray ico;

private slots:
    void initTestCase()
    {
        QFile file(iconPath(QStringLiteral("velmora.ico")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        ico = file.readAll();
    }

    void pngAtEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void pngAtEverySize()
    {
        QFETCH(int, size);
        QFile file(iconPath(pngName(size)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QImage icon = QImage::fromData(bytes, "png");
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, size - 1)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        // The window compiles in the very same file.
        QFile compiledIn(QStringLiteral(":/artwork/icons/") + pngName(size));
        QVERIFY(compiledIn.open(QIODevice::ReadOnly));
        QCOMPARE(compiledIn.readAll(), bytes);
    }

    void icoDirectory_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::addRow("16 px, 8 bits") << 0 << 16 << 8;
        QTest::addRow("24 px, 8 bits") << 1 << 24 << 8;
        QTest::addRow("32 px, 8 bits") << 2 << 32 << 8;
        QTest::addRow("16 px, 32 bits") << 3 << 16 << 32;
        QTest::addRow("24 px, 32 bits") << 4 << 24 << 32;
        QTest::addRow("32 px, 32 bits") << 5 << 32 << 32;
        QTest::addRow("48 px, 32 bits") << 6 << 48 << 32;
    }
    void icoDirectory()
    {
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, bitsPerPixel);
        QVERIFY(ico.size() > 6 + 7 * 16);
        QCOMPARE(word(ico, 0), 0);
        QCOMPARE(word(ico, 2), 1);
        QCOMPARE(word(ico, 4), 7);

        const qsizetype entry = 6 + 16 * index;
        QCOMPARE(int(quint8(ico[entry])), size);
        QCOMPARE(int(quint8(ico[entry + 1])), size);
        QCOMPARE(word(ico, entry + 4), 1);
        QCOMPARE(int(word(ico, entry + 6)), bitsPerPixel);
        const quint32 bytes = dword(ico, entry + 8);
        const quint32 offset = dword(ico, entry + 12);
        // Images follow the directory in its order, back to back.
        const quint32 expectedOffset =
            index == 0 ? 6 + 7 * 16 : dword(ico, entry - 16 + 12) + dword(ico, entry - 16 + 8);
        QCOMPARE(offset, expectedOffset);
        QVERIFY(offset + bytes <= quint32(ico.size()));
        if (index == 6)
            QCOMPARE(offset + bytes, quint32(ico.size()));

        // The bitmap header: the height counts the colour rows and the mask rows.
        QCOMPARE(dword(ico, offset), 40u);
        QCOMPARE(int(dword(ico, offset + 4)), size);
        QCOMPARE(int(dword(ico, offset + 8)), 2 * size);
        QCOMPARE(int(word(ico, offset + 14)), bitsPerPixel);
        const int palette = bitsPerPixel == 8 ? 256 * 4 : 0;
        QCOMPARE(int(bytes),
                 40 + palette + rowBytes(size, bitsPerPixel) * size + rowBytes(size, 1) * size);
    }

    void icoImagesMatchPngs_data() { icoDirectory_data(); }
    void icoImagesMatchPngs()
    {
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, bitsPerPixel);
        QImageReader reader(iconPath(QStringLiteral("velmora.ico")), "ico");
        QCOMPARE(reader.imageCount(), 7);
        QVERIFY(reader.jumpToImage(index));
        const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage png = QImage(iconPath(pngName(size))).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(decoded.size(), png.size());
        if (bitsPerPixel == 32) {
            QCOMPARE(decoded, png);
            return;
        }
        // 256 colours and a mask: drawn where the PNG is at least half opaque.
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb want = png.pixel(x, y);
                const QRgb got = decoded.pixel(x, y);
                QCOMPARE(qAlpha(got), qAlpha(want) >= 128 ? 255 : 0);
                if (qAlpha(got) == 0)
                    continue;
                const int error =
                    qMax(qAbs(qRed(got) - qRed(want)),
                         qMax(qAbs(qGreen(got) - qGreen(want)), qAbs(qBlue(got) - qBlue(want))));
                QVERIFY2(error <= 24, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    void handCursorBitmap()
    {
        QCOMPARE(ArtworkTable::cursorSize, QSize(32, 32));
        QCOMPARE(ArtworkTable::cursorHotSpot, QPoint(6, 0));
        using HandCursorBitmap::black;
        using HandCursorBitmap::drawn;
        QCOMPARE(black.size(), std::size_t(32 * 32 / 8));
        int blackPixels = 0;
        int whitePixels = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                // Black or white where drawn, never an inverting pixel.
                QVERIFY(!bitAt(black, x, y) || bitAt(drawn, x, y));
                if (!bitAt(drawn, x, y))
                    continue;
                if (bitAt(black, x, y)) {
                    ++blackPixels;
                    continue;
                }
                ++whitePixels;
                // White is wrapped in black, so the hand shows on white ground.
                for (QPoint next :
                     {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)})
                    QVERIFY(next.x() >= 0 && next.y() >= 0 && bitAt(drawn, next.x(), next.y()));
            }
        }
        QVERIFY(blackPixels > 0 && whitePixels > 0);
        // The hot spot is the fingertip: black, in the top row, which holds
        // nothing but the tip.
        QVERIFY(bitAt(black, 6, 0));
        for (int x = 0; x < 32; ++x)
            QVERIFY(!bitAt(drawn, x, 0) || qAbs(x - 6) <= 2);
    }
};

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
