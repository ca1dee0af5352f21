// SPDX-License-Identifier: MIT
#include "commands/CopySignature.h"
#include "commands/InsertSpaces.h"
#include "commands/ToTraditional.h"
#include "FakeAdapters.h"
#include "FakeSurface.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <opencc/Config.hpp>
#include <opencc/Exception.hpp>

class TestTextCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodePage936> codePage = createCodePage936();
    std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();
    const QString copied = QStringLiteral(u"你已成功复制签名");
    const QString converted = QStringLiteral(u"签名已转为繁体字");

private slots:
    // Golden cases; the fuzzer holds the spacing to ICU's clusters on any text.
    void spacesTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::addRow("only blanks") << QStringLiteral("    ") << QString();
        QTest::addRow("ends in CR LF") << QStringLiteral("ab\r\n") << QStringLiteral("a b \r \n");
        QTest::addRow("1,000,000 characters, no length limit")
            << QStringLiteral(u"爱你  ★\r\n").repeated(200'000)
            << QStringLiteral(u"爱 你 ★ \r \n ").repeated(200'000).chopped(1);
        QTest::addRow("clusters") << QStringLiteral(u"👩\u200D❤\uFE0F\u200D👨e\u0301\u0302 \u0301")
                                  << QStringLiteral(u"👩\u200D❤\uFE0F\u200D👨 e\u0301\u0302 \u0301");
        // Qt's segmentation, which the Windows build uses for want of ICU,
        // splits a flag that follows an emoji; ICU keeps it whole.
        QTest::addRow("flag after an emoji")
            << QStringLiteral(u"😀🇨🇳")
            << (VELMORA_QT_SEGMENTATION ? QStringLiteral(u"😀 🇨 🇳") : QStringLiteral(u"😀 🇨🇳"));
    }
    void spacesTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, expected);
        FakeSurface surface;
        surface.box = box;
        insertSpaces(surface);
        QCOMPARE(surface.box, expected);
        QCOMPARE(surface.status, QStringLiteral(u"加空格成功"));
        QCOMPARE(surface.boxWrites, 1);
        insertSpaces(surface);
        QCOMPARE(surface.box, expected);
    }

    void convertsTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        // Checked against `opencc -c s2t`.
        QTest::addRow("keeps blanks and CR LF") << QStringLiteral(u"记忆、悲伤。  \r\n\r\n演绎")
                                                << QStringLiteral(u"記憶、悲傷。  \r\n\r\n演繹");
        QTest::addRow("phrases") << QStringLiteral(u"钟情的她系鞋带，头发干净。干部，皇后")
                                 << QStringLiteral(u"鍾情的她繫鞋帶，頭髮乾淨。幹部，皇后");
        QTest::addRow("unencodable characters unchanged")
            << QStringLiteral(u"😀爱❤\uFE0F¥\u00A0钱\uFEFF中\u200B国𠀀发")
            << QStringLiteral(u"😀愛❤\uFE0F¥\u00A0錢\uFEFF中\u200B國𠀀發");
        QTest::addRow("U+0000 does not cut short")
            << QStringLiteral(u"头\u0000发\u0000后来") << QStringLiteral(u"頭\u0000發\u0000後來");
        QTest::addRow("empty box") << QString() << QString();
        QTest::addRow("traditional form outside code page 936")
            << QStringLiteral(u"鲃鱼刾擜暅毶鳚鳤鹮发") << QStringLiteral(u"鲃魚刾擜暅毶鳚鳤鹮發");
    }
    void convertsTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, expected);
        FakeSurface surface;
        surface.box = box;
        toTraditional(surface, *codePage, *mapper);
        QCOMPARE(surface.box, expected);
        QCOMPARE(surface.status, converted);
        QCOMPARE(surface.boxWrites, 1);
    }

    void ignoresDictionariesInCurrentDirectory()
    {
        QTemporaryDir dir;
        for (const char *name : {"STPhrases.ocd2", "STCharacters.ocd2"}) {
            QFile junk(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("junk") == 4);
        }
        const QString previous = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        QDir::setCurrent(dir.path());
        // A configuration naming its files relatively does find the junk.
        opencc::Config config;
        QVERIFY_THROWS_EXCEPTION(opencc::Exception,
                                 config.NewFromFile(VELMORA_OPENCC_DATA_DIR "/s2t.json"));
        QCOMPARE(createTraditionalMapper()
                     ->toTraditional(QStringLiteral(u"头发后来"))
                     .value_or(QString()),
                 QStringLiteral(u"頭髮後來"));
    }

    // Without dictionaries the box stays as it is and the failure is reported;
    // dictionaries installed meanwhile are found by the next click.
    void missingDictionariesReported()
    {
        QTemporaryDir folder;
        const std::unique_ptr<TraditionalMapper> lacking = createTraditionalMapper(folder.path());
        FakeSurface surface;
        surface.box = QStringLiteral(u"头发\r\n");
        surface.status = converted;
        toTraditional(surface, *codePage, *lacking);
        QCOMPARE(surface.box, QStringLiteral(u"头发\r\n"));
        QCOMPARE(surface.status, QStringLiteral(u"转繁体失败，缺少繁体字典"));
        QCOMPARE(surface.boxWrites, 0);
        for (const char *name : {"STPhrases.ocd2", "STCharacters.ocd2"})
            QVERIFY(QFile::copy(QStringLiteral(VELMORA_OPENCC_DATA_DIR "/") + QLatin1String(name),
                                folder.filePath(QLatin1String(name))));
        toTraditional(surface, *codePage, *lacking);
        QCOMPARE(surface.box, QStringLiteral(u"頭髮\r\n"));
        QCOMPARE(surface.status, converted);
    }

    // The exact text replaces whatever the system clipboard held (an image
    // here); a clipboard that cannot be emptied or cannot take the text is
    // reported.
    void copies_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("refusal"); // 0 none, 1 cannot empty, 2 cannot take the text
        QTest::addColumn<QString>("status");
        QTest::addRow("blanks, breaks, U+0000")
            << QStringLiteral(u"a  \r\nb\r \n\u00A0\u0000  ") << 0 << copied;
        QTest::addRow("empty box") << QString() << 0 << copied;
        const QString failed = QStringLiteral(u"复制失败，请重试");
        QTest::addRow("cannot empty") << QStringLiteral(u"签名") << 1 << failed;
        QTest::addRow("cannot take the text") << QStringLiteral(u"签名") << 2 << failed;
    }
    void copies()
    {
        QFETCH(QString, box);
        QFETCH(int, refusal);
        QFETCH(QString, status);
#ifdef Q_OS_WIN
        // Offscreen, Qt's clipboard is not Windows'; the end-to-end test reads
        // what the Windows clipboard got.
        if (refusal == 0)
            QSKIP("Windows' clipboard is checked from another program");
#endif
        QClipboard *system = QGuiApplication::clipboard();
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        system->setImage(image);
        QVERIFY(system->mimeData()->hasImage());
        FakeSurface surface;
        surface.box = box;
        surface.status = QStringLiteral("before");
        const std::unique_ptr<Clipboard> real = createClipboard();
        MemoryClipboard refusing;
        refusing.refuse = refusal == 1;
        refusing.refuseText = refusal == 2;
        copySignature(surface, refusal ? static_cast<Clipboard &>(refusing) : *real);
        QCOMPARE(surface.status, status);
        QCOMPARE(surface.box, box);
        QCOMPARE(surface.boxWrites, 0);
        if (refusal == 0) {
            QVERIFY(!system->mimeData()->hasImage());
            QCOMPARE(system->text(), box);
        }
    }
};

QTEST_MAIN(TestTextCommands)
#include "tst_textcommands.moc"
