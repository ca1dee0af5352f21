// SPDX-License-Identifier: MIT
#include "FakeAdapters.h"
#include "window/SignatureWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString initialBoxText = QStringLiteral(u"签名将显示在这里，请点击获取签名\r\n");
const QString firstPair =
    QStringLiteral(u"导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n"
                   u"演绎悲伤里不配悲情的心伤、离别，别离。自然就好。");
const QString secondPair = QStringLiteral(u"你是我手心里的温暖，握紧了就不会冷。  \r\n\r\n"
                                          u"我是你眼眸里的星光，看见了就不会黑。");
const QPoint label1Centre(96, 294);

} // namespace

class TestSignatureWindow : public QObject
{
    Q_OBJECT

    FakeAdapterHandles fakes{};
    std::unique_ptr<SignatureWindow> window;

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QString statusLine() const { return control<QLabel>(QStringLiteral("Label5"))->text(); }
    // Clicks where a user would: on whatever lies under the point.
    void clickAt(QPoint point)
    {
        QWidget *child = window->childAt(point);
        QWidget *target = child ? child : window.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), point));
    }

private slots:
    void init()
    {
        window = std::make_unique<SignatureWindow>(fakeAdapters(fakes));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void initialState()
    {
        // Title, size and window-manager hints are checked on the real window.
        QTRY_VERIFY(window->windowIcon().availableSizes().contains(QSize(256, 256)));
        QCOMPARE(window->boxText(), initialBoxText);
        QVERIFY(statusLine().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), control(QStringLiteral("Text1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control(QStringLiteral("Text2")));
    }

    // Each control where the design puts it, named for screen readers; the
    // hot-spots focusless buttons named by their painted captions, with the
    // hand over Label1 and the links only.
    void controls_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<bool>("hand");
        const auto button = QAccessible::Button;
        QTest::addRow("Text1") << QRect(36, 68, 468, 103) << u"签名框"_s
                               << QAccessible::EditableText << false;
        QTest::addRow("Text2") << QRect(37, 203, 467, 13) << u"常用符号"_s
                               << QAccessible::EditableText << false;
        QTest::addRow("Label5") << QRect(38, 176, 142, 22) << u"状态"_s << QAccessible::StaticText
                                << false;
        QTest::addRow("Label1") << QRect(27, 278, 139, 33) << u"获取情侣签名"_s << button << true;
        QTest::addRow("Label2") << QRect(197, 275, 88, 40) << u"转繁体"_s << button << false;
        QTest::addRow("Label3") << QRect(313, 275, 87, 41) << u"加空格"_s << button << false;
        QTest::addRow("Label4") << QRect(426, 276, 87, 41) << u"复制"_s << button << false;
        QTest::addRow("Label6") << QRect(22, 332, 147, 43) << u"QQ个性分组图案"_s << button << true;
        QTest::addRow("Label7") << QRect(196, 333, 142, 41) << u"QQ个性签名大全"_s << button
                                << true;
        QTest::addRow("Label8") << QRect(371, 336, 142, 40) << u"好听的网名大全"_s << button
                                << true;
    }
    void controls()
    {
        QFETCH(QRect, rect);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(bool, hand);
        QWidget *widget = control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->cursor().shape() == Qt::BitmapCursor, hand);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(widget->focusPolicy() != Qt::NoFocus, role == QAccessible::EditableText);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QVERIFY(button->text().isEmpty());
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

    // Every command, clicked or by Alt and its digit from either text
    // control, on the first pair with part of it selected: it takes the whole
    // box, the status line tells the outcome, focus stays where it was and no
    // digit is typed; the links only open their page; the walk goes on.
    void commands_data()
    {
        QTest::addColumn<QString>("hotSpot");
        QTest::addColumn<int>("digit"); // 0: clicked
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("box"); // empty: converted or spaced
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("opened");
        const QString converted = u"签名已转为繁体字"_s, spaced = u"加空格成功"_s,
                      copied = u"你已成功复制签名"_s, before = u"before"_s;
        QTest::addRow("Label1") << "Label1" << 0 << false << secondPair << QString() << QString();
        QTest::addRow("Alt+1") << "Label1" << 1 << false << secondPair << QString() << QString();
        QTest::addRow("Label2") << "Label2" << 0 << false << QString() << converted << QString();
        QTest::addRow("Alt+2") << "Label2" << 2 << false << QString() << converted << QString();
        QTest::addRow("Label3") << "Label3" << 0 << false << QString() << spaced << QString();
        QTest::addRow("Alt+3") << "Label3" << 3 << false << QString() << spaced << QString();
        QTest::addRow("Label4") << "Label4" << 0 << false << firstPair << copied << QString();
        QTest::addRow("Alt+4") << "Label4" << 4 << false << firstPair << copied << QString();
        QTest::addRow("Label4 refused")
            << "Label4" << 0 << true << firstPair << u"复制失败，请重试"_s << QString();
        QTest::addRow("Label6") << "Label6" << 0 << false << firstPair << before << u"/fenzu/"_s;
        QTest::addRow("Alt+5") << "Label6" << 5 << false << firstPair << before << u"/fenzu/"_s;
        QTest::addRow("Alt+6") << "Label7" << 6 << false << firstPair << before
                               << u"/Article/fantizi/"_s;
        QTest::addRow("Alt+7") << "Label8" << 7 << false << firstPair << before
                               << u"/gexing/haoting/"_s;
    }
    void commands()
    {
        QFETCH(QString, hotSpot);
        QFETCH(int, digit);
        QFETCH(bool, refuse);
        QFETCH(QString, box);
        QFETCH(QString, status);
        QFETCH(QString, opened);
        clickAt(label1Centre);
        window->setStatusLine(u"before"_s);
        fakes.clipboard->refuse = refuse;
        auto *text1 = control<QPlainTextEdit>(u"Text1"_s);
        QTextCursor cursor = text1->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text1->setTextCursor(cursor);
        QWidget *focused = digit % 2 ? text1 : control(u"Text2"_s);
        focused->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        if (digit)
            QTest::keyClick(focused, Qt::Key(Qt::Key_0 + digit), Qt::AltModifier);
        else
            clickAt(control(hotSpot)->geometry().center());
        QTRY_COMPARE(statusLine(), status);
        QCOMPARE(QApplication::focusWidget(), focused);
        QTRY_COMPARE(fakes.urlOpener->opened.size(), opened.isEmpty() ? 0 : 1);
        if (!opened.isEmpty())
            QCOMPARE(fakes.urlOpener->opened.first().path(), opened);
        if (box.isEmpty())
            QVERIFY(window->boxText() != firstPair &&
                    !window->boxText().contains(QChar(u'0' + digit)));
        else
            QCOMPARE(window->boxText(), box);
        QCOMPARE(fakes.clipboard->text, hotSpot == u"Label4" && !refuse ? firstPair : QString());
        clickAt(label1Centre);
        QCOMPARE(window->pairCount(), hotSpot == u"Label1" ? 3 : 2);
        QVERIFY(statusLine().isEmpty());
    }

    // The box gives back exactly what a command wrote; once the user edits it
    // its lines read with CR LF breaks, and undoing the edit restores the text.
    void exactBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("CR LF and trailing blanks") << QStringLiteral("a  \r\n\r\nb  ");
        QTest::addRow("lone CR and LF") << QStringLiteral("a\rb\nc\r");
        QTest::addRow("paragraph and line separators") << QStringLiteral(u"a\u2029b\u2028c");
        QTest::addRow("no-break space and U+0000") << QStringLiteral(u"a\u00A0 b\u0000");
        QTest::addRow("empty") << QString();
    }
    void exactBox()
    {
        QFETCH(QString, text);
        window->setBoxText(text);
        QCOMPARE(window->boxText(), text);
        auto *text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
        text1->setFocus();
        text1->moveCursor(QTextCursor::End);
        QTest::keyClick(text1, Qt::Key_X);
        const QString edited = window->boxText();
        QVERIFY(edited.endsWith(u'x'));
        QCOMPARE(edited.count(QChar(0xA0)), text.count(QChar(0xA0)));
        QCOMPARE(edited.count(QStringLiteral("\r\n")),
                 text1->document()->blockCount() - 1 + text.count(QChar::LineSeparator));
        const QString unpaired = QString(edited).remove(QStringLiteral("\r\n"));
        QVERIFY(!unpaired.contains(u'\r') && !unpaired.contains(u'\n'));
        text1->undo();
        QCOMPARE(window->boxText(), text);
    }

    // Typed text and text an input method commits stay until the next
    // position replaces them; neither touches the status line.
    void typedTextIsReplacedByNextPosition()
    {
        clickAt(label1Centre);
        window->setStatusLine(u"before"_s);
        auto *text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
        text1->setFocus();
        text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(text1, QStringLiteral("xy"));
        QInputMethodEvent composing(u"nihao"_s, {});
        QApplication::sendEvent(text1, &composing);
        QInputMethodEvent commit;
        commit.setCommitString(u"你好"_s);
        QApplication::sendEvent(text1, &commit);
        QCOMPARE(window->pairCount(), 1);
        QVERIFY(window->boxText().endsWith(u"xy你好"_s));
        QCOMPARE(statusLine(), u"before"_s);
        clickAt(label1Centre);
        QCOMPARE(window->boxText(), secondPair);
    }
};

QTEST_MAIN(TestSignatureWindow)
#include "tst_signaturewindow.moc"
