#include "FakeSurface.h"
#include "platform/GraphemeClusters.h"
#include "tools/InsertSpaces.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <unicode/ubrk.h>

#include <memory>

namespace {

// Pieces random texts are made of, each one character as a reader sees it,
// chosen so that no two of them merge when put side by side.
const QStringList pieces{
    QStringLiteral(" "),        QStringLiteral(" "),         QStringLiteral(" "),
    QStringLiteral("a"),        QStringLiteral(u"中"),       QStringLiteral(u"，"),
    QStringLiteral("\r"),       QStringLiteral("\n"),        QStringLiteral("\t"),
    QStringLiteral(u"\u3000"),  QStringLiteral(u"\u00A0"),   QStringLiteral(u"\u0000"),
    QStringLiteral(u"\uE7EC"),  QStringLiteral(u"😀"),        QStringLiteral(u"❤\uFE0F"),
    QStringLiteral(u"e\u0301"), QStringLiteral(u"👩\u200D👧"), QStringLiteral(u"🇨🇳"),
};

struct BreakIteratorCloser
{
    void operator()(UBreakIterator *iterator) const { ubrk_close(iterator); }
};
using BreakIterator = std::unique_ptr<UBreakIterator, BreakIteratorCloser>;

BreakIterator openBreakIterator(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    BreakIterator iterator(ubrk_open(UBRK_CHARACTER, "",
                                     reinterpret_cast<const UChar *>(text.utf16()),
                                     int32_t(text.size()), &status));
    return U_SUCCESS(status) ? std::move(iterator) : nullptr;
}

// The spacing the slow way: ICU's clusters of the whole text, CR LF as two,
// blanks taken out, one blank between what is left.
QString spacedByIcu(const QString &text)
{
    const BreakIterator iterator = openBreakIterator(text);
    if (!iterator)
        return QStringLiteral("no break iterator");
    QStringList pieces;
    int32_t start = 0;
    for (int32_t end = ubrk_next(iterator.get()); end != UBRK_DONE;
         end = ubrk_next(iterator.get())) {
        const QString cluster = text.mid(start, end - start);
        start = end;
        if (cluster == u"\r\n")
            pieces << QStringLiteral("\r") << QStringLiteral("\n");
        else
            pieces += cluster.split(u' ', Qt::SkipEmptyParts);
    }
    return pieces.join(u' ');
}

// Units that join their neighbours or decide how others join: marks,
// joiners, jamo, emoji parts, flag halves, prepended characters, lone
// surrogates, controls.
const QStringList joiners{
    QStringLiteral(u"\u0301"), QStringLiteral(u"\u093F"),     QStringLiteral(u"\u094D"),
    QStringLiteral(u"\u0915"), QStringLiteral(u"\u1100"),     QStringLiteral(u"\u1161"),
    QStringLiteral(u"\u11A8"), QStringLiteral(u"\uAC00"),     QStringLiteral(u"\uAC01"),
    QStringLiteral(u"😀"),      QStringLiteral(u"👩"),          QStringLiteral(u"❤"),
    QStringLiteral(u"\u200D"), QStringLiteral(u"\u200C"),     QStringLiteral(u"\U0001F3FB"),
    QStringLiteral(u"\uFE0F"), QStringLiteral(u"\U0001F1E8"), QStringLiteral(u"\U0001F1F3"),
    QStringLiteral(u"\u0600"), QStringLiteral(u"\U000110BD"), QString(QChar(0xD83D)),
    QString(QChar(0xDE00)),    QStringLiteral(u"\u00AD"),     QStringLiteral("\t"),
    QString(QChar(0)),
};

// Blocks around the punctuation of Chinese text, where units that stand
// alone and marks that join lie side by side.
constexpr std::pair<char16_t, int> mixedBlocks[] = {
    {0x0000, 0x0400}, {0x2000, 0x2100}, {0x2C00, 0x2E10},  {0x3000, 0x3100},
    {0xA600, 0xA700}, {0xFB00, 0xFB40}, {0xFE00, 0x10000},
};

// Mostly Chinese with its punctuation, now and then a joiner, a unit of a
// mixed block or a line break; when not `mostlyChinese`, each of the four
// about as often.
QString randomText(QRandomGenerator &random, int pieceCount, bool mostlyChinese)
{
    static const QString chinese = QStringLiteral(u"爱情旅程却以迷路告终，。、【】『』\u3000ab ");
    static const QStringList breaks{QStringLiteral("\r\n"), QStringLiteral("\r"),
                                    QStringLiteral("\n"), QStringLiteral("  ")};
    QString text;
    for (int i = 0; i < pieceCount; ++i) {
        switch (random.bounded(mostlyChinese ? 40 : 4)) {
        case 0:
            text += joiners.at(random.bounded(int(joiners.size())));
            break;
        case 1: {
            const auto [first, end] = mixedBlocks[random.bounded(int(std::size(mixedBlocks)))];
            text += QChar(char16_t(first + random.bounded(end - first)));
            break;
        }
        case 2:
            text += breaks.at(random.bounded(int(breaks.size())));
            break;
        default:
            text += chinese.at(random.bounded(int(chinese.size())));
        }
    }
    return text;
}

QString hexUnits(QStringView text)
{
    QStringList units;
    for (const QChar unit : text)
        units << QString::number(unit.unicode(), 16);
    return units.join(u' ');
}

} // namespace

class TestInsertSpaces : public QObject
{
    Q_OBJECT

private slots:
    void spacesTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::addRow("a b c") << QStringLiteral("abc") << QStringLiteral("a b c");
        QTest::addRow("one blank stays") << QStringLiteral("a b") << QStringLiteral("a b");
        QTest::addRow("two blanks shrink") << QStringLiteral("a  b") << QStringLiteral("a b");
        QTest::addRow("long run of blanks") << QStringLiteral("a     b") << QStringLiteral("a b");
        QTest::addRow("blanks at the ends") << QStringLiteral("  a  b   ") << QStringLiteral("a b");
        QTest::addRow("one character") << QStringLiteral(u"爱") << QStringLiteral(u"爱");
        QTest::addRow("only blanks") << QStringLiteral("    ") << QString();
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("ends in CR LF") << QStringLiteral("ab\r\n") << QStringLiteral("a b \r \n");
        QTest::addRow("CR LF inside") << QStringLiteral("a\r\nb") << QStringLiteral("a \r \n b");
        QTest::addRow("P26")
            << QStringLiteral(u"曾经热门的爱情旅程，却以迷路告终。  \r\n\r\n"
                              u"一度流行的爱情游戏，却被过时谢幕。")
            << QStringLiteral(u"曾 经 热 门 的 爱 情 旅 程 ， 却 以 迷 路 告 终 。 \r \n \r \n "
                              u"一 度 流 行 的 爱 情 游 戏 ， 却 被 过 时 谢 幕 。");
        QTest::addRow("ideographic space is a character")
            << QStringLiteral(u"\u3000爱\u3000") << QStringLiteral(u"\u3000 爱 \u3000");
        QTest::addRow("tab and no-break space are characters")
            << QStringLiteral(u"a\tb\u00A0") << QStringLiteral(u"a \t b \u00A0");
        QTest::addRow("surrogate pairs") << QStringLiteral(u"😀😀") << QStringLiteral(u"😀 😀");
        QTest::addRow("emoji with variation selector")
            << QStringLiteral(u"❤\uFE0F爱") << QStringLiteral(u"❤\uFE0F 爱");
        QTest::addRow("emoji with joiners") << QStringLiteral(u"👩\u200D❤\uFE0F\u200D👨爱")
                                            << QStringLiteral(u"👩\u200D❤\uFE0F\u200D👨 爱");
        QTest::addRow("flag after emoji") << QStringLiteral(u"😀🇨🇳") << QStringLiteral(u"😀 🇨🇳");
        QTest::addRow("combining marks")
            << QStringLiteral(u"e\u0301\u0302x") << QStringLiteral(u"e\u0301\u0302 x");
        QTest::addRow("mark after a blank")
            << QStringLiteral(u"a \u0301b") << QStringLiteral(u"a \u0301 b");
        QTest::addRow("lone surrogate")
            << QChar(0xD800) + QStringLiteral("a") << QChar(0xD800) + QStringLiteral(" a");
        QTest::addRow("32767 characters")
            << QString(32767, u'字') << QStringLiteral(u"字 ").repeated(32766) + u'字';
        QTest::addRow("beyond 32767 characters")
            << QStringLiteral("ab").repeated(20000)
            << QStringLiteral("a b ").repeated(19999) + QStringLiteral("a b");
    }
    void spacesTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, expected);
        FakeSurface surface;
        surface.box = box;
        surface.status = QStringLiteral(u"签名已转为繁体字");
        insertSpaces(surface);
        QCOMPARE(surface.box, expected);
        QCOMPARE(surface.status, QStringLiteral(u"加空格成功"));
        QCOMPARE(surface.boxWrites, 1);
        insertSpaces(surface);
        QCOMPARE(surface.box, expected);
    }

    void randomTextsGetOneBlankBetweenCharacters_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("maxPieces");
        for (const quint32 seed : {1u, 32767u, 20110101u})
            QTest::addRow("seed %u, short texts", seed) << seed << 300 << 30;
        QTest::addRow("seed 5, long texts") << 5u << 3 << 50000;
    }
    void randomTextsGetOneBlankBetweenCharacters()
    {
        QFETCH(quint32, seed);
        QFETCH(int, rounds);
        QFETCH(int, maxPieces);
        QRandomGenerator random(seed);
        for (int round = 0; round < rounds; ++round) {
            QString text;
            QStringList characters;
            const int count = random.bounded(maxPieces + 1);
            for (int i = 0; i < count; ++i) {
                const QString &piece = pieces.at(random.bounded(int(pieces.size())));
                text += piece;
                if (piece != u" ")
                    characters.append(piece);
            }
            const QString expected = characters.join(u' ');
            QCOMPARE(spacedText(text), expected);
            QCOMPARE(spacedText(expected), expected);
        }
    }

    void matchesIcuClustersOnRandomTexts_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("maxPieces");
        QTest::addColumn<bool>("mostlyChinese");
        for (const quint32 seed : {7u, 29u, 2011u})
            QTest::addRow("seed %u, short mixed texts", seed) << seed << 3000 << 80 << false;
        QTest::addRow("seed 3, long mixed texts") << 3u << 30 << 4000 << false;
        QTest::addRow("seed 4, short Chinese texts") << 4u << 3000 << 120 << true;
        QTest::addRow("seed 5, long Chinese texts") << 5u << 20 << 40000 << true;
    }
    void matchesIcuClustersOnRandomTexts()
    {
        QFETCH(quint32, seed);
        QFETCH(int, rounds);
        QFETCH(int, maxPieces);
        QFETCH(bool, mostlyChinese);
        QRandomGenerator random(seed);
        for (int round = 0; round < rounds; ++round) {
            const QString text = randomText(random, random.bounded(maxPieces + 1), mostlyChinese);
            const QString spaced = spacedText(text);
            const QString expected = spacedByIcu(text);
            if (spaced != expected) {
                qsizetype at = 0;
                while (at < spaced.size() && at < expected.size() && spaced[at] == expected[at])
                    ++at;
                QFAIL(qPrintable(QStringLiteral("round %1, text %2\ngot      %3\nexpected %4")
                                     .arg(round)
                                     .arg(hexUnits(QStringView(text).left(400)),
                                          hexUnits(QStringView(spaced).sliced(at).left(40)),
                                          hexUnits(QStringView(expected).sliced(at).left(40)))));
            }
            QCOMPARE(spacedText(spaced), spaced);
        }
    }

    // Every BMP unit taken as standalone is a cluster of its own beside the
    // others, whatever side they stand on, CR LF apart.
    void standaloneUnitsBreakBesideEachOther()
    {
        const StandaloneUnits &standalone = StandaloneUnits::instance();
        const QString neighbours = QStringLiteral(u"a 中，\u3000❤\r\n") + QChar(0) + QChar(0xE7EC);
        for (const QChar neighbour : neighbours)
            QVERIFY(standalone.contains(neighbour.unicode()));
        QString pair(2, u' ');
        const BreakIterator iterator = openBreakIterator(pair);
        QVERIFY(iterator);
        int count = 0;
        for (int unit = 0; unit <= 0xFFFF; ++unit) {
            if (!standalone.contains(char16_t(unit)))
                continue;
            ++count;
            for (const QChar neighbour : neighbours) {
                for (const bool unitFirst : {true, false}) {
                    pair[0] = unitFirst ? QChar(unit) : neighbour;
                    pair[1] = unitFirst ? neighbour : QChar(unit);
                    if (pair == u"\r\n")
                        continue;
                    UErrorCode status = U_ZERO_ERROR;
                    ubrk_setText(iterator.get(), reinterpret_cast<const UChar *>(pair.utf16()), 2,
                                 &status);
                    if (!ubrk_isBoundary(iterator.get(), 1))
                        QFAIL(qPrintable(QStringLiteral("no boundary in ") + hexUnits(pair)));
                }
            }
        }
        // Chinese text is made of them: far more than half the BMP.
        QVERIFY2(count > 40000, qPrintable(QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(TestInsertSpaces)
#include "tst_insertspaces.moc"
