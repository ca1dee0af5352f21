// SPDX-License-Identifier: MIT
// The window's background picture against the design at the device pixel
// ratios of common screens and between them.
#include "PictureMatch.h"

#include "window/Artwork.h"

#include <QPainter>
#include <QTest>

using namespace PictureMatch;

namespace {

struct Button
{
    const char *hotSpot;
    QRect rect; // outline included, in 1x picture pixels
    bool command;
};

const Button buttons[]{
    {"Label1", QRect(QPoint(26, 275), QPoint(167, 315)), true},
    {"Label2", QRect(QPoint(197, 275), QPoint(283, 315)), true},
    {"Label3", QRect(QPoint(312, 275), QPoint(398, 315)), true},
    {"Label4", QRect(QPoint(426, 275), QPoint(512, 315)), true},
    {"Label6", QRect(QPoint(26, 334), QPoint(167, 373)), false},
    {"Label7", QRect(QPoint(197, 334), QPoint(338, 373)), false},
    {"Label8", QRect(QPoint(371, 334), QPoint(512, 373)), false},
};
const QRect frame(QPoint(26, 55), QPoint(513, 221));
const QRect textLines[]{QRect(QPoint(26, 20), QPoint(512, 32)),
                        QRect(QPoint(26, 240), QPoint(448, 252))};

QString corners(const QRect &r)
{
    return QString::asprintf("(%d, %d)-(%d, %d)", r.left(), r.top(), r.right(), r.bottom());
}

QRgb rgb(const QImage &picture, int x, int y)
{
    return picture.pixel(x, y) & 0xFFFFFF;
}

// Picture pixels to device pixels, edges at the nearest one, `inset` more in.
QRect device(const QRect &r, qreal ratio, int inset = 0)
{
    const auto edge = [ratio](int at) { return qRound(at * ratio); };
    return QRect(QPoint(edge(r.left()), edge(r.top())),
                 QPoint(edge(r.right() + 1) - 1, edge(r.bottom() + 1) - 1))
        .adjusted(inset, inset, -inset, -inset);
}

// A command button's fill at 1x, row by row: six flat rows at the top, a
// gradient, three flat rows and a lighter last one.
const QRgb fillAt1x[37]{
    fillTop,  fillTop,    fillTop,    fillTop,    fillTop,    fillTop,  0x95CBFF, 0x8FC9FF,
    0x8AC8FF, 0x84C6FF,   0x7FC4FF,   0x79C2FF,   0x74C0FF,   0x6EBEFF, 0x69BDFF, 0x63BBFF,
    0x5EB9FF, 0x58B7FF,   0x53B5FF,   0x4DB3FF,   0x48B2FF,   0x43B0FF, 0x3DAEFF, 0x38ACFF,
    0x32AAFF, 0x2DA9FF,   0x27A7FF,   0x22A5FF,   0x1CA3FF,   0x17A1FF, 0x119FFF, 0x0C9EFF,
    0x069CFF, fillBottom, fillBottom, fillBottom, fillLastRow};

// The colours of a fill from top to bottom, each with how many rows it takes.
QList<QPair<QRgb, int>> fillRuns(const QList<QRgb> &rows)
{
    QList<QPair<QRgb, int>> runs;
    for (QRgb colour : rows) {
        if (runs.isEmpty() || runs.last().first != colour)
            runs.append({colour, 0});
        ++runs.last().second;
    }
    return runs;
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void background_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("size");      // 540 x 403 times the ratio, rounded
        QTest::addColumn<int>("line");        // device pixels of a line one picture pixel wide
        QTest::addColumn<bool>("compiledIn"); // else painted at run time
        QTest::newRow("1") << 1.0 << QSize(540, 403) << 1 << true;
        QTest::newRow("1.1") << 1.1 << QSize(594, 443) << 1 << false;
        QTest::newRow("1.25") << 1.25 << QSize(675, 504) << 1 << true;
        QTest::newRow("1.25, a hair off") << 1.2500000001 << QSize(675, 504) << 1 << true;
        QTest::newRow("1.5") << 1.5 << QSize(810, 605) << 2 << true;
        QTest::newRow("1.75") << 1.75 << QSize(945, 705) << 2 << true;
        QTest::newRow("2") << 2.0 << QSize(1080, 806) << 2 << true;
        QTest::newRow("2.25") << 2.25 << QSize(1215, 907) << 2 << true;
        QTest::newRow("2.5") << 2.5 << QSize(1350, 1008) << 3 << true;
        QTest::newRow("2.75") << 2.75 << QSize(1485, 1108) << 3 << false;
        QTest::newRow("3") << 3.0 << QSize(1620, 1209) << 3 << true;
    }
    // Crisp: outside the texts every pixel the design's colour, every line the
    // same whole number of device pixels wide; at 1x the texts' flat colours.
    void background()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        QFETCH(int, line);
        QFETCH(bool, compiledIn);
        const QImage picture = Artwork::background(ratio);
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        // Compiled-in pictures are inflated afresh on each call, painted ones kept.
        const bool kept = Artwork::background(ratio).cacheKey() == picture.cacheKey();
        QVERIFY2(kept != compiledIn, compiledIn ? "painted, not compiled in" : "painted again");

        // The design, with marks 0 to 6 inside the buttons and 7 and 8 on the
        // text lines, where smoothed glyphs may reach a little further.
        QImage map(size, QImage::Format_RGB32);
        map.fill(white);
        QPainter painter(&map);
        painter.fillRect(device(frame, ratio), QColor(frameRed));
        painter.fillRect(device(frame, ratio, 3 * line), QColor(white));
        QRect insides[7], ink[9];
        for (int i = 0; i < 7; ++i) {
            painter.fillRect(device(buttons[i].rect, ratio), QColor(outline));
            painter.fillRect(device(buttons[i].rect, ratio, line), QColor(white));
            insides[i] = device(buttons[i].rect, ratio, buttons[i].command ? 2 * line : line);
            painter.fillRect(insides[i], QColor(QRgb(i)));
        }
        for (int i : {0, 1})
            painter.fillRect(device(textLines[i], ratio, ratio == 1 ? 0 : -line - 1),
                             QColor(QRgb(7 + i)));
        painter.end();
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb want = rgb(map, x, y), got = rgb(picture, x, y);
                if (want > 8 && got != want)
                    QFAIL(qPrintable(QString::asprintf("(%d, %d) is #%06x, the design has #%06x", x,
                                                       y, got, want)));
                // Glyphs: unlike the white, or a command's fill row at its left end.
                const Button *b = want < 7 ? &buttons[want] : nullptr;
                if (want > 8 ||
                    got == (b && b->command ? rgb(picture, insides[want].left(), y) : white))
                    continue;
                ink[want] |= QRect(x, y, 1, 1);
                const QList<QRgb> inks = !b           ? QList<QRgb>{textGrey}
                                         : b->command ? QList<QRgb>{white, captionEdge}
                                                      : QList<QRgb>{linkBlue};
                if (ratio == 1 && !inks.contains(got))
                    QFAIL(qPrintable(QString::asprintf("(%d, %d) is #%06x in %s", x, y, got,
                                                       b ? b->hotSpot : "a text line")));
            }
        }
        for (int i = 0; i < 9; ++i) {
            const QRect in = i < 7 ? insides[i] : device(textLines[i - 7], ratio);
            const int left = ink[i].left() - in.left(), right = in.right() - ink[i].right();
            const int top = ink[i].top() - in.top(), bottom = in.bottom() - ink[i].bottom();
            // Captions centred and clear of the edges; at 1x texts from
            // corner to corner of their line (its bottom row may be blank).
            QVERIFY2(!ink[i].isEmpty() &&
                         (i < 7 ? qMin(left, right) >= line && qAbs(left - right) <= 2 &&
                                      qMin(top, bottom) > 0
                                : ratio != 1 || (left + top + right == 0 && bottom <= 1)),
                     qPrintable(QString::asprintf(
                         "%s: ink %s in %s", i < 7 ? buttons[i].hotSpot : "text line",
                         qPrintable(corners(ink[i])), qPrintable(corners(in)))));
            if (i >= 7 || !buttons[i].command)
                continue;
            // The 37 rows of the 1x fill spread evenly over the device rows.
            QList<QRgb> rows;
            for (int y = in.top(); y <= in.bottom(); ++y)
                rows.append(rgb(picture, in.left(), y));
            const auto runs = fillRuns(rows),
                       design = fillRuns({std::begin(fillAt1x), std::end(fillAt1x)});
            QString shown = QLatin1String(buttons[i].hotSpot);
            bool even = runs.size() == design.size();
            for (qsizetype r = 0; r < runs.size(); ++r) {
                shown += QString::asprintf(" #%06x x %d", runs[r].first, runs[r].second);
                even = even && runs[r].first == design[r].first &&
                       qAbs(runs[r].second - design[r].second * in.height() / 37.0) < 1;
            }
            QVERIFY2(even, qPrintable(shown));
        }
    }

    void scaledWithoutFont_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("from"); // the compiled-in picture scaled
        QTest::newRow("0.9") << 0.9 << QSize(486, 363) << 1.0;
        QTest::newRow("2.1") << 2.1 << QSize(1134, 846) << 2.25;
        QTest::newRow("3.5") << 3.5 << QSize(1890, 1411) << 3.0;
    }
    // Without the pinned font: the nearest larger picture scaled down, so that
    // as few thin strokes as can be are lost; above them all the largest.
    void scaledWithoutFont()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        QFETCH(qreal, from);
        const QImage source = Artwork::background(from);
        QVERIFY(!source.isNull());
        const QImage picture = Artwork::scaledBackground(ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        const QString wrong = mismatch(
            picture, source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            [](QRgb) { return true; }, "scaled", "expected");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
