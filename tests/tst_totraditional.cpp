#include "CodePoints.h"
#include "FakeSurface.h"
#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"
#include "tools/ToTraditional.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QString p1 = QStringLiteral(u"导演记忆中不该记录的回忆、悲伤，伤悲。习惯就好。  \r\n\r\n"
                                  u"演绎悲伤里不配悲情的心伤、离别，别离。自然就好。");
// Checked against `opencc -c s2t`.
const QString p1Traditional =
    QStringLiteral(u"導演記憶中不該記錄的回憶、悲傷，傷悲。習慣就好。  \r\n\r\n"
                   u"演繹悲傷裏不配悲情的心傷、離別，別離。自然就好。");

// Maps character by character through a table; can be told to garble a
// text of more than one code point by dropping its first code unit.
class TableMapper final : public TraditionalMapper
{
public:
    QHash<char32_t, char32_t> table;
    bool garbleLongTexts = false;

    QString toTraditional(const QString &simplified) override
    {
        if (garbleLongTexts && simplified.toUcs4().size() > 1)
            return simplified.mid(1);
        QList<uint> points = simplified.toUcs4();
        for (uint &point : points)
            point = table.value(point, point);
        return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()),
                                 points.size());
    }
};

// Code points random texts are drawn from: simplified characters, the eight
// whose traditional form code page 936 lacks, traditional ones, symbols,
// breaks and characters code page 936 cannot hold at all.
const QList<char32_t> alphabet = codePointsOf(QStringLiteral(
    u"的一是了我不人在他有这个上们来到时大地为子中你说生国年着就那和要她出也得里后自以会家可下而过"
    u"天去能对小多然于心学么之都好看起发当没成只如事把还用样道想作种开美从无情面最女但现前些所同日"
    u"手又行意动方它头经长儿回位分爱老因很给名法间知世什两次使身者被高已亲其进此话常与活正感钟系干"
    u"刾擜暅毶鲃鳚鳤鹮發髮國愛𠀀𪚥★☆●◎◆◇〓↓↑←→※♂♀§┆┊⊙≌≯≮￣︶﹎．┈⒈々〇"
    u"aZ09 ,.;:~|()   \r\n\t\u3000\u0000\uE7EC😀\u2764\uFE0F\u00A5\u00A0\u200B\uFEFF\u00AD"));

QString randomText(QRandomGenerator &random, int length)
{
    QList<char32_t> points;
    for (int i = 0; i < length; ++i)
        points.append(alphabet.at(random.bounded(int(alphabet.size()))));
    return QString::fromUcs4(points.constData(), points.size());
}

} // namespace

class TestToTraditional : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodePage936> codePage = createCodePage936();
    std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();

private slots:
    void convertsTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::addRow("P1 keeps blanks and CR LF") << p1 << p1Traditional;
        QTest::addRow("phrases") << QStringLiteral(u"钟情的她系鞋带，头发干净。")
                                 << QStringLiteral(u"鍾情的她繫鞋帶，頭髮乾淨。");
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("private use U+E7EC")
            << QStringLiteral(u"\uE7EC爱\uE7EC") << QStringLiteral(u"\uE7EC愛\uE7EC");
        QTest::addRow("emoji and heart")
            << QStringLiteral(u"😀爱❤\uFE0F你") << QStringLiteral(u"😀愛❤\uFE0F你");
        QTest::addRow("yen and no-break space")
            << QStringLiteral(u"¥\u00A0钱") << QStringLiteral(u"¥\u00A0錢");
        QTest::addRow("zero width space and BOM")
            << QStringLiteral(u"\uFEFF中\u200B国") << QStringLiteral(u"\uFEFF中\u200B國");
        QTest::addRow("U+0000 does not cut short")
            << QStringLiteral(u"头\u0000发\u0000后来") << QStringLiteral(u"頭\u0000發\u0000後來");
        QTest::addRow("traditional form outside code page 936")
            << QStringLiteral(u"鲃鱼刾擜暅毶鳚鳤鹮发") << QStringLiteral(u"鲃魚刾擜暅毶鳚鳤鹮發");
        QTest::addRow("Han outside the BMP") << QStringLiteral(u"𠀀发") << QStringLiteral(u"𠀀發");
        QTest::addRow("lone surrogates") << QChar(0xDC00) + QStringLiteral(u"发") + QChar(0xD800)
                                         << QChar(0xDC00) + QStringLiteral(u"發") + QChar(0xD800);
        QTest::addRow("ideographic space at the ends")
            << QStringLiteral(u"\u3000发\u3000") << QStringLiteral(u"\u3000發\u3000");
        const QString symbols = QStringLiteral(u"★☆●◎◆◇〓↓↑←→※♂♀§┆┊ ⊙≌≯≮(￣︶￣)↗ \r\n"
                                               u"(┬＿┬)↘ ∑√々 ﹎．┈|⒈ d’~.． 〃 |;\tAb 12 \r\r\n");
        QTest::addRow("symbols and breaks unchanged") << symbols << symbols;
    }
    void convertsTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, expected);
        FakeSurface surface;
        surface.box = box;
        surface.status = QStringLiteral(u"你已成功复制签名");
        toTraditional(surface, *codePage, *mapper);
        QCOMPARE(surface.box, expected);
        QCOMPARE(surface.status, QStringLiteral(u"签名已转为繁体字"));
        QCOMPARE(surface.boxWrites, 1);
    }

    void guardsTheMapping_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<uint>("from");
        QTest::addColumn<uint>("to");
        QTest::addColumn<bool>("garble");
        QTest::addColumn<QString>("expected");
        QTest::addRow("Han to Han is taken")
            << QStringLiteral(u"a发b") << 0x53D1u << 0x767Cu << false << QStringLiteral(u"a發b");
        QTest::addRow("non-Han never changes")
            << QStringLiteral(u"a，发") << 0xFF0Cu << 0x3001u << false << QStringLiteral(u"a，发");
        QTest::addRow("target outside code page 936")
            << QStringLiteral(u"发现") << 0x53D1u << 0x23136u << false << QStringLiteral(u"发现");
        QTest::addRow("target of another byte length")
            << QStringLiteral(u"发现") << 0x53D1u << uint('x') << false << QStringLiteral(u"发现");
        QTest::addRow("count changed: character by character")
            << QStringLiteral(u"头发\u0000😀x发") << 0x53D1u << 0x767Cu << true
            << QStringLiteral(u"头發\u0000😀x發");
    }
    void guardsTheMapping()
    {
        QFETCH(QString, source);
        QFETCH(uint, from);
        QFETCH(uint, to);
        QFETCH(bool, garble);
        QFETCH(QString, expected);
        TableMapper table;
        table.table.insert(from, to);
        table.garbleLongTexts = garble;
        QCOMPARE(traditionalText(source, *codePage, table), expected);
    }

    void randomTextsKeepTheirShape_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("minLength");
        QTest::addColumn<int>("maxLength");
        for (const quint32 seed : {2011u, 936u, 2052u})
            QTest::addRow("seed %u, short texts", seed) << seed << 200 << 0 << 40;
        QTest::addRow("seed 7, long text") << 7u << 1 << 40000 << 40000;
    }
    void randomTextsKeepTheirShape()
    {
        QFETCH(quint32, seed);
        QFETCH(int, rounds);
        QFETCH(int, minLength);
        QFETCH(int, maxLength);
        QRandomGenerator random(seed);
        for (int round = 0; round < rounds; ++round) {
            const QString source = randomText(random, random.bounded(minLength, maxLength + 1));
            const QList<char32_t> in = codePointsOf(source);
            const QList<char32_t> out = codePointsOf(traditionalText(source, *codePage, *mapper));
            QCOMPARE(out.size(), in.size());
            for (qsizetype i = 0; i < in.size(); ++i) {
                const bool han = QChar::script(in[i]) == QChar::Script_Han;
                const bool encodes = !codePage->encodeChar(in[i]).isEmpty();
                if ((!han && out[i] != in[i]) ||
                    (encodes && codePage->encodeChar(out[i]).isEmpty()))
                    QFAIL(qPrintable(QStringLiteral("U+%1 became U+%2 at %3 of \"%4\"")
                                         .arg(uint(in[i]), 4, 16, QChar(u'0'))
                                         .arg(uint(out[i]), 4, 16, QChar(u'0'))
                                         .arg(i)
                                         .arg(source)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestToTraditional)
#include "tst_totraditional.moc"
