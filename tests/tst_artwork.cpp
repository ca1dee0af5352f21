// SPDX-License-Identifier: MIT
#include "layout/ArtworkTable.h"
#include "layout/HandCursorBitmap.h"
#include "window/Artwork.h"
#include <QImageReader>
#include <QPixmap>
#include <QTest>

using namespace ArtworkTable;

namespace {

// The bounds of the pixels in the area, outside the hole, of none of the colours.
QRect offColourBounds(const QImage &image, const QRect &area, const QList<Rgb> &ok, QRect hole = {})
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!ok.contains(image.pixel(x, y) & 0xFFFFFF) && !hole.contains(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
const int icoRows[7][2]{{16, 8}, {24, 8}, {32, 8}, {16, 32}, {24, 32}, {32, 32}, {48, 32}};
} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT
    const QImage single = QImage(QStringLiteral(VELMORA_ASSETS_DIR "/background.png"));
    const QImage twice = QImage(QStringLiteral(VELMORA_ASSETS_DIR "/background@2x.png"));
private slots:
    void areas_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QList<Rgb>>("colours");
        QTest::addColumn<QRect>("hole");
        const auto row = [](const QByteArray &name, QRect area, QList<Rgb> ok, QRect hole = {}) {
            QTest::addRow("%s", name.constData()) << area << ok << hole;
        };
        const QRect inside = frame.adjusted(3, 3, -3, -3), all(QPoint(), pictureSize);
        row("frame", frame, {frameRed}, inside);
        row("around frame", frame.adjusted(-1, -1, 1, 1), {white}, frame);
        row("inside frame", inside, {white});
        for (const Button &b : buttons) {
            const QByteArray name = WindowLayout::hotSpots[b.hotSpot].objectName;
            const QRect in = b.rect.adjusted(1, 1, -1, -1), f = b.rect.adjusted(2, 2, -2, -2);
            const int h = f.height() - 1;
            row(name + " outline", b.rect, {buttonOutline}, in);
            if (b.kind == ButtonKind::Link) {
                row(name + " white fill", in, {white, linkCaption});
                continue;
            }
            row(name + " inner white line", in, {white}, f);
            row(name + " first fill rows", f.adjusted(0, 0, 0, fillTopRows - 1 - h), {fillTop});
            row(name + " bottom fill rows", f.adjusted(0, h - fillBottomRows, 0, -1), {fillBottom});
            row(name + " last fill row", f.adjusted(0, h, 0, 0), {fillLastRow});
        }
        row("blank rows", all.adjusted(0, firstBlankRow, 0, 0), {white});
        row("blank columns", all.adjusted(lastPaintedColumn + 1, 0, 0, 0), {white});
        for (const TextLine &line : textLines)
            row("text line " + QByteArray::number(line.box.top()), line.box, {white, textGrey});
    }
    void areas()
    {
        QFETCH(QRect, area);
        QFETCH(QList<Rgb>, colours);
        QFETCH(QRect, hole);
        QCOMPARE(offColourBounds(single, area, colours, hole), QRect());
    }
    void greyOnlyInTextLinesAndTwiceIsSingleDoubled()
    {
        QCOMPARE(twice.size(), single.size() * 2);
        const auto rgb = [this](int x, int y) { return single.pixel(x, y) & 0xFFFFFF; };
        const QRegion lines = QRegion(textLines[0].box) + textLines[1].box;
        QRegion captions;
        for (const Button &b : buttons) { // captions: what differs from the left end of the row
            const QRect f = b.rect.adjusted(2, 2, -2, -2);
            for (int y = f.top(); y <= f.bottom(); ++y)
                captions +=
                    offColourBounds(single, QRect(f.left(), y, f.width(), 1), {rgb(f.left(), y)});
        }
        for (int i = 0; i < single.width() * single.height(); ++i) {
            const QPoint at(i % single.width(), i / single.width());
            const Rgb c = rgb(at.x(), at.y());
            QVERIFY2(c != textGrey || lines.contains(at), "grey outside the text lines");
            if (!lines.contains(at) && !captions.intersects(QRect(at - QPoint(1, 1), QSize(3, 3))))
                QCOMPARE(offColourBounds(twice, QRect(at * 2, QSize(2, 2)), {c}), QRect());
        }
    }
    void registration_data()
    {
        QTest::addColumn<QRect>("control");
        QTest::addColumn<QRect>("painted");
        QTest::addColumn<int>("tolerance"); // -1: inside; 1: at left and top only; 4: all round
        for (const Button &b : buttons) {
            const WindowLayout::HotSpotRow &spot = WindowLayout::hotSpots[b.hotSpot];
            const int tol = b.kind == ButtonKind::Link           ? 4
                            : qstrcmp(spot.objectName, "Label1") ? 1
                                                                 : -1;
            QTest::addRow("%s", spot.objectName) << spot.rect << b.rect << tol;
        }
        for (const auto &c :
             {WindowLayout::signatureBox, WindowLayout::statusLine, WindowLayout::symbolStrip})
            QTest::addRow("%s", c.objectName) << c.rect << frame.adjusted(3, 3, -3, -3) << -1;
    }
    void registration()
    {
        QFETCH(QRect, control);
        QFETCH(QRect, painted);
        QFETCH(int, tolerance);
        const QPoint near = control.topLeft() - painted.topLeft();
        const QPoint far = control.bottomRight() - painted.bottomRight();
        QVERIFY(tolerance >= 0 || painted.contains(control));
        QVERIFY(tolerance < 0 || (qAbs(near.x()) <= tolerance && qAbs(near.y()) <= tolerance));
        QVERIFY(tolerance < 4 || (qAbs(far.x()) <= tolerance && qAbs(far.y()) <= tolerance));
    }
    void iconAtEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    // The compiled-in icon holds the committed PNG's pixels at every size.
    void iconAtEverySize()
    {
        QFETCH(int, size);
        const QImage png(QStringLiteral(VELMORA_ASSETS_DIR "/icons/velmora-%1.png").arg(size));
        QCOMPARE(png.size(), QSize(size, size));
        const QPixmap compiled = Artwork::icon().pixmap(QSize(size, size));
        QCOMPARE(compiled.size(), QSize(size, size));
        const auto format = QImage::Format_ARGB32_Premultiplied;
        QCOMPARE(compiled.toImage().convertToFormat(format), png.convertToFormat(format));
    }
    void icoImages_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%d px, %d bits", icoRows[i][0], icoRows[i][1]) << i;
    }
    void icoImages()
    {
        QFETCH(int, index);
        const auto [size, bits] = icoRows[index];
        QImageReader reader(QStringLiteral(VELMORA_ASSETS_DIR "/icons/velmora.ico"));
        QVERIFY(reader.imageCount() == 7 && reader.jumpToImage(index));
        QCOMPARE(reader.size(), QSize(size, size));
        QCOMPARE(reader.imageFormat(), bits == 8 ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    }
    void handCursor()
    {
        using namespace HandCursorBitmap;
        QVERIFY(black[0] & 1 << 6); // the fingertip, black
        QVERIFY(black != drawn);    // some white
        for (std::size_t i = 0; i < black.size(); ++i)
            QCOMPARE(black[i] & ~drawn[i], 0); // black or white, never inverting
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
