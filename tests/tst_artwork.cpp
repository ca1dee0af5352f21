#include "app/Artwork.h"
#include "app/FormTable.h"
#include "assets/ArtworkTable.h"
#include "PictureProbe.h"

#include <QTest>

using namespace ArtworkTable;

namespace {

QImage committed(int scale)
{
    const QString name = scale == 1 ? QStringLiteral("background.png")
                                    : QStringLiteral("background@%1x.png").arg(scale);
    return QImage(QStringLiteral(VELMORA_ASSETS_DIR "/") + name)
        .convertToFormat(QImage::Format_RGB32);
}

const FormTable::HotSpotRow &hotSpot(const QString &name)
{
    for (const FormTable::HotSpotRow &row : FormTable::hotSpots) {
        if (QLatin1String(row.name) == name)
            return row;
    }
    qFatal("no hot-spot %s", qPrintable(name));
}

void addButtonRows(ButtonKind kind)
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].kind == kind)
            QTest::addRow("%s", FormTable::hotSpots[buttons[i].hotSpot].name) << int(i);
    }
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

    QImage single = committed(1);
    QImage twice = committed(2);

private slots:
    void picturesAreOpaqueAndSized_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addRow("1x") << 1;
        QTest::addRow("2x") << 2;
    }
    void picturesAreOpaqueAndSized()
    {
        QFETCH(int, scale);
        const QImage file(
            QStringLiteral(VELMORA_ASSETS_DIR "/") +
            (scale == 1 ? QStringLiteral("background.png") : QStringLiteral("background@2x.png")));
        QCOMPARE(file.size(), QSize(540, 403) * scale);
        QVERIFY(!file.hasAlphaChannel());
        // The window compiles in the same pixels, marked with their scale.
        const QImage compiledIn = Artwork::background(scale);
        QCOMPARE(compiledIn.devicePixelRatio(), qreal(scale));
        QVERIFY(compiledIn == committed(scale));
    }

    void frameIsThreePixelsOfRed()
    {
        const QRect inner =
            frame.adjusted(frameThickness, frameThickness, -frameThickness, -frameThickness);
        for (int y = frame.top() - 1; y <= frame.bottom() + 1; ++y) {
            for (int x = frame.left() - 1; x <= frame.right() + 1; ++x) {
                const Rgb expected =
                    frame.contains(x, y) && !inner.contains(x, y) ? frameRed : white;
                if (rgbAt(single, x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("frame pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void commandButtons_data() { addButtonRows(ButtonKind::Command); }
    void commandButtons()
    {
        QFETCH(int, index);
        const QRect rect = buttons[std::size_t(index)].rect;
        QVERIFY(ringIs(single, rect, buttonOutline));
        QVERIFY(ringIs(single, rect.adjusted(1, 1, -1, -1), white));
        const QRect fill = rect.adjusted(2, 2, -2, -2);
        for (int row = 0; row < fillTopRows; ++row)
            QVERIFY(rowIs(single, fill, fill.top() + row, fillTop));
        for (int row = 1; row <= fillBottomRows; ++row)
            QVERIFY(rowIs(single, fill, fill.bottom() - row, fillBottom));
        QVERIFY(rowIs(single, fill, fill.bottom(), fillLastRow));
        QVERIFY(gradientRunsDown(single, fill.left(), fill.top() + fillTopRows,
                                 fill.bottom() - fillBottomRows - 1));

        // White glyphs, each wholly wrapped in the darker edge, centred.
        const QRect caption = captionBounds(single, fill);
        QVERIFY(!caption.isEmpty());
        QVERIFY(faceIsEdged(single, caption, white, captionEdge));
        QVERIFY(isCentred(caption, rect));
    }

    void linkButtons_data() { addButtonRows(ButtonKind::Link); }
    void linkButtons()
    {
        QFETCH(int, index);
        const QRect rect = buttons[std::size_t(index)].rect;
        QVERIFY(ringIs(single, rect, buttonOutline));
        const QRect inside = rect.adjusted(1, 1, -1, -1);
        QVERIFY(onlyColours(single, inside, {white, linkCaption}));
        const QRect caption = captionBounds(single, inside);
        QVERIFY(!caption.isEmpty());
        QVERIFY(isCentred(caption, rect));
    }

    void blankRowsAndColumns()
    {
        QVERIFY(onlyColours(single, QRect(QPoint(0, firstBlankRow), QPoint(539, 402)), {white}));
        QVERIFY(onlyColours(single, QRect(QPoint(lastPaintedColumn + 1, 0), QPoint(539, 402)),
                            {white}));
    }

    void greyTextOnlyInItsLines()
    {
        QRegion boxes;
        for (const TextLine &line : textLines) {
            QVERIFY(onlyColours(single, line.box, {white, textGrey}));
            QVERIFY(!boundsOf(single, line.box, textGrey).isEmpty());
            boxes += line.box;
        }
        for (int y = 0; y < single.height(); ++y) {
            for (int x = 0; x < single.width(); ++x) {
                if (rgbAt(single, x, y) == textGrey && !boxes.contains(QPoint(x, y)))
                    QFAIL(qPrintable(QStringLiteral("grey pixel at %1,%2").arg(x).arg(y)));
            }
        }
    }

    // Shapes are the 1x pixels doubled; texts are drawn afresh, in the same places.
    void doubleMatchesSingle()
    {
        QCOMPARE(twice.size(), single.size() * 2);
        QRegion texts;
        for (const TextLine &line : textLines) {
            texts += line.box;
            QVERIFY(onlyBlends(twice, QRect(line.box.topLeft() * 2, line.box.size() * 2), white,
                               textGrey));
        }
        for (const Button &button : buttons) {
            const QRect inside = button.rect.adjusted(2, 2, -2, -2);
            const QRect caption = captionBounds(single, inside);
            texts += caption.adjusted(-1, -1, 1, 1);
            const QRect doubled =
                captionBounds(twice, QRect(inside.topLeft() * 2, inside.size() * 2));
            QVERIFY(!doubled.isEmpty());
            QVERIFY2((doubled.center() - caption.center() * 2).manhattanLength() <= 3,
                     FormTable::hotSpots[button.hotSpot].name);
        }
        for (int y = 0; y < single.height(); ++y) {
            for (int x = 0; x < single.width(); ++x) {
                if (texts.contains(QPoint(x, y)))
                    continue;
                const Rgb expected = rgbAt(single, x, y);
                for (QPoint at : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y),
                                  QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1)}) {
                    if (rgbAt(twice, at.x(), at.y()) != expected)
                        QFAIL(qPrintable(QStringLiteral("2x pixel %1,%2").arg(at.x()).arg(at.y())));
                }
            }
        }
    }

    void hotSpotsLieOnTheirButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tolerance"); // -1: wholly inside; else per edge
        QTest::addColumn<bool>("leftAndTopOnly");
        QTest::addRow("Label1 inside") << "Label1" << -1 << false;
        QTest::addRow("Label2 left and top") << "Label2" << 1 << true;
        QTest::addRow("Label3 left and top") << "Label3" << 1 << true;
        QTest::addRow("Label4 left and top") << "Label4" << 1 << true;
        QTest::addRow("Label6 every side") << "Label6" << 4 << false;
        QTest::addRow("Label7 every side") << "Label7" << 4 << false;
        QTest::addRow("Label8 every side") << "Label8" << 4 << false;
    }
    void hotSpotsLieOnTheirButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, tolerance);
        QFETCH(bool, leftAndTopOnly);
        const QRect spot = hotSpot(name).rect;
        // The painted button found from the picture itself, by its outline.
        const QRect painted = enclosingRing(single, spot.center(), buttonOutline);
        QVERIFY(painted.isValid());
        bool inTable = false;
        for (const Button &button : buttons)
            inTable |= button.rect == painted && FormTable::hotSpots[button.hotSpot].name == name;
        QVERIFY2(inTable, "the element table does not hold the painted button");
        if (tolerance < 0) {
            QVERIFY(painted.contains(spot));
            return;
        }
        QVERIFY(qAbs(spot.left() - painted.left()) <= tolerance);
        QVERIFY(qAbs(spot.top() - painted.top()) <= tolerance);
        if (!leftAndTopOnly) {
            QVERIFY(qAbs(spot.right() - painted.right()) <= tolerance);
            QVERIFY(qAbs(spot.bottom() - painted.bottom()) <= tolerance);
        }
    }

    void textControlsInsideTheFrame_data()
    {
        QTest::addColumn<QRect>("control");
        QTest::addRow("Text1") << FormTable::text1.rect;
        QTest::addRow("Label5") << FormTable::label5.rect;
        QTest::addRow("Text2") << FormTable::text2.rect;
    }
    void textControlsInsideTheFrame()
    {
        QFETCH(QRect, control);
        const QRect ring = enclosingRing(single, control.center(), frameRed);
        QVERIFY(ring.isValid());
        QVERIFY(ring.adjusted(1, 1, -1, -1).contains(control));
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
