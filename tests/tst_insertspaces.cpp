#include "FakeSurface.h"
#include "tools/InsertSpaces.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestInsertSpaces)
#include "tst_insertspaces.moc"
