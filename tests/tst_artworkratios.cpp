// SPDX-License-Identifier: MIT
// The window's background picture at the device pixel ratios of common
// screens: the painting code's picture, of the right size, and crisp. Outside
// the texts every pixel is one of the design's flat colours or a row of the
// button fill's gradient, and every line is the same whole number of device
// pixels wide wherever it is.
#include "PictureMatch.h"

#include "assets/generator/Background.h"
#include "layout/ArtworkTable.h"
#include "window/Artwork.h"

#include <QTest>

#include <cmath>

namespace {

constexpr QRgb white = 0xFFFFFF, textGrey = 0x858484, frameRed = 0xFF6666, buttonOutline = 0x66CCFF,
               fillTop = 0x99CCFF, fillLastRow = 0x109FFF, captionEdge = 0x0099CC,
               linkBlue = 0x0000FF;

QRgb rgb(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The fill's gradient runs from 0x99CCFF to 0x0099FF: blue stays full, green
// falls by a third of what red falls.
bool gradientRow(QRgb c)
{
    return qBlue(c) == 255 && qRed(c) <= 153 && std::abs(3 * (qGreen(c) - 153) - qRed(c)) <= 3;
}

bool flat(QRgb c)
{
    return c == white || c == frameRed || c == buttonOutline || gradientRow(c);
}

// The device pixels a rectangle of picture pixels reaches into, and `margin` more.
QRect reach(const QRect &rect, qreal ratio, int margin = 0)
{
    const int left = int(std::floor(rect.left() * ratio)) - margin;
    const int top = int(std::floor(rect.top() * ratio)) - margin;
    const int right = int(std::ceil((rect.right() + 1) * ratio)) + margin;
    const int bottom = int(std::ceil((rect.bottom() + 1) * ratio)) + margin;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

struct Run
{
    QRgb colour;
    int length;
};

// The first runs of equal colour from a point in a direction, at most `count`.
QList<Run> runs(const QImage &image, QPoint from, QPoint step, int count)
{
    QList<Run> found;
    for (QPoint at = from; image.rect().contains(at) && found.size() <= count; at += step) {
        const QRgb c = rgb(image, at.x(), at.y());
        if (found.isEmpty() || found.last().colour != c)
            found.append({c, 0});
        ++found.last().length;
    }
    if (found.size() > count)
        found.removeLast();
    return found;
}

struct Side
{
    const char *name;
    QPoint from; // two device pixels outside the rectangle, halfway along the side
    QPoint step;
    qreal edge; // where the outer edge would be at an unrounded scale
};

QList<Side> sides(const QRect &rect, qreal ratio)
{
    const QRect outer = reach(rect, ratio, 2);
    const QPoint middle = outer.center();
    return {{"left", {outer.left(), middle.y()}, {1, 0}, rect.left() * ratio - outer.left()},
            {"top", {middle.x(), outer.top()}, {0, 1}, rect.top() * ratio - outer.top()},
            {"right",
             {outer.right(), middle.y()},
             {-1, 0},
             outer.right() + 1 - (rect.right() + 1) * ratio},
            {"bottom",
             {middle.x(), outer.bottom()},
             {0, -1},
             outer.bottom() + 1 - (rect.bottom() + 1) * ratio}};
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c, 6, 16, QLatin1Char('0'));
}

// Inside a button's outline, and its inner white line if it has one: where
// its caption is. Found from the white outside it, `inset` device pixels in.
QRect buttonInside(const QImage &picture, const ArtworkTable::Button &button, qreal ratio, int line)
{
    const int inset = (button.kind == ArtworkTable::ButtonKind::Command ? 2 : 1) * line;
    QList<QPoint> edges;
    for (const Side &side : sides(button.rect, ratio))
        edges.append(side.from +
                     side.step * (runs(picture, side.from, side.step, 1)[0].length + inset));
    return QRect(QPoint(edges[0].x(), edges[1].y()), QPoint(edges[2].x(), edges[3].y()));
}

} // namespace

class TestArtworkRatios : public QObject
{
    Q_OBJECT

    static void ratioRows()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("size"); // 540 x 403 times the ratio, rounded
        QTest::addColumn<int>("line");   // device pixels of a line one picture pixel wide
        QTest::addColumn<bool>("shipped");
        QTest::newRow("1") << 1.0 << QSize(540, 403) << 1 << true;
        QTest::newRow("1.25") << 1.25 << QSize(675, 504) << 1 << false;
        QTest::newRow("1.5") << 1.5 << QSize(810, 605) << 2 << false;
        QTest::newRow("1.75") << 1.75 << QSize(945, 705) << 2 << false;
        QTest::newRow("2") << 2.0 << QSize(1080, 806) << 2 << true;
        QTest::newRow("2.5") << 2.5 << QSize(1350, 1008) << 3 << false;
        QTest::newRow("3") << 3.0 << QSize(1620, 1209) << 3 << false;
    }

private slots:
    void paintingCodesPicture_data() { ratioRows(); }
    // Painted ratios are the painting code's picture exactly (same process);
    // the shipped ones were painted elsewhere, so blends may differ a little.
    void paintingCodesPicture()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        QFETCH(bool, shipped);
        const QImage picture = Artwork::background(ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), size);
        const QImage painted = paintBackground(ratio);
        QVERIFY2(!painted.isNull(), "the pinned font is missing");
        const QImage shown = picture.convertToFormat(QImage::Format_RGB32);
        if (!shipped) {
            QVERIFY(shown == painted.convertToFormat(QImage::Format_RGB32));
            QCOMPARE(Artwork::background(ratio).cacheKey(), picture.cacheKey()); // painted once
            return;
        }
        const auto design = [](QRgb pixel) {
            const QRgb c = pixel & 0xFFFFFF;
            return flat(c) || c == textGrey || c == captionEdge || c == linkBlue;
        };
        const QString wrong = PictureMatch::mismatch(
            painted, shown, design, QStringLiteral("painted"), QStringLiteral("shipped"));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    void flatOutsideTexts_data() { ratioRows(); }
    // Blends only where texts are: in the text lines and inside the buttons.
    void flatOutsideTexts()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, line);
        const QImage picture = Artwork::background(ratio);
        QRegion texts;
        for (const ArtworkTable::TextLine &text : ArtworkTable::textLines)
            texts += reach(text.box, ratio, line);
        for (const ArtworkTable::Button &button : ArtworkTable::buttons)
            texts += buttonInside(picture, button, ratio, line);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (!flat(rgb(picture, x, y)) && !texts.contains(QPoint(x, y)))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, a blend outside the texts")
                                         .arg(x)
                                         .arg(y)
                                         .arg(hex(rgb(picture, x, y)))));
    }

    void evenLines_data() { ratioRows(); }
    // Across each side of the frame and the buttons, from outside: the frame
    // three lines of red, button outlines one line, command buttons' white
    // inner line one more; the outer edge within a device pixel of the
    // unrounded one.
    void evenLines()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, line);
        const QImage picture = Artwork::background(ratio);
        const auto check = [&](const QRect &rect, const QList<Run> &want, const char *what) {
            for (const Side &side : sides(rect, ratio)) {
                const QList<Run> got = runs(picture, side.from, side.step, int(want.size()) + 1);
                QString report = QStringLiteral("%1, %2 side:")
                                     .arg(QLatin1String(what), QLatin1String(side.name));
                for (const Run &run : got)
                    report += QStringLiteral(" %1 x %2").arg(hex(run.colour)).arg(run.length);
                QVERIFY2(got.size() == want.size() + 1 && got[0].colour == white &&
                             std::abs(got[0].length - side.edge) <= 1,
                         qPrintable(report));
                for (qsizetype i = 0; i < want.size(); ++i)
                    QVERIFY2(got[i + 1].colour == want[i].colour &&
                                 got[i + 1].length == want[i].length,
                             qPrintable(report));
            }
        };
        check(ArtworkTable::frame, {{frameRed, 3 * line}}, "frame");
        for (const ArtworkTable::Button &button : ArtworkTable::buttons) {
            const char *name = WindowLayout::hotSpots[button.hotSpot].objectName;
            if (button.kind == ArtworkTable::ButtonKind::Command)
                check(button.rect, {{buttonOutline, line}, {white, line}}, name);
            else
                check(button.rect, {{buttonOutline, line}}, name);
        }
    }

    void buttonInsides_data() { ratioRows(); }
    // Inside each button every row is one colour but for the caption, which
    // is centred; command buttons' rows run from the top of the gradient down
    // to the lighter last row.
    void buttonInsides()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, line);
        const QImage picture = Artwork::background(ratio);
        for (const ArtworkTable::Button &button : ArtworkTable::buttons) {
            const QByteArray name = WindowLayout::hotSpots[button.hotSpot].objectName;
            const bool command = button.kind == ArtworkTable::ButtonKind::Command;
            const QRect inside = buttonInside(picture, button, ratio, line);
            QRect caption;
            QList<QRgb> rowColours;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                const QRgb row = rgb(picture, inside.left(), y);
                QVERIFY2(flat(row), (name + " row colour " + hex(row).toLatin1()).constData());
                rowColours.append(row);
                for (int x = inside.left(); x <= inside.right(); ++x)
                    if (rgb(picture, x, y) != row)
                        caption |= QRect(x, y, 1, 1);
            }
            QVERIFY2(!caption.isEmpty(), (name + " has no caption").constData());
            const int leftGap = caption.left() - inside.left();
            const int rightGap = inside.right() - caption.right();
            QVERIFY2(leftGap >= line && rightGap >= line && std::abs(leftGap - rightGap) <= 2,
                     (name + " caption not centred").constData());
            QVERIFY2(caption.top() > inside.top() && caption.bottom() < inside.bottom(),
                     (name + " caption touches the outline").constData());
            if (!command)
                continue;
            QCOMPARE(rowColours.first(), fillTop);
            QCOMPARE(rowColours.last(), fillLastRow);
            while (rowColours.last() == fillLastRow)
                rowColours.removeLast();
            for (qsizetype i = 1; i < rowColours.size(); ++i)
                QVERIFY2(qRed(rowColours[i]) <= qRed(rowColours[i - 1]),
                         (name + " gradient rows out of order").constData());
        }
    }
};

QTEST_MAIN(TestArtworkRatios)
#include "tst_artworkratios.moc"
