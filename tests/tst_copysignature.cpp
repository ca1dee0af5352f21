#include "catalogue/GetSignature.h"
#include "FakeAdapters.h"
#include "FakeSurface.h"
#include "platform/QtClipboard.h"
#include "tools/CopySignature.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>

namespace {

const QString p1 = QStringLiteral(u"导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n"
                                  u"演绎悲伤里不配悲情的心伤、离别，别离。自然就好。");

} // namespace

class TestCopySignature : public QObject
{
    Q_OBJECT

private slots:
    void copiesTheWholeBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("imageBefore");
        QTest::addRow("P1 as typed") << p1 << false;
        QTest::addRow("image on the clipboard before") << QStringLiteral(u"签名") << true;
        QTest::addRow("trailing blanks and lone breaks")
            << QStringLiteral(u"a  \r\nb\r \n\u00A0\u0000  ") << false;
        QTest::addRow("empty box") << QString() << true;
    }
    void copiesTheWholeBox()
    {
        QFETCH(QString, box);
        QFETCH(bool, imageBefore);
        FakeSurface surface;
        surface.box = box;
        surface.status = QStringLiteral(u"加空格成功");
        MemoryClipboard clipboard;
        clipboard.text = QStringLiteral("earlier");
        clipboard.holdsImage = imageBefore;
        copySignature(surface, clipboard);
        QCOMPARE(clipboard.text, box);
        QVERIFY(!clipboard.holdsImage);
        QCOMPARE(surface.status, QStringLiteral(u"你已成功复制签名"));
        QCOMPARE(surface.box, box);
        QCOMPARE(surface.boxWrites, 0);
    }

    void copiesWhatGetSignatureShowed()
    {
        FakeSurface surface;
        qint32 pairCount = 0;
        getSignature(surface, pairCount);
        MemoryClipboard clipboard;
        copySignature(surface, clipboard);
        QCOMPARE(clipboard.text, p1);
    }

    void refusedClipboardReportsFailure_data()
    {
        QTest::addColumn<bool>("refuseAll");
        QTest::addColumn<QString>("statusBefore");
        QTest::addRow("cannot empty, after a success")
            << true << QStringLiteral(u"你已成功复制签名");
        QTest::addRow("cannot empty, status empty") << true << QString();
        QTest::addRow("cannot take the text") << false << QStringLiteral(u"你已成功复制签名");
    }
    void refusedClipboardReportsFailure()
    {
        QFETCH(bool, refuseAll);
        QFETCH(QString, statusBefore);
        FakeSurface surface;
        surface.box = p1;
        surface.status = statusBefore;
        MemoryClipboard clipboard;
        clipboard.refuse = refuseAll;
        clipboard.refuseText = !refuseAll;
        copySignature(surface, clipboard);
        QCOMPARE(surface.status, QStringLiteral(u"复制失败，请重试"));
        QCOMPARE(surface.box, p1);
        QCOMPARE(surface.boxWrites, 0);
        QVERIFY(clipboard.text != p1);
    }

    void systemClipboardHoldsOnlyTheText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addRow("P1") << p1;
        QTest::addRow("trailing blanks") << QStringLiteral("a \r\n  ");
    }
    void systemClipboardHoldsOnlyTheText()
    {
        QFETCH(QString, box);
        QClipboard *system = QGuiApplication::clipboard();
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        system->setImage(image);
        QVERIFY(system->mimeData()->hasImage());

        FakeSurface surface;
        surface.box = box;
        QtClipboard clipboard;
        copySignature(surface, clipboard);
        QCOMPARE(surface.status, QStringLiteral(u"你已成功复制签名"));
        QCOMPARE(system->text(), box);
        QVERIFY(!system->mimeData()->hasImage());
    }
};

QTEST_MAIN(TestCopySignature)
#include "tst_copysignature.moc"
