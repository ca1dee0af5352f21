// SPDX-License-Identifier: MIT
// The window's artwork against the design: the background picture at the
// device pixel ratios of common screens, and the hand cursor.
#include "PictureMatch.h"

#include "assets/generator/Background.h"
#include "layout/HandCursorBitmap.h"
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

// The colours of a command button's fill, top to bottom, each row's at its
// left end, and how many rows of each.
QList<QPair<QRgb, int>> fillRows(const QImage &picture, const QRect &inside)
{
    QList<QPair<QRgb, int>> runs;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        if (runs.isEmpty() || runs.last().first != rgb(picture, inside.left(), y))
            runs.append({rgb(picture, inside.left(), y), 0});
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
        QTest::addColumn<QSize>("size"); // 540 x 403 times the ratio, rounded
        QTest::addColumn<int>("line");   // device pixels of a line one picture pixel wide
        QTest::addColumn<QString>("committed");
        QTest::newRow("1") << 1.0 << QSize(540, 403) << 1 << QStringLiteral("background.png");
        QTest::newRow("1.25") << 1.25 << QSize(675, 504) << 1 << QString();
        QTest::newRow("1.5") << 1.5 << QSize(810, 605) << 2 << QString();
        QTest::newRow("1.75") << 1.75 << QSize(945, 705) << 2 << QString();
        QTest::newRow("2") << 2.0 << QSize(1080, 806) << 2 << QStringLiteral("background@2x.png");
        QTest::newRow("2.5") << 2.5 << QSize(1350, 1008) << 3 << QString();
        QTest::newRow("3") << 3.0 << QSize(1620, 1209) << 3 << QString();
    }
    // The window's picture: at 1 and 2 the committed one, at other ratios the
    // painting code's, painted once. Crisp: outside the texts every pixel the
    // design's colour, every line the same whole number of device pixels
    // wide; at 1x the texts in their flat colours too.
    void background()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        QFETCH(int, line);
        QFETCH(QString, committed);
        const QImage picture = Artwork::background(ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), size);
        const QImage other = committed.isEmpty()
                                 ? paintBackground(ratio)
                                 : QImage(QStringLiteral(VELMORA_ASSETS_DIR "/") + committed);
        const QString wrong = mismatch(
            picture, other, [](QRgb) { return true; }, "the window's",
            committed.isEmpty() ? "painted" : qPrintable(committed));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QVERIFY2(!committed.isEmpty() ||
                     Artwork::background(ratio).cacheKey() == picture.cacheKey(),
                 "painted again");

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
            // Six flat rows at the top, a gradient, three flat rows and a
            // lighter last one: 37 rows spread evenly over the device rows,
            // in the colours of the 1x picture.
            const auto runs = fillRows(picture, in);
            const auto single = fillRows(Artwork::background(1), device(buttons[i].rect, 1, 2));
            const qsizetype n = single.size();
            QString fault;
            if (runs.size() != n || n < 4 || single[0].first != fillTop ||
                single[n - 2].first != fillBottom || single[n - 1].first != fillLastRow)
                fault = QString::asprintf("%d colours, at 1x %d", int(runs.size()), int(n));
            for (qsizetype r = 0; fault.isEmpty() && r < n; ++r) {
                const int of37 = r == 0 ? 6 : r == n - 2 ? 3 : 1;
                if (runs[r].first != single[r].first || single[r].second != of37 ||
                    qAbs(runs[r].second - of37 * in.height() / 37.0) >= 1 ||
                    (r + 1 < n && (!fillRow(single[r].first) ||
                                   (r > 0 && qRed(single[r].first) >= qRed(single[r - 1].first)))))
                    fault = QString::asprintf("run %d #%06x x %d, at 1x #%06x x %d, %d of 37 rows",
                                              int(r), runs[r].first, runs[r].second,
                                              single[r].first, single[r].second, of37);
            }
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QLatin1String(buttons[i].hotSpot) + QLatin1String(": ") + fault));
        }
    }

    // The hand is black and white wherever it is drawn: no pixel inverts
    // the screen. (Its size and hot spot are checked on the real screen.)
    void handCursorNeverInverts()
    {
        using namespace HandCursorBitmap;
        for (std::size_t i = 0; i < black.size(); ++i)
            QVERIFY2((black[i] & ~drawn[i]) == 0,
                     qPrintable(QString::asprintf("row %d, x %d to %d", int(i / 4), int(i % 4 * 8),
                                                  int(i % 4 * 8 + 7))));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
