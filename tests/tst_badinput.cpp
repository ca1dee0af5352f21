#include "CodePoints.h"
#include "FakeAdapters.h"
#include "FakeSurface.h"
#include "tools/CopySignature.h"
#include "tools/InsertSpaces.h"
#include "tools/ToTraditional.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QString withoutBlanks(QString text)
{
    return text.remove(u' ');
}

bool isHan(char32_t point)
{
    return QChar::script(point) == QChar::Script_Han;
}

// A long text of Chinese, symbols, blanks and line breaks.
QString longMixedText(qsizetype length)
{
    const QString pieces = QStringLiteral(u"头发干净后来皇后，爱你 一生 ★☆\r\n鍾情系鞋带");
    QString text;
    text.reserve(length);
    QRandomGenerator random(20111);
    while (text.size() < length)
        text += pieces.at(random.bounded(pieces.size()));
    return text;
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodePage936> codePage = createCodePage936();
    std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();

private slots:
    void commandsKeepEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("1,000,000 pasted characters") << longMixedText(1'000'000);
        QTest::addRow("lone high surrogate")
            << QStringLiteral(u"爱") + QChar(0xD83D) + QStringLiteral(u"你 后来");
        QTest::addRow("lone low surrogate")
            << QChar(0xDE00) + QStringLiteral(u"头发 ") + QChar(0xDC00);
        QTest::addRow("U+0000 inside")
            << QStringLiteral(u"头发") + QChar(0) + QStringLiteral(u"干净 后来");
        QTest::addRow("U+00A0 and U+FEFF") << QStringLiteral(u"\uFEFF头发\u00A0干净\uFEFF");
        QTest::addRow("right-to-left text") << QStringLiteral(u"שלום עולם مرحبا 后来");
        QTest::addRow("outside the BMP") << QStringLiteral(u"𠀀𠀁 😀👍🏽 后来 𝄞");
        QTest::addRow("only blanks and breaks") << QStringLiteral(u"   \r\n \r \n  ");
    }
    void commandsKeepEveryCharacter()
    {
        QFETCH(QString, text);
        FakeSurface surface;

        surface.box = text;
        insertSpaces(surface);
        QCOMPARE(surface.status, QStringLiteral(u"加空格成功"));
        QVERIFY2(withoutBlanks(surface.box) == withoutBlanks(text), "spacing lost a character");
        QVERIFY(!surface.box.startsWith(u' ') && !surface.box.endsWith(u' '));
        QVERIFY(!surface.box.contains(QStringLiteral("  ")));

        surface.box = text;
        toTraditional(surface, *codePage, *mapper);
        QCOMPARE(surface.status, QStringLiteral(u"签名已转为繁体字"));
        const QList<char32_t> before = codePointsOf(text);
        const QList<char32_t> after = codePointsOf(surface.box);
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            const bool mayChange =
                isHan(before.at(i)) && !codePage->encodeChar(before.at(i)).isEmpty();
            if (!mayChange && after.at(i) != before.at(i))
                QFAIL(qPrintable(QStringLiteral("code point %1 changed").arg(i)));
        }

        MemoryClipboard clipboard;
        surface.box = text;
        copySignature(surface, clipboard);
        QVERIFY(clipboard.text == text);
        QCOMPARE(surface.box, text);
    }
};

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
