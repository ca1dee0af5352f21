#include "platform/CodePage936.h"
#include "platform/GraphemeClusters.h"
#include "platform/TraditionalMapper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <opencc/Config.hpp>
#include <opencc/Exception.hpp>

namespace {

QString fromCodePoint(char32_t point)
{
    return QString::fromUcs4(&point, 1);
}

// Runs in a directory holding junk files named like OpenCC's dictionaries.
class JunkDictionariesInCurrentDirectory
{
public:
    JunkDictionariesInCurrentDirectory() : m_previous(QDir::currentPath())
    {
        for (const char *name : {"STPhrases.ocd2", "STCharacters.ocd2"}) {
            QFile junk(m_dir.filePath(QString::fromLatin1(name)));
            if (junk.open(QIODevice::WriteOnly))
                junk.write("junk");
        }
        QDir::setCurrent(m_dir.path());
    }
    ~JunkDictionariesInCurrentDirectory() { QDir::setCurrent(m_previous); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace

class TestTextAdapters : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodePage936> codePage = createCodePage936();

private slots:
    void encodesAsWindowsDoes_data()
    {
        QTest::addColumn<uint>("codePoint");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("ASCII letter") << 0x61u << QByteArray::fromHex("61");
        QTest::addRow("U+0000") << 0x0u << QByteArray::fromHex("00");
        QTest::addRow("simplified 中") << 0x4E2Du << QByteArray::fromHex("d6d0");
        QTest::addRow("traditional 國") << 0x570Bu << QByteArray::fromHex("87f8");
        QTest::addRow("ideographic space") << 0x3000u << QByteArray::fromHex("a1a1");
        QTest::addRow("euro sign") << 0x20ACu << QByteArray::fromHex("80");
        QTest::addRow("private use U+E7EC") << 0xE7ECu << QByteArray::fromHex("a98e");
        QTest::addRow("private use U+F8F5") << 0xF8F5u << QByteArray::fromHex("ff");
        QTest::addRow("decorative ★") << 0x2605u << QByteArray::fromHex("a1ef");
    }
    void encodesAsWindowsDoes()
    {
        QFETCH(uint, codePoint);
        QFETCH(QByteArray, bytes);
        QCOMPARE(codePage->encodeChar(codePoint), bytes);
        QCOMPARE(codePage->decode(bytes), fromCodePoint(codePoint));
    }

    void charactersWithoutBytes_data()
    {
        QTest::addColumn<uint>("codePoint");
        QTest::addRow("emoji") << 0x1F600u;
        QTest::addRow("heavy heart U+2764") << 0x2764u;
        QTest::addRow("yen sign U+00A5") << 0xA5u;
        QTest::addRow("no-break space") << 0xA0u;
        QTest::addRow("katakana middle dot") << 0x30FBu;
        QTest::addRow("macron") << 0xAFu;
        // ICU drops these silently in a whole-text conversion.
        QTest::addRow("zero width space") << 0x200Bu;
        QTest::addRow("byte order mark") << 0xFEFFu;
        QTest::addRow("variation selector 16") << 0xFE0Fu;
        QTest::addRow("soft hyphen") << 0xADu;
        QTest::addRow("Han outside the BMP") << 0x20000u;
        QTest::addRow("lone surrogate") << 0xD800u;
        QTest::addRow("beyond Unicode") << 0x110000u;
    }
    void charactersWithoutBytes()
    {
        QFETCH(uint, codePoint);
        QVERIFY(codePage->encodeChar(codePoint).isEmpty());
    }

    void decodesRunsOfCharacters()
    {
        QCOMPARE(codePage->decode(QByteArray::fromHex("d6d0a1a18061a98e0d0a")),
                 QStringLiteral(u"中\u3000€a\uE7EC\r\n"));
        QVERIFY(codePage->decode(QByteArray()).isEmpty());
    }

    void mapsByPhrase_data()
    {
        QTest::addColumn<QString>("simplified");
        QTest::addColumn<QString>("traditional");
        QTest::addRow("演绎悲伤里")
            << QStringLiteral(u"演绎悲伤里") << QStringLiteral(u"演繹悲傷裏");
        QTest::addRow("钟情") << QStringLiteral(u"钟情") << QStringLiteral(u"鍾情");
        QTest::addRow("系鞋带") << QStringLiteral(u"系鞋带") << QStringLiteral(u"繫鞋帶");
        QTest::addRow("头发") << QStringLiteral(u"头发") << QStringLiteral(u"頭髮");
        QTest::addRow("发现") << QStringLiteral(u"发现") << QStringLiteral(u"發現");
        QTest::addRow("干净") << QStringLiteral(u"干净") << QStringLiteral(u"乾淨");
        QTest::addRow("干部") << QStringLiteral(u"干部") << QStringLiteral(u"幹部");
        QTest::addRow("后来") << QStringLiteral(u"后来") << QStringLiteral(u"後來");
        QTest::addRow("皇后 stays") << QStringLiteral(u"皇后") << QStringLiteral(u"皇后");
        QTest::addRow("pieces around U+0000")
            << QStringLiteral(u"头发\u0000后来\u0000") << QStringLiteral(u"頭髮\u0000後來\u0000");
        QTest::addRow("byte order marks at the start and after U+0000")
            << QStringLiteral(u"\uFEFF头发\u0000\uFEFF后来")
            << QStringLiteral(u"\uFEFF頭髮\u0000\uFEFF後來");
        QTest::addRow("empty") << QString() << QString();
    }
    void mapsByPhrase()
    {
        QFETCH(QString, simplified);
        QFETCH(QString, traditional);
        QCOMPARE(createTraditionalMapper()->toTraditional(simplified), traditional);
    }

    void ignoresDictionariesInCurrentDirectory()
    {
        const JunkDictionariesInCurrentDirectory junk;
        // The junk is found by a configuration naming its files relatively.
        opencc::Config config;
        QVERIFY_THROWS_EXCEPTION(opencc::Exception,
                                 config.NewFromFile(VELMORA_OPENCC_DATA_DIR "/s2t.json"));
        QCOMPARE(createTraditionalMapper()->toTraditional(QStringLiteral(u"头发后来")),
                 QStringLiteral(u"頭髮後來"));
    }

    void graphemeClusters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qsizetype>>("ends");
        QTest::addRow("empty") << QString() << QList<qsizetype>{};
        QTest::addRow("CR LF is one") << QStringLiteral("a\r\nb") << QList<qsizetype>{1, 3, 4};
        QTest::addRow("surrogate pair") << QStringLiteral(u"😀a") << QList<qsizetype>{2, 3};
        QTest::addRow("flag after emoji") << QStringLiteral(u"😀🇨🇳") << QList<qsizetype>{2, 6};
        QTest::addRow("combining mark") << QStringLiteral(u"e\u0301x") << QList<qsizetype>{2, 3};
        QTest::addRow("emoji with joiners")
            << QStringLiteral(u"👩\u200D❤\uFE0F\u200D👨!") << QList<qsizetype>{8, 9};
    }
    void graphemeClusters()
    {
        QFETCH(QString, text);
        QFETCH(QList<qsizetype>, ends);
        QCOMPARE(graphemeClusterEnds(text), ends);
    }
};

QTEST_GUILESS_MAIN(TestTextAdapters)
#include "tst_textadapters.moc"
