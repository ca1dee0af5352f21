#include "catalogue/SignatureCatalogue.h"
#include "FormTest.h"

#include <QPlainTextEdit>

namespace {

const QString p1Traditional =
    QStringLiteral(u"導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。  \r\n\r\n"
                   u"演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。");
const QString p1Spaced = QStringLiteral(
    u"导 演 记 忆 中 不 该 记 录 的 回 忆 、 悲 伤 ， 伤 悲 。 习 惯 就 好 。 \r \n \r \n "
    u"演 绎 悲 伤 里 不 配 悲 情 的 心 伤 、 离 别 ， 别 离 。 自 然 就 好 。");

} // namespace

class TestClickRouting : public FormTest
{
    Q_OBJECT

private slots:
    void clickInsideLabel1ShowsNextPosition_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addRow("centre") << QPoint(96, 294);
        QTest::addRow("top-left pixel") << QPoint(27, 278);
        QTest::addRow("bottom-right pixel") << QPoint(165, 310);
    }
    void clickInsideLabel1ShowsNextPosition()
    {
        QFETCH(QPoint, point);
        setStatusLine(QStringLiteral(u"签名已转为繁体字"));
        clickAt(*form, point);
        QCOMPARE(form->pairCount(), 1);
        QCOMPARE(form->boxText(), SignatureCatalogue::textAt(1));
        QVERIFY(statusLine().isEmpty());
    }

    void clickOnPaintedButtonOutsideHotSpotDoesNothing_data()
    {
        QTest::addColumn<QPoint>("point");
        for (int row = 275; row <= 277; ++row)
            QTest::addRow("row %d above Label1", row) << QPoint(96, row);
        for (int row = 311; row <= 315; ++row)
            QTest::addRow("row %d below Label1", row) << QPoint(96, row);
        QTest::addRow("column 26 left of Label1") << QPoint(26, 294);
        QTest::addRow("between Label4 and the frame edge") << QPoint(520, 290);
    }
    void clickOnPaintedButtonOutsideHotSpotDoesNothing()
    {
        QFETCH(QPoint, point);
        setStatusLine(QStringLiteral("unchanged"));
        clickAt(*form, point);
        QCOMPARE(form->pairCount(), 0);
        QCOMPARE(form->boxText(), initialBoxText);
        QCOMPARE(statusLine(), QStringLiteral("unchanged"));
        QVERIFY(fakes.urlOpener->opened.isEmpty());
    }

    void linksOpenTheirPages_data()
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
    void linksOpenTheirPages()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        clickAt(*form, control(*form, qPrintable(name))->geometry().center());
        setStatusLine(QStringLiteral("kept"));
        clickAt(*form, control(*form, qPrintable(name))->geometry().center());
        QCOMPARE(fakes.urlOpener->opened.size(), 2);
        for (const QUrl &url : fakes.urlOpener->opened)
            QCOMPARE(url.path(), path);
        QCOMPARE(statusLine(), QStringLiteral("kept"));
        QCOMPARE(form->boxText(), initialBoxText);
    }

    void toolClicksRunTheirCommands_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("status");
        const QString p1 = SignatureCatalogue::textAt(1);
        QTest::addRow("Label2 converts") << "Label2" << false << p1Traditional << QString()
                                         << QStringLiteral(u"签名已转为繁体字");
        QTest::addRow("Label3 spaces")
            << "Label3" << false << p1Spaced << QString() << QStringLiteral(u"加空格成功");
        QTest::addRow("Label4 copies the whole box")
            << "Label4" << false << p1 << p1 << QStringLiteral(u"你已成功复制签名");
        QTest::addRow("Label4 refused")
            << "Label4" << true << p1 << QString() << QStringLiteral(u"复制失败，请重试");
    }
    void toolClicksRunTheirCommands()
    {
        QFETCH(QString, name);
        QFETCH(bool, refuse);
        QFETCH(QString, box);
        QFETCH(QString, clipboard);
        QFETCH(QString, status);
        clickAt(*form, QPoint(96, 294));
        fakes.clipboard->refuse = refuse;
        // Part of the box selected: the commands still take the whole text.
        auto *text1 = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        QTextCursor cursor = text1->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text1->setTextCursor(cursor);
        clickAt(*form, control(*form, qPrintable(name))->geometry().center());
        QCOMPARE(form->boxText(), box);
        QCOMPARE(fakes.clipboard->text, clipboard);
        QCOMPARE(statusLine(), status);
        // The walk goes on from where it was, in stored form.
        clickAt(*form, QPoint(96, 294));
        QCOMPARE(form->boxText(), SignatureCatalogue::textAt(2));
        QVERIFY(statusLine().isEmpty());
    }

    void typingDoesNotMoveTheWalk()
    {
        clickAt(*form, QPoint(96, 294));
        auto *text1 = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        text1->setFocus();
        text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(text1, QStringLiteral("xy"));
        QCOMPARE(form->pairCount(), 1);
        QVERIFY(form->boxText().endsWith(u"xy"));
        clickAt(*form, QPoint(96, 294));
        QCOMPARE(form->pairCount(), 2);
        QCOMPARE(form->boxText(), SignatureCatalogue::textAt(2));
    }

    void boxKeepsExactText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("CR LF and trailing blanks") << QStringLiteral("a  \r\n\r\nb");
        QTest::addRow("lone CR and LF") << QStringLiteral("a\rb\nc\r");
        QTest::addRow("no-break space") << QStringLiteral(u"a\u00A0b");
        QTest::addRow("paragraph separator") << QStringLiteral(u"a\u2029b");
        QTest::addRow("empty") << QString();
    }
    void boxKeepsExactText()
    {
        QFETCH(QString, text);
        form->setBoxText(text);
        QCOMPARE(form->boxText(), text);
        auto *text1 = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        text1->moveCursor(QTextCursor::Start);
        QCOMPARE(form->boxText(), text);
    }

    void editedBoxReadsLinesWithCrLf()
    {
        form->setBoxText(QStringLiteral(u"a\u00A0\nb"));
        auto *text1 = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
        text1->setFocus();
        text1->moveCursor(QTextCursor::End);
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(text1, QStringLiteral("c"));
        QCOMPARE(form->boxText(), QStringLiteral(u"a\u00A0\r\nb\r\nc"));
        QTest::keyClick(text1, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(text1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->boxText(), QStringLiteral(u"a\u00A0\nb"));
    }
};

QTEST_MAIN(TestClickRouting)
#include "tst_clickrouting.moc"
