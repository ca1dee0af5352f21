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

    // Alt and a digit run a command from either text control, as its click
    // does: same status line, focus left where it was, no digit typed. The
    // links leave the status line and the box alone.
    void shortcuts_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("opened");
        QTest::addRow("Alt+1 in the box") << 1 << "Text1" << QString() << QString();
        QTest::addRow("Alt+2 in the strip") << 2 << "Text2" << u"签名已转为繁体字"_s << QString();
        QTest::addRow("Alt+3 in the box") << 3 << "Text1" << u"加空格成功"_s << QString();
        QTest::addRow("Alt+4 in the strip") << 4 << "Text2" << u"你已成功复制签名"_s << QString();
        QTest::addRow("Alt+5 in the box") << 5 << "Text1" << u"before"_s << u"/fenzu/"_s;
        QTest::addRow("Alt+6 in the strip")
            << 6 << "Text2" << u"before"_s << u"/Article/fantizi/"_s;
        QTest::addRow("Alt+7 in the box") << 7 << "Text1" << u"before"_s << u"/gexing/haoting/"_s;
    }
    void shortcuts()
    {
        QFETCH(int, digit);
        QFETCH(QString, focus);
        QFETCH(QString, status);
        QFETCH(QString, opened);
        window->setStatusLine(u"before"_s);
        QWidget *focused = control(focus);
        focused->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        QTest::keyClick(focused, Qt::Key(Qt::Key_0 + digit), Qt::AltModifier);
        QTRY_COMPARE(fakes.urlOpener->opened.size(), opened.isEmpty() ? 0 : 1);
        if (!opened.isEmpty())
            QCOMPARE(fakes.urlOpener->opened.first().path(), opened);
        QTRY_COMPARE(statusLine(), status);
        QCOMPARE(QApplication::focusWidget(), focused);
        QVERIFY(!window->boxText().contains(QChar(u'0' + digit)));
        if (!opened.isEmpty())
            QCOMPARE(window->boxText(), initialBoxText);
        QCOMPARE(window->pairCount(), digit == 1 ? 1 : 0);
    }

    // Each tool button runs its command on the whole box, even with part of it
    // selected, and the walk goes on afterwards.
    void tools_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("boxChanges");
        QTest::addColumn<QString>("status");
        QTest::addRow("Label2 converts")
            << "Label2" << false << true << QStringLiteral(u"签名已转为繁体字");
        QTest::addRow("Label3 spaces")
            << "Label3" << false << true << QStringLiteral(u"加空格成功");
        QTest::addRow("Label4 copies")
            << "Label4" << false << false << QStringLiteral(u"你已成功复制签名");
        QTest::addRow("Label4 refused")
            << "Label4" << true << false << QStringLiteral(u"复制失败，请重试");
    }
    void tools()
    {
        QFETCH(QString, name);
        QFETCH(bool, refuse);
        QFETCH(bool, boxChanges);
        QFETCH(QString, status);
        clickAt(label1Centre);
        fakes.clipboard->refuse = refuse;
        auto *text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
        QTextCursor cursor = text1->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text1->setTextCursor(cursor);
        clickAt(control(name)->geometry().center());
        QCOMPARE(window->boxText() != firstPair, boxChanges);
        QCOMPARE(fakes.clipboard->text,
                 name == QStringLiteral("Label4") && !refuse ? firstPair : QString());
        QCOMPARE(statusLine(), status);
        clickAt(label1Centre);
        QCOMPARE(window->boxText(), secondPair);
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
