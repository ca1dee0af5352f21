// SPDX-License-Identifier: MIT
#include "FakeAdapters.h"
#include "window/QtTranslations.h"
#include "window/SignatureWindow.h"

#include <QAccessible>
// Announcements to screen readers, where this Qt has them.
#if __has_include(<QAccessibleAnnouncementEvent>)
#include <QAccessibleAnnouncementEvent>
#define VELMORA_HAS_ANNOUNCEMENTS 1
#else
#define VELMORA_HAS_ANNOUNCEMENTS 0
#endif
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QTranslator>

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
    // and Qt's strings in a right-to-left language, every pixel is as under
    // Qt's defaults.
    void look_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QPalette::ColorGroup>("group");
        QTest::addColumn<QLocale>("qtLanguage");
        const QLocale english = QLocale::c(), arabic(QLocale::Arabic, QLocale::Egypt);
        const auto active = QPalette::Active;
        QTest::addRow("dark palette") << QString() << true << active << english;
        QTest::addRow("dark palette, inactive")
            << QString() << true << QPalette::Inactive << english;
#ifndef Q_OS_WIN // a Linux desktop's style
        QTest::addRow("Adwaita-Dark style") << u"Adwaita-Dark"_s << false << active << english;
#endif
        QTest::addRow("right-to-left Qt strings") << QString() << false << active << arabic;
    }
    void look()
    {
        QFETCH(QString, style);
        QFETCH(bool, dark);
        QFETCH(QPalette::ColorGroup, group);
        QFETCH(QLocale, qtLanguage);
        QVERIFY2(style.isEmpty() || QStyleFactory::keys().contains(style),
                 qPrintable(style + u" is not installed (package adwaita-qt6)"_s));
        const QString defaultStyle = QApplication::style()->name();
        SignatureWindow plain(fakeAdapters(fakes));
        const QImage expected = picture(plain, group);
        QVERIFY(!expected.isNull());

        if (!style.isEmpty())
            QApplication::setStyle(style);
        if (dark)
            QApplication::setPalette(darkPalette());
        const std::unique_ptr<QTranslator> translation(installQtTranslations(qtLanguage));
        const bool rightToLeft = QApplication::isRightToLeft();
        SignatureWindow themed(fakeAdapters(fakes));
        const QImage shown = picture(themed, group);
        QApplication::setStyle(defaultStyle);
        QApplication::setPalette(QPalette());
        QCOMPARE(rightToLeft, qtLanguage.textDirection() == Qt::RightToLeft);
        QVERIFY(!shown.isNull());
        QVERIFY(shown == expected);
    }

    // Qt's own strings, the box's context menu for one, are in the UI language.
    void qtStrings_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("texts");
        const QStringList english{u"&Undo"_s,  u"&Redo"_s,  u"Cu&t"_s,      u"&Copy"_s,
                                  u"&Paste"_s, u"Delete"_s, u"Select All"_s};
        QTest::addRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China)
                               << QStringList{u"撤消(&U)"_s, u"重做(&R)"_s, u"剪切(&T)"_s,
                                              u"复制(&C)"_s, u"粘贴(&P)"_s, u"删除"_s,
                                              u"全选"_s};
        QTest::addRow("C") << QLocale::c() << english;
        QTest::addRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << english;
    }
    void qtStrings()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, texts);
        const std::unique_ptr<QTranslator> translation(installQtTranslations(locale));
        SignatureWindow window(fakeAdapters(fakes));
        const std::unique_ptr<QMenu> menu(
            window.findChild<QPlainTextEdit *>(u"Text1"_s)->createStandardContextMenu());
        QStringList shown;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                shown << action->text().section(u'\t', 0, 0);
        }
        QCOMPARE(shown, texts);
    }

    // Each message is the status line's description, and screen readers hear
    // of it, the same message twice included; the name stays.
    void statusMessages()
    {
        SignatureWindow window(fakeAdapters(fakes));
        auto *statusLine = window.findChild<QLabel *>(u"Label5"_s);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(statusLine);
        const std::pair<const char *, QString> steps[]{
            {"a message", u"第一条"_s}, {"the same again", u"第一条"_s}, {"another", u"第二条"_s}};
        for (const auto &[step, message] : steps) {
            accessibleEvents.clear();
            window.setStatusLine(message);
            QCOMPARE(accessible->text(QAccessible::Description), message);
            QCOMPARE(accessible->text(QAccessible::Name), u"状态"_s);
            QVERIFY2(accessibleEvents.contains({statusLine, QAccessible::DescriptionChanged}),
                     step);
#if VELMORA_HAS_ANNOUNCEMENTS
            QVERIFY2(accessibleEvents.contains({statusLine, QAccessible::Announcement}), step);
#endif
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
