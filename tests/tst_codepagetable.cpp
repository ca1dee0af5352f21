// SPDX-License-Identifier: MIT
// Code page 936 from the compiled-in table, which the web build uses for want
// of ICU, against ICU's own converter: the same characters under the same bytes.
#include "platform/CodePage936.h"

#include <QTest>

#include <unicode/ucnv.h>

class TestCodePageTable : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodePage936> table = createCodePage936();

    // ICU's bytes for one code point, when they decode back to it.
    static QByteArray icuBytes(UConverter *converter, char32_t codePoint)
    {
        const QString character = QString::fromUcs4(&codePoint, 1);
        char bytes[8];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = ucnv_fromUChars(converter, bytes, sizeof bytes,
                                               reinterpret_cast<const UChar *>(character.utf16()),
                                               int32_t(character.size()), &status);
        if (U_FAILURE(status) || length <= 0)
            return {};
        UChar back[4];
        status = U_ZERO_ERROR;
        const int32_t backLength = ucnv_toUChars(converter, back, 4, bytes, length, &status);
        if (U_FAILURE(status) ||
            QStringView(reinterpret_cast<const char16_t *>(back), backLength) != character)
            return {};
        return QByteArray(bytes, length);
    }

private slots:
    void encodes_data()
    {
        QTest::addColumn<uint>("codePoint");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("zero") << 0x0000u << QByteArray(1, '\0');
        QTest::addRow("CR") << 0x000Du << QByteArray("\r");
        QTest::addRow("中") << 0x4E2Du << QByteArray("\xD6\xD0");
        QTest::addRow("euro, one byte") << 0x20ACu << QByteArray("\x80");
        QTest::addRow("ideographic space") << 0x3000u << QByteArray("\xA1\xA1");
        QTest::addRow("private use of the catalogue") << 0xE7ECu << QByteArray("\xA9\x8E");
        QTest::addRow("private use of byte FF") << 0xF8F5u << QByteArray("\xFF");
        QTest::addRow("yen, not in it") << 0x00A5u << QByteArray();
        QTest::addRow("zero width space, which ICU drops") << 0x200Bu << QByteArray();
        QTest::addRow("lone surrogate") << 0xD800u << QByteArray();
        QTest::addRow("emoji") << 0x1F600u << QByteArray();
        QTest::addRow("beyond Unicode") << 0x110000u << QByteArray();
    }
    void encodes()
    {
        QFETCH(uint, codePoint);
        QFETCH(QByteArray, bytes);
        QCOMPARE(table->encodeChar(codePoint), bytes);
    }

    void agreesWithIcuEverywhere()
    {
        UErrorCode status = U_ZERO_ERROR;
        UConverter *converter = ucnv_open("windows-936-2000", &status);
        ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
        QVERIFY(U_SUCCESS(status));
        int encoded = 0;
        for (char32_t codePoint = 1; codePoint <= 0x10FFFF; ++codePoint) {
            if (QChar::isSurrogate(codePoint))
                continue;
            const QByteArray expected = icuBytes(converter, codePoint);
            if (table->encodeChar(codePoint) != expected)
                QFAIL(qPrintable(
                    QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0'))));
            encoded += expected.isEmpty() ? 0 : 1;
        }
        ucnv_close(converter);
        // ASCII, the euro, U+F8F5 and 23,940 characters of two bytes: 24,069
        // besides U+0000. Far fewer would mean that ICU itself failed.
        QVERIFY2(encoded > 24'000, qPrintable(QString::number(encoded)));
    }
};

QTEST_GUILESS_MAIN(TestCodePageTable)
#include "tst_codepagetable.moc"
