#include "app/Form1.h"
#include "catalogue/SignatureCatalogue.h"
#include "FakeAdapters.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTest>

namespace {

const QString initialBoxText = QStringLiteral(u"签名将显示在这里，请点击获取签名\r\n");
const QPoint label1Centre(96, 294);

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

    FakeAdapterHandles fakes{};
    std::unique_ptr<Form1> form;

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return form->findChild<T *>(name);
    }
    QString statusLine() const { return control<QLabel>(QStringLiteral("Label5"))->text(); }
    // Clicks where a user would: on whatever lies under the point.
    void clickAt(QPoint point)
    {
        QWidget *child = form->childAt(point);
        QWidget *target = child ? child : form.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form.get(), point));
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>(fakeAdapters(fakes));
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void window()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Velmora2011.1"));
        QCOMPARE(form->minimumSize(), QSize(541, 398));
        QCOMPARE(form->maximumSize(), QSize(541, 398));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QTRY_VERIFY(form->windowIcon().availableSizes().contains(QSize(256, 256)));
        QCOMPARE(form->boxText(), initialBoxText);
        QVERIFY(statusLine().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), control(QStringLiteral("Text1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control(QStringLiteral("Text2")));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption"); // hot-spots only
        QTest::addColumn<bool>("hand");
        QTest::addRow("Text1") << "Text1" << QRect(36, 68, 468, 103) << QString() << false;
        QTest::addRow("Text2") << "Text2" << QRect(37, 203, 467, 13) << QString() << false;
        QTest::addRow("Label5") << "Label5" << QRect(38, 176, 142, 22) << QString() << false;
        QTest::addRow("Label1") << "Label1" << QRect(27, 278, 139, 33)
                                << QStringLiteral(u"获取情侣签名") << true;
        QTest::addRow("Label2") << "Label2" << QRect(197, 275, 88, 40) << QStringLiteral(u"转繁体")
                                << false;
        QTest::addRow("Label3") << "Label3" << QRect(313, 275, 87, 41) << QStringLiteral(u"加空格")
                                << false;
        QTest::addRow("Label4") << "Label4" << QRect(426, 276, 87, 41) << QStringLiteral(u"复制")
                                << false;
        QTest::addRow("Label6") << "Label6" << QRect(22, 332, 147, 43)
                                << QStringLiteral(u"QQ个性分组图案") << true;
        QTest::addRow("Label7") << "Label7" << QRect(196, 333, 142, 41)
                                << QStringLiteral(u"QQ个性签名大全") << true;
        QTest::addRow("Label8") << "Label8" << QRect(371, 336, 142, 40)
                                << QStringLiteral(u"好听的网名大全") << true;
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        QFETCH(bool, hand);
        QWidget *widget = control(name);
        QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        if (hand)
            QCOMPARE(widget->cursor().hotSpot(), QPoint(6, 0));
        if (caption.isEmpty())
            return;
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        QVERIFY(static_cast<QAbstractButton *>(widget)->text().isEmpty());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(accessible->text(QAccessible::Name), caption);
        QCOMPARE(accessible->role(), QAccessible::Button);
    }

    void textControls()
    {
        auto *text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
        auto *text2 = control<QLineEdit>(QStringLiteral("Text2"));
        auto *label5 = control<QLabel>(QStringLiteral("Label5"));
        QCOMPARE(label5->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(label5->palette().color(QPalette::Window), QColor(Qt::white));
        const QString strip = text2->text();
        for (auto [widget, pixels, text] :
             {std::tuple<QWidget *, int, QString>{text1, 14, initialBoxText}, {text2, 12, strip}}) {
            QCOMPARE(widget->font().pixelSize(), pixels);
            // Fallback faces are looked up once the window is on screen...
            QTRY_VERIFY(!(widget->font().styleStrategy() & QFont::NoFontMerging));
            // ...so the first frame must need none: the face has every character.
            const QRawFont face = QRawFont::fromFont(widget->font());
            QVERIFY(widget->font().families().contains(face.familyName()));
            for (char32_t codePoint : text.toUcs4()) {
                if (codePoint >= 0x20)
                    QVERIFY2(face.supportsCharacter(codePoint),
                             qPrintable(QString::number(codePoint, 16)));
            }
        }
        // The symbol strip can be selected but not typed into.
        text2->setFocus();
        QTest::keyClicks(text2, QStringLiteral("abc"));
        QCOMPARE(text2->text(), strip);
        text2->selectAll();
        QCOMPARE(text2->selectedText(), strip);
    }

    void clickAtPoint_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("pairCount");
        QTest::addRow("Label1 centre") << label1Centre << 1;
        QTest::addRow("Label1 top-left pixel") << QPoint(27, 278) << 1;
        QTest::addRow("Label1 bottom-right pixel") << QPoint(165, 310) << 1;
        QTest::addRow("painted button row 275") << QPoint(96, 275) << 0;
        QTest::addRow("painted button row 277") << QPoint(96, 277) << 0;
        QTest::addRow("painted button row 311") << QPoint(96, 311) << 0;
        QTest::addRow("painted button row 315") << QPoint(96, 315) << 0;
        QTest::addRow("painted button column 26") << QPoint(26, 294) << 0;
    }
    void clickAtPoint()
    {
        QFETCH(QPoint, point);
        QFETCH(int, pairCount);
        form->setStatusLine(QStringLiteral("before"));
        clickAt(point);
        QCOMPARE(form->pairCount(), pairCount);
        QCOMPARE(form->boxText(), pairCount ? SignatureCatalogue::textAt(1) : initialBoxText);
        QCOMPARE(statusLine(), pairCount ? QString() : QStringLiteral("before"));
    }

    void links_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::addRow("Label6") << "Label6"
                                << "/fenzu/";
        QTest::addRow("Label7") << "Label7"
                                << "/Article/fantizi/";
        QTest::addRow("Label8") << "Label8"
                                << "/gexing/haoting/";
    }
    void links()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        form->setStatusLine(QStringLiteral("kept"));
        for (int i = 0; i < 2; ++i)
            clickAt(control(name)->geometry().center());
        QCOMPARE(fakes.urlOpener->opened.size(), 2);
        QCOMPARE(fakes.urlOpener->opened.last().path(), path);
        QCOMPARE(statusLine(), QStringLiteral("kept"));
        QCOMPARE(form->boxText(), initialBoxText);
    }

    void tools_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("status");
        const QString p1 = SignatureCatalogue::textAt(1);
        QTest::addRow("Label2 converts")
            << "Label2" << false
            << QStringLiteral(u"導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。  \r\n\r\n"
                              u"演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。")
            << QString() << QStringLiteral(u"签名已转为繁体字");
        QTest::addRow("Label3 spaces")
            << "Label3" << false
            << QStringLiteral(
                   u"导 演 记 忆 中 不 该 记 录 的 回 忆 、 悲 伤 ， 伤 悲 。 习 惯 就 好 。 "
                   u"\r \n \r \n 演 绎 悲 伤 里 不 配 悲 情 的 心 伤 、 离 别 ， 别 离 。 "
                   u"自 然 就 好 。")
            << QString() << QStringLiteral(u"加空格成功");
        QTest::addRow("Label4 copies")
            << "Label4" << false << p1 << p1 << QStringLiteral(u"你已成功复制签名");
        QTest::addRow("Label4 refused")
            << "Label4" << true << p1 << QString() << QStringLiteral(u"复制失败，请重试");
    }
    void tools()
    {
        QFETCH(QString, name);
        QFETCH(bool, refuse);
        QFETCH(QString, box);
        QFETCH(QString, clipboard);
        QFETCH(QString, status);
        clickAt(label1Centre);
        fakes.clipboard->refuse = refuse;
        // Part of the box selected: the commands still take the whole text.
        auto *text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
        QTextCursor cursor = text1->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text1->setTextCursor(cursor);
        clickAt(control(name)->geometry().center());
        QCOMPARE(form->boxText(), box);
        QCOMPARE(fakes.clipboard->text, clipboard);
        QCOMPARE(statusLine(), status);
        // The walk goes on in stored form.
        clickAt(label1Centre);
        QCOMPARE(form->boxText(), SignatureCatalogue::textAt(2));
        QVERIFY(statusLine().isEmpty());
    }

    void typedTextIsReplacedByNextPosition()
    {
        clickAt(label1Centre);
        auto *text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
        text1->setFocus();
        text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(text1, QStringLiteral("xy"));
        QCOMPARE(form->pairCount(), 1);
        QVERIFY(form->boxText().endsWith(QStringLiteral("xy")));
        clickAt(label1Centre);
        QCOMPARE(form->boxText(), SignatureCatalogue::textAt(2));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
