#include "app/Artwork.h"
#include "app/Form1.h"
#include "app/FormTable.h"
#include "catalogue/SignatureCatalogue.h"
#include "FormTest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

class TestForm1 : public FormTest
{
    Q_OBJECT

private slots:
    void windowIsFixedWithoutMaximise()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Velmora2011.1"));
        QCOMPARE(form->size(), QSize(541, 398));
        QCOMPARE(form->minimumSize(), QSize(541, 398));
        QCOMPARE(form->maximumSize(), QSize(541, 398));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void controlRectangles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addRow("Text1") << "Text1" << QRect(36, 68, 468, 103);
        QTest::addRow("Label1") << "Label1" << QRect(27, 278, 139, 33);
        QTest::addRow("Label2") << "Label2" << QRect(197, 275, 88, 40);
        QTest::addRow("Text2") << "Text2" << QRect(37, 203, 467, 13);
        QTest::addRow("Label3") << "Label3" << QRect(313, 275, 87, 41);
        QTest::addRow("Label4") << "Label4" << QRect(426, 276, 87, 41);
        QTest::addRow("Label5") << "Label5" << QRect(38, 176, 142, 22);
        QTest::addRow("Label6") << "Label6" << QRect(22, 332, 147, 43);
        QTest::addRow("Label7") << "Label7" << QRect(196, 333, 142, 41);
        QTest::addRow("Label8") << "Label8" << QRect(371, 336, 142, 40);
    }
    void controlRectangles()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QWidget *widget = form->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
        QVERIFY(widget->isVisible());
    }

    void hotSpots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hand");
        QTest::addRow("Label1") << "Label1" << QStringLiteral(u"获取情侣签名") << true;
        QTest::addRow("Label2") << "Label2" << QStringLiteral(u"转繁体") << false;
        QTest::addRow("Label3") << "Label3" << QStringLiteral(u"加空格") << false;
        QTest::addRow("Label4") << "Label4" << QStringLiteral(u"复制") << false;
        QTest::addRow("Label6") << "Label6" << QStringLiteral(u"QQ个性分组图案") << true;
        QTest::addRow("Label7") << "Label7" << QStringLiteral(u"QQ个性签名大全") << true;
        QTest::addRow("Label8") << "Label8" << QStringLiteral(u"好听的网名大全") << true;
    }
    void hotSpots()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, hand);
        auto *hotSpot = form->findChild<QAbstractButton *>(name);
        QVERIFY(hotSpot);
        QVERIFY(hotSpot->text().isEmpty());
        QVERIFY(!hotSpot->autoFillBackground());
        QCOMPARE(hotSpot->focusPolicy(), Qt::NoFocus);
        QCOMPARE(hotSpot->testAttribute(Qt::WA_SetCursor), hand);
        const QCursor cursor = hotSpot->cursor();
        QCOMPARE(cursor.shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        if (hand) {
            QCOMPARE(cursor.hotSpot(), QPoint(6, 0));
            QCOMPARE(cursor.bitmap().size(), QSize(32, 32));
            QCOMPARE(cursor.mask().size(), QSize(32, 32));
        }
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(hotSpot);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), caption);
        QCOMPARE(accessible->role(), QAccessible::Button);
    }

    // One two-colour picture over all four: black where the bitmap is set,
    // white where only the mask is.
    void handCursorIsOneCursor()
    {
        const QCursor hand = control(*form, "Label1")->cursor();
        const QImage bitmap = hand.bitmap().toImage();
        const QImage mask = hand.mask().toImage();
        const QRgb set = QColor(Qt::color1).rgb();
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const bool drawn = mask.pixel(x, y) == set;
                QVERIFY(drawn || bitmap.pixel(x, y) != set);
                if (drawn)
                    ++(bitmap.pixel(x, y) == set ? black : white);
            }
        }
        QVERIFY(black > 0 && white > 0);
        for (const char *name : {"Label6", "Label7", "Label8"}) {
            const QCursor cursor = control(*form, name)->cursor();
            QCOMPARE(cursor.hotSpot(), hand.hotSpot());
            QCOMPARE(cursor.bitmap().toImage(), bitmap);
            QCOMPARE(cursor.mask().toImage(), mask);
        }
    }

    // The picture unscaled from the corner, the window face in the last
    // column, wherever no text control covers it.
    void windowShowsTheBackground()
    {
        const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(541, 398));
        const QImage picture = Artwork::background(1);
        const QRgb face = form->palette().color(QPalette::Window).rgb();
        const QRegion controls =
            QRegion(FormTable::text1.rect) + FormTable::text2.rect + FormTable::label5.rect;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (controls.contains(QPoint(x, y)))
                    continue;
                const QRgb expected = x < 540 ? picture.pixel(x, y) : face;
                if (shown.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void windowIconHasEverySize()
    {
        // The icon is decoded once the first frame is on screen.
        QTRY_VERIFY(!form->windowIcon().availableSizes().isEmpty());
        QCOMPARE(QGuiApplication::windowIcon().cacheKey(), form->windowIcon().cacheKey());
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY(sizes.contains(QSize(size, size)));
    }

    void textControls()
    {
        auto *text1 = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        auto *text2 = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
        auto *label5 = form->findChild<QLabel *>(QStringLiteral("Label5"));
        QVERIFY(text1 && text2 && label5);
        QCOMPARE(text1->frameShape(), QFrame::NoFrame);
        QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!text1->isReadOnly());
        QCOMPARE(text1->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!text2->hasFrame());
        QVERIFY(text2->isReadOnly());
        QCOMPARE(text2->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(text2->text(), QStringLiteral(u"常用的特殊符号 ★☆●◎◆◇〓↓↑←→※♂♀§┆┊⊙≌≯≮(￣︶￣)↗ "
                                               u"(┬＿┬)↘ 跌∑√々"));
        QVERIFY(label5->autoFillBackground());
        QCOMPARE(label5->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(label5->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(label5->focusPolicy(), Qt::NoFocus);
        QVERIFY(label5->alignment().testFlag(Qt::AlignLeft));
        QVERIFY(label5->text().isEmpty());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::addRow("Text1 10.5 pt") << "Text1" << 14;
        QTest::addRow("Text2 9 pt") << "Text2" << 12;
    }
    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        QWidget *widget = form->findChild<QWidget *>(name);
        QCOMPARE(widget->font().pixelSize(), pixels);
        QCOMPARE(widget->font().weight(), QFont::Normal);
        QVERIFY(widget->font().families().contains(QStringLiteral(u"宋体")));
        // Whatever the machine offers, the face used must be a Song/Ming one of the list.
        const QString used = QFontInfo(widget->font()).family();
        QVERIFY2(widget->font().families().contains(used), qPrintable(used));
    }

    void initialStateAndFocus()
    {
        QCOMPARE(form->boxText(), initialBoxText);
        QCOMPARE(form->pairCount(), 0);
        QWidget *text1 = control(*form, "Text1");
        QWidget *text2 = control(*form, "Text2");
        QTRY_COMPARE(QApplication::focusWidget(), text1);
        QTest::keyClick(text1, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), text2);
        QTest::keyClick(text2, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), text1);
    }

    void symbolStripIsReadOnlyButSelectable()
    {
        auto *text2 = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
        const QString before = text2->text();
        text2->setFocus();
        QTest::keyClicks(text2, QStringLiteral("abc"));
        QTest::keyClick(text2, Qt::Key_Backspace);
        QCOMPARE(text2->text(), before);
        text2->selectAll();
        QCOMPARE(text2->selectedText(), before);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
