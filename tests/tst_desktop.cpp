// SPDX-License-Identifier: MIT
#include "FakeAdapters.h"
#include "window/SignatureWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>

using namespace Qt::StringLiterals;

namespace {

// A scheme such as Breeze Dark: light text on dark grounds, another selection.
QPalette darkPalette()
{
    QPalette dark(QColor(0x31, 0x36, 0x3B), QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::WindowText, QColor(0xEF, 0xF0, 0xF1));
    dark.setColor(QPalette::Text, QColor(0xFC, 0xFC, 0xFC));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    dark.setColor(QPalette::HighlightedText, QColor(0x11, 0x11, 0x11));
    return dark;
}

// What screen readers are told, as Qt's platform layer would pass it on.
QList<std::pair<QObject *, QAccessible::Event>> accessibleEvents;
void recordAccessibleEvent(QAccessibleEvent *event)
{
    accessibleEvents.append({event->object(), event->type()});
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

    FakeAdapterHandles fakes{};

    // The window with a message and a selection in both text controls, focus
    // in the symbol strip (which shows no caret), in the colour group asked for.
    QImage picture(SignatureWindow &window, QPalette::ColorGroup group)
    {
        window.show();
        window.setStatusLine(u"你已成功复制签名"_s);
        auto *box = window.findChild<QPlainTextEdit *>(u"Text1"_s);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        auto *strip = window.findChild<QLineEdit *>(u"Text2"_s);
        strip->setFocus();
        strip->setSelection(8, 5);
        window.setEnabled(group != QPalette::Disabled);
        QWidget other;
        QWidget &active = group == QPalette::Inactive ? other : window;
        active.show();
        active.activateWindow();
        if (!QTest::qWaitForWindowActive(&active))
            return {};
        return window.grab().toImage();
    }

private slots:
    void initTestCase()
    {
        // Offscreen, nothing asks for accessibility: switch it on as a screen reader would.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(recordAccessibleEvent);
    }

    // The window is one picture: whatever the desktop's colours and style,
    // every pixel is as under Qt's defaults.
    void look_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QPalette::ColorGroup>("group");
        const auto active = QPalette::Active;
        QTest::addRow("dark palette") << QString() << true << active;
        QTest::addRow("dark palette, inactive") << QString() << true << QPalette::Inactive;
        QTest::addRow("dark palette, disabled") << QString() << true << QPalette::Disabled;
        QTest::addRow("Windows style") << u"Windows"_s << false << active;
        QTest::addRow("Adwaita-Dark style") << u"Adwaita-Dark"_s << false << active;
    }
    void look()
    {
        QFETCH(QString, style);
        QFETCH(bool, dark);
        QFETCH(QPalette::ColorGroup, group);
        if (!style.isEmpty() && !QStyleFactory::keys().contains(style))
            QSKIP(qPrintable(style + u" is not installed (adwaita-qt6)"_s));
        const QString defaultStyle = QApplication::style()->name();
        SignatureWindow plain(fakeAdapters(fakes));
        const QImage expected = picture(plain, group);
        QVERIFY(!expected.isNull());

        if (!style.isEmpty())
            QApplication::setStyle(style);
        if (dark)
            QApplication::setPalette(darkPalette());
        SignatureWindow themed(fakeAdapters(fakes));
        const QImage shown = picture(themed, group);
        QApplication::setStyle(defaultStyle);
        QApplication::setPalette(QPalette());
        QVERIFY(!shown.isNull());
        if (shown != expected) {
            shown.save(QDir::temp().filePath(u"velmora-look.png"_s));
            expected.save(QDir::temp().filePath(u"velmora-look-expected.png"_s));
        }
        QVERIFY(shown == expected);
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addRow("Text1") << u"Text1"_s << u"签名框"_s << QAccessible::EditableText;
        QTest::addRow("Text2") << u"Text2"_s << u"常用符号"_s << QAccessible::EditableText;
        QTest::addRow("Label5") << u"Label5"_s << u"状态"_s << QAccessible::StaticText;
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        SignatureWindow window(fakeAdapters(fakes));
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(control));
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->role(), role);
    }

    // Each message is the status line's description, and screen readers hear
    // of it, the same message twice included; the name stays.
    void statusMessages_data()
    {
        QTest::addColumn<QString>("hotSpot");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("message");
        QTest::addRow("copied") << u"Label4"_s << false << u"你已成功复制签名"_s;
        QTest::addRow("copy refused") << u"Label4"_s << true << u"复制失败，请重试"_s;
        QTest::addRow("converted") << u"Label2"_s << false << u"签名已转为繁体字"_s;
    }
    void statusMessages()
    {
        QFETCH(QString, hotSpot);
        QFETCH(bool, refuse);
        QFETCH(QString, message);
        SignatureWindow window(fakeAdapters(fakes));
        fakes.clipboard->refuse = refuse;
        auto *statusLine = window.findChild<QLabel *>(u"Label5"_s);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(statusLine);
        for (int time = 1; time <= 2; ++time) {
            accessibleEvents.clear();
            QTest::mouseClick(window.findChild<QWidget *>(hotSpot), Qt::LeftButton);
            QCOMPARE(accessible->text(QAccessible::Description), message);
            QCOMPARE(accessible->text(QAccessible::Name), u"状态"_s);
            QVERIFY(accessibleEvents.contains({statusLine, QAccessible::DescriptionChanged}));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            QVERIFY(accessibleEvents.contains({statusLine, QAccessible::Announcement}));
#endif
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
