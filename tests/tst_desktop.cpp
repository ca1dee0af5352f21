// SPDX-License-Identifier: MIT
#include "FakeAdapters.h"
#include "window/SignatureWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

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
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
