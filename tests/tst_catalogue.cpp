// SPDX-License-Identifier: MIT
#include "CodePoints.h"
#include "commands/GetSignature.h"
#include "commands/SignatureCatalogue.h"
#include "FakeSurface.h"
#include "platform/CodePage936.h"

#include <QTest>

#include <limits>

namespace {

const QString siteBase = QStringLiteral("http://site.test");

// Walks a fresh command through the given number of clicks.
FakeSurface walk(int clicks)
{
    FakeSurface surface;
    qint32 pairCount = 0;
    for (int i = 0; i < clicks; ++i) {
        surface.status = QStringLiteral("left by a tool");
        getSignature(surface, pairCount, siteBase);
    }
    return surface;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // The quoted pairs and the notice at their clicks; later clicks past the
    // notice, and the pairs stored twice, show what an earlier click showed.
    void clickShowsText_data()
    {
        QTest::addColumn<int>("click");
        QTest::addColumn<QString>("text");
        QTest::addRow("P1 at 1")
            << 1
            << QStringLiteral(u"导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  "
                              u"\r\n\r\n演绎悲伤里不配悲情的心伤、离别，别离。自然就好。");
        QTest::addRow("P3 at 3")
            << 3
            << QStringLiteral(
                   u"﹎．┈|如果囿⒈兲; 伱能到莪d’訫里去看看~.． 〃 |伱⒈啶会流泪;  "
                   u"\r\n\r\n﹎．┈|如果囿⒈兲; 莪能到伱d’訫里去看看~.． 〃 |莪⒈啶会流泪;");
        QTest::addRow("P5 at 5")
            << 5
            << QStringLiteral(u"メJ绝配恋♀(女) ╳灬儍儍滴ぴ ヅ天使ぺ嫙嵂 ｛尛莮孩┑  \r\n\r\n"
                              u"メJ绝配恋♂(男) ╳灬痴痴滴ぴ ヅ恶魔ぺ嫙嵂 ｛尛钕孩┑");
        QTest::addRow("P26 at 27") << 27
                                   << QStringLiteral(u"曾经热门的爱情旅程，却以迷路告终。  \r\n\r\n"
                                                     u"一度流行的爱情游戏，却被过时谢幕。");
        QTest::addRow("notice at 55") << 55
                                      << QStringLiteral(u"更多情侣个性签名请期待下一版，Korvane "
                                                        u"http://site.test —— 免费QQ空间素材大全");
        const QList<std::pair<int, int>> repeats{{22, 11}, {49, 11}, {38, 27}, {54, 27}, {28, 1},
                                                 {37, 10}, {39, 12}, {50, 23}, {56, 55}, {200, 55}};
        for (const auto &[click, same] : repeats)
            QTest::addRow("click %d shows click %d's text", click, same) << click << walk(same).box;
    }
    void clickShowsText()
    {
        QFETCH(int, click);
        QFETCH(QString, text);
        const FakeSurface surface = walk(click);
        QCOMPARE(surface.box, text);
        QVERIFY(surface.status.isEmpty());
        QCOMPARE(surface.boxWrites, std::min(click, 55));
    }

    void everyPairKeepsTheForm_data()
    {
        QTest::addColumn<int>("pair");
        for (int k = 1; k <= SignatureCatalogue::distinctPairCount; ++k)
            QTest::addRow("P%d", k) << k;
    }
    void everyPairKeepsTheForm()
    {
        QFETCH(int, pair);
        const std::unique_ptr<CodePage936> codePage = createCodePage936();
        const CatalogueEntry entry = SignatureCatalogue::pair(pair);
        const QString a = entry.lineA.toString();
        const QString b = entry.lineB.toString();
        QVERIFY(a.endsWith(QStringLiteral("  ")) && !a.endsWith(QStringLiteral("   ")));
        QVERIFY(!b.endsWith(u' ') && a != b);
        const bool quoted = pair == 1 || pair == 3 || pair == 5 || pair == 26;
        for (const QString &line : {a, b}) {
            QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));
            QVERIFY(quoted || (line.trimmed().size() >= 18 && line.trimmed().size() <= 36));
            for (const char32_t point : codePointsOf(line))
                QVERIFY2(!codePage->encodeChar(point).isEmpty(), "in code page 936");
            QCOMPARE(line.count(QChar(0x3000)), pair == 13 ? 1 : 0);
            QCOMPARE(line.contains(QChar(0xE7EC)), pair == 14 || pair == 24);
        }
    }

    void countStopsAtItsMaximum()
    {
        FakeSurface surface;
        surface.box = QStringLiteral("kept");
        qint32 pairCount = std::numeric_limits<qint32>::max() - 1;
        for (int i = 0; i < 3; ++i)
            getSignature(surface, pairCount, siteBase);
        QCOMPARE(pairCount, std::numeric_limits<qint32>::max());
        QCOMPARE(surface.box, QStringLiteral("kept"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
