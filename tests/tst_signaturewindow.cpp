// SPDX-License-Identifier: MIT
#include "FakeAdapters.h"
#include "window/SignatureWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString initialBoxText = QStringLiteral(u"签名将显示在这里，请点击获取签名\r\n");
const QString symbolStripText =
    QStringLiteral(u"常用的特殊符号 ★☆●◎◆◇〓↓↑←→※♂♀§┆┊⊙≌≯≮(￣︶￣)↗ (┬＿┬)↘ 跌∑√々");
// Not a catalogue text, so that a command's result cannot be mistaken for a walk step.
const QString sample = QStringLiteral(u"头发 后来\r\n");
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
        QCOMPARE(text2->text(), symbolStripText);
        // Dark text on white with Qt's blue selection; the status line blue;
        // the window's face shows in the column right of the picture.
        const auto colours = [](const QWidget *widget) {
            const QPalette p = widget->palette();
            return u"window %1 text %2 base %3 text %4 selection %5 on %6"_s.arg(
                p.window().color().name(), p.windowText().color().name(), p.base().color().name(),
                p.text().color().name(), p.highlight().color().name(),
                p.highlightedText().color().name());
        };
        const QString onWhite = u"base #ffffff text #000000 selection #308cc6 on #ffffff"_s;
        QCOMPARE(colours(window.get()), u"window #efefef text #000000 "_s + onWhite);
        QCOMPARE(colours(text1), u"window #ffffff text #000000 "_s + onWhite);
        QCOMPARE(colours(text2), u"window #ffffff text #000000 "_s + onWhite);
        QCOMPARE(colours(control(u"Label5"_s)), u"window #ffffff text #0000ff "_s + onWhite);
        for (auto [widget, pixels, text] :
             {std::tuple<QWidget *, int, QString>{text1, 14, initialBoxText},
              {text2, 12, symbolStripText},
              {control(u"Label5"_s), 12, QString()}}) {
            QCOMPARE(widget->font().families(),
                     QStringList({u"SimSun"_s, u"宋体"_s, u"WenQuanYi Zen Hei Sharp"_s,
                                  u"AR PL UMing CN"_s}));
            QCOMPARE(widget->font().pixelSize(), pixels);
            // Crisp strokes at a device pixel ratio of 1.
            QVERIFY(widget->font().styleStrategy() & QFont::NoAntialias);
            // Fallback faces are looked up once the window is on screen...
            QTRY_VERIFY(!(widget->font().styleStrategy() & QFont::NoFontMerging));
            // ...so the first frame must need none: one installed face has every character.
            // QFontInfo first: QRawFont crashes on the stand-in box face Qt
            // uses when no font is found.
            QVERIFY(widget->font().families().contains(QFontInfo(widget->font()).family()));
            const QRawFont face = QRawFont::fromFont(widget->font());
            for (char32_t codePoint : text.toUcs4()) {
                if (codePoint >= 0x20)
                    QVERIFY2(face.supportsCharacter(codePoint),
                             qPrintable(QString::number(codePoint, 16)));
            }
        }
        // The symbol strip can be selected but not typed into.
        text2->setFocus();
        QTest::keyClicks(text2, QStringLiteral("abc"));
        QCOMPARE(text2->text(), symbolStripText);
        text2->selectAll();
        QCOMPARE(text2->selectedText(), symbolStripText);
    }

    // Every command, clicked or by its key from either text control, takes
    // the whole box however much is selected and tells the outcome; focus
    // stays, no digit is typed, the links only open their page.
    void commands_data()
    {
        QTest::addColumn<QString>("hotSpot");
        QTest::addColumn<int>("digit");   // 0: clicked
        QTest::addColumn<QString>("box"); // for Label1, how the first pair starts
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("opened");
        const QString site = u"http://www.korvane.example/"_s, before = u"before"_s;
        const struct
        {
            const char *hotSpot;
            int digit;
            QString box, status, opened;
        } rows[]{
            {"Label1", 1, u"导演记忆中不该"_s, {}, {}},
            {"Label2", 2, u"頭髮 後來\r\n"_s, u"签名已转为繁体字"_s, {}},
            {"Label3", 3, u"头 发 后 来 \r \n"_s, u"加空格成功"_s, {}},
            {"Label4", 4, sample, u"你已成功复制签名"_s, {}},
            {"Label6", 5, sample, before, site + u"fenzu/"_s},
            {"Label7", 6, sample, before, site + u"Article/fantizi/"_s},
            {"Label8", 7, sample, before, site + u"gexing/haoting/"_s},
        };
        for (const auto &r : rows) {
            const QString hotSpot = QString::fromLatin1(r.hotSpot);
            QTest::addRow("%s", r.hotSpot) << hotSpot << 0 << r.box << r.status << r.opened;
            QTest::addRow("Alt+%d", r.digit) << hotSpot << r.digit << r.box << r.status << r.opened;
        }
    }
    void commands()
    {
        QFETCH(QString, hotSpot);
        QFETCH(int, digit);
        QFETCH(QString, box);
        QFETCH(QString, status);
        QFETCH(QString, opened);
        window->setBoxText(sample);
        window->setStatusLine(u"before"_s);
        auto *text1 = control<QPlainTextEdit>(u"Text1"_s);
        QTextCursor cursor = text1->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        text1->setTextCursor(cursor);
        QWidget *focused = digit % 2 ? text1 : control(u"Text2"_s);
        focused->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        if (digit) {
            // Screen readers tell the key beside the caption.
            QCOMPARE(QAccessible::queryAccessibleInterface(control(hotSpot))
                         ->text(QAccessible::Description),
                     u"快捷键 Alt+%1"_s.arg(digit));
            QTest::keyClick(focused, Qt::Key(Qt::Key_0 + digit), Qt::AltModifier);
        } else {
            clickAt(control(hotSpot)->geometry().center());
        }
        QTRY_COMPARE(statusLine(), status);
        QCOMPARE(QApplication::focusWidget(), focused);
        QTRY_COMPARE(fakes.urlOpener->opened.size(), opened.isEmpty() ? 0 : 1);
        if (!opened.isEmpty())
            QCOMPARE(fakes.urlOpener->opened.first().toString(), opened);
        if (hotSpot == u"Label1")
            QVERIFY2(window->boxText().startsWith(box), qPrintable(window->boxText()));
        else
            QCOMPARE(window->boxText(), box);
        QCOMPARE(fakes.clipboard->text, hotSpot == u"Label4" ? sample : QString());
        clickAt(label1Centre);
        QCOMPARE(window->pairCount(), hotSpot == u"Label1" ? 2 : 1);
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
        QVERIFY(window->boxText().startsWith(u"你是我手心里的温暖"_s));
    }
};

QTEST_MAIN(TestSignatureWindow)
#include "tst_signaturewindow.moc"
