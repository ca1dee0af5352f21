#include "catalogue/GetSignature.h"
#include "catalogue/SignatureCatalogue.h"
#include "FakeSurface.h"
#include "links/SiteLinks.h"

#include <QSet>
#include <QTest>

#include <limits>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

namespace {

const QString p1A = QStringLiteral(u"导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  ");
const QString p1B = QStringLiteral(u"演绎悲伤里不配悲情的心伤、离别，别离。自然就好。");

// Walks a fresh command up to the given click and returns what the box shows.
QString boxAfterClicks(int clicks)
{
    FakeSurface surface;
    qint32 pairCount = 0;
    for (int i = 0; i < clicks; ++i)
        getSignature(surface, pairCount);
    return surface.box;
}

// True when ICU's code page 936 table maps the character (no substitution).
bool inCodePage936(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open("windows-936-2000", &status);
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    char buffer[8];
    bool ok = U_SUCCESS(status);
    for (int i = 0; ok && i < text.size(); ++i) {
        const int units = text.at(i).isHighSurrogate() ? 2 : 1;
        status = U_ZERO_ERROR;
        const int length =
            ucnv_fromUChars(converter, buffer, sizeof buffer,
                            reinterpret_cast<const UChar *>(text.utf16() + i), units, &status);
        ok = U_SUCCESS(status) && length > 0;
        i += units - 1;
    }
    ucnv_close(converter);
    return ok;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void positionHoldsPair_data()
    {
        QTest::addColumn<int>("click");
        QTest::addColumn<int>("pair");
        // The catalogue's runs and repeats, at their edges.
        const QList<std::pair<int, int>> rows{{1, 1},   {2, 2},   {21, 21}, {22, 11}, {23, 22},
                                              {27, 26}, {28, 1},  {37, 10}, {38, 26}, {39, 12},
                                              {48, 21}, {49, 11}, {50, 22}, {54, 26}};
        for (const auto &[click, pair] : rows)
            QTest::addRow("click %d shows P%d", click, pair) << click << pair;
    }
    void positionHoldsPair()
    {
        QFETCH(int, click);
        QFETCH(int, pair);
        QCOMPARE(boxAfterClicks(click),
                 SignatureCatalogue::pairText(SignatureCatalogue::pair(pair)));
    }

    void repeatsShowSameText_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("again");
        QTest::addRow("P11 at 11 and 22") << 11 << 22;
        QTest::addRow("P11 at 11 and 49") << 11 << 49;
        QTest::addRow("P26 at 27 and 38") << 27 << 38;
        QTest::addRow("P26 at 27 and 54") << 27 << 54;
        QTest::addRow("P1 at 1 and 28") << 1 << 28;
    }
    void repeatsShowSameText()
    {
        QFETCH(int, first);
        QFETCH(int, again);
        QCOMPARE(boxAfterClicks(again), boxAfterClicks(first));
    }

    void firstClickShowsP1()
    {
        FakeSurface surface;
        surface.status = QStringLiteral(u"你已成功复制签名");
        qint32 pairCount = 0;
        getSignature(surface, pairCount);
        QCOMPARE(pairCount, 1);
        QCOMPARE(surface.box, p1A + QStringLiteral("\r\n\r\n") + p1B);
        QVERIFY(surface.status.isEmpty());
    }

    void quotedPairs_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<QString>("lineA");
        QTest::addColumn<QString>("lineB");
        QTest::addRow("P1") << 1 << p1A << p1B;
        QTest::addRow("P3") << 3
                            << QStringLiteral(u"﹎．┈|如果囿⒈兲; 伱能到莪d’訫里去看看~.． 〃 "
                                              u"|伱⒈啶会流泪;  ")
                            << QStringLiteral(u"﹎．┈|如果囿⒈兲; 莪能到伱d’訫里去看看~.． 〃 "
                                              u"|莪⒈啶会流泪;");
        QTest::addRow("P5") << 5
                            << QStringLiteral(
                                   u"メJ绝配恋♀(女) ╳灬儍儍滴ぴ ヅ天使ぺ嫙嵂 ｛尛莮孩┑  ")
                            << QStringLiteral(u"メJ绝配恋♂(男) ╳灬痴痴滴ぴ ヅ恶魔ぺ嫙嵂 ｛尛钕孩┑");
        QTest::addRow("P26") << 26 << QStringLiteral(u"曾经热门的爱情旅程，却以迷路告终。  ")
                             << QStringLiteral(u"一度流行的爱情游戏，却被过时谢幕。");
    }
    void quotedPairs()
    {
        QFETCH(int, pair);
        QFETCH(QString, lineA);
        QFETCH(QString, lineB);
        const CatalogueEntry entry = SignatureCatalogue::pair(pair);
        QCOMPARE(entry.lineA.toString(), lineA);
        QCOMPARE(entry.lineB.toString(), lineB);
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
        const CatalogueEntry entry = SignatureCatalogue::pair(pair);
        const QString a = entry.lineA.toString();
        const QString b = entry.lineB.toString();
        QVERIFY2(a.endsWith(u"  ") && !a.endsWith(u"   "), "line A ends in exactly two blanks");
        QVERIFY2(!b.endsWith(u' '), "line B ends in no blank");
        for (const QString &line : {a, b}) {
            QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));
            const qsizetype length = line.trimmed().size();
            const bool quoted = pair == 1 || pair == 3 || pair == 5 || pair == 26;
            QVERIFY2(quoted || (length >= 18 && length <= 36), qPrintable(QString::number(length)));
            QVERIFY2(inCodePage936(line), "every character encodes in code page 936");
            QCOMPARE(line.count(QChar(0x3000)), pair == 13 ? 1 : 0);
            QCOMPARE(line.contains(QChar(0xE7EC)), pair == 14 || pair == 24);
        }
        QVERIFY2(a != b, "the two lines mirror, they do not repeat");
    }

    void pairsAreDistinct()
    {
        QSet<QString> texts;
        for (int k = 1; k <= SignatureCatalogue::distinctPairCount; ++k)
            texts.insert(SignatureCatalogue::pairText(SignatureCatalogue::pair(k)));
        QCOMPARE(texts.size(), SignatureCatalogue::distinctPairCount);
    }

    void closingNoticeAtClick55()
    {
        const QString notice = boxAfterClicks(55);
        QCOMPARE(notice, QStringLiteral(u"更多情侣个性签名请期待下一版，Korvane ") + siteBase() +
                             QStringLiteral(u" —— 免费QQ空间素材大全"));
        QVERIFY(siteBase().startsWith(u"http://"));
        QVERIFY(!siteBase().endsWith(u'/'));
        QVERIFY(!notice.contains(u'\n'));
        QVERIFY(inCodePage936(notice));
    }

    void exhaustedWalkOnlyClearsStatus_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addRow("click 56") << 56;
        QTest::addRow("click 57") << 57;
        QTest::addRow("click 200") << 200;
    }
    void exhaustedWalkOnlyClearsStatus()
    {
        QFETCH(int, clicks);
        FakeSurface surface;
        qint32 pairCount = 0;
        for (int i = 0; i < 55; ++i)
            getSignature(surface, pairCount);
        surface.box = QStringLiteral("typed by the user");
        for (int i = 55; i < clicks; ++i) {
            surface.status = QStringLiteral(u"加空格成功");
            getSignature(surface, pairCount);
            QVERIFY(surface.status.isEmpty());
        }
        QCOMPARE(pairCount, clicks);
        QCOMPARE(surface.box, QStringLiteral("typed by the user"));
        QCOMPARE(surface.boxWrites, 55);
    }

    void typedTextIsReplacedByNextPosition()
    {
        FakeSurface surface;
        qint32 pairCount = 0;
        getSignature(surface, pairCount);
        surface.box = QStringLiteral(u"我自己写的");
        getSignature(surface, pairCount);
        QCOMPARE(pairCount, 2);
        QCOMPARE(surface.box, SignatureCatalogue::textAt(2));
    }

    void countStopsAtItsMaximum()
    {
        FakeSurface surface;
        surface.box = QStringLiteral("kept");
        qint32 pairCount = std::numeric_limits<qint32>::max() - 1;
        for (int i = 0; i < 3; ++i)
            getSignature(surface, pairCount);
        QCOMPARE(pairCount, std::numeric_limits<qint32>::max());
        QCOMPARE(surface.box, QStringLiteral("kept"));
        QCOMPARE(surface.boxWrites, 0);
    }

    void lookupOutsideTheCatalogueIsEmpty_data()
    {
        QTest::addColumn<int>("position");
        QTest::addRow("0") << 0;
        QTest::addRow("56") << 56;
        QTest::addRow("-1") << -1;
    }
    void lookupOutsideTheCatalogueIsEmpty()
    {
        QFETCH(int, position);
        QVERIFY(SignatureCatalogue::textAt(position).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
