// SPDX-License-Identifier: MIT
#include "platform/CodePage936.h"

#include <unicode/ucnv.h>

#include <vector>

namespace {

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's table of Windows' code page 936, private-use characters included;
// opened as "GBK" it is the same table.
ConverterPtr openCodePage936()
{
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open("windows-936-2000", &status));
    if (U_FAILURE(status))
        return nullptr;
    // Report an unmappable character instead of writing a substitute.
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

class IcuCodePage936 final : public CodePage936
{
public:
    QByteArray encodeChar(char32_t codePoint) const override
    {
        if (codePoint > 0xFFFF)
            return encodeUncached(codePoint);
        // Texts repeat few distinct characters: each is asked of ICU once.
        if (m_bmp.empty())
            m_bmp.resize(0x10000);
        quint32 &entry = m_bmp[codePoint];
        if (entry == 0) {
            const QByteArray bytes = encodeUncached(codePoint);
            entry = known | quint32(bytes.size()) << 16;
            for (qsizetype i = 0; i < bytes.size(); ++i)
                entry |= quint32(quint8(bytes[i])) << (8 * i);
        }
        const char bytes[2] = {char(entry & 0xFF), char(entry >> 8 & 0xFF)};
        return QByteArray(bytes, entry >> 16 & 0x3);
    }

private:
    QByteArray encodeUncached(char32_t codePoint) const
    {
        if (!converter() || codePoint > 0x10FFFF || QChar::isSurrogate(codePoint))
            return {};
        const QString character = QString::fromUcs4(&codePoint, 1);
        char bytes[8];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = ucnv_fromUChars(converter(), bytes, sizeof bytes,
                                               reinterpret_cast<const UChar *>(character.utf16()),
                                               int32_t(character.size()), &status);
        // ICU reports success with no bytes for default-ignorable characters.
        if (U_FAILURE(status) || length <= 0)
            return {};
        const QByteArray encoded(bytes, length);
        // Only a round trip counts: a fallback mapping would change the character.
        return decode(encoded) == character ? encoded : QByteArray();
    }

    QString decode(QByteArrayView bytes) const
    {
        QString text;
        if (bytes.isEmpty() || !converter())
            return text;
        // One unit per byte is always enough for this table; the retry is for safety.
        text.resize(bytes.size());
        for (int attempt = 0; attempt < 2; ++attempt) {
            UErrorCode status = U_ZERO_ERROR;
            const int32_t length =
                ucnv_toUChars(converter(), reinterpret_cast<UChar *>(text.data()),
                              int32_t(text.size()), bytes.data(), int32_t(bytes.size()), &status);
            const bool tooShort = status == U_BUFFER_OVERFLOW_ERROR;
            text.resize(U_SUCCESS(status) || tooShort ? length : 0);
            if (!tooShort)
                break;
        }
        return text;
    }

    // Opened on first use: loading ICU's table is start-up work that only the
    // text tools need.
    UConverter *converter() const
    {
        if (!m_opened) {
            m_opened = true;
            m_converter = openCodePage936();
        }
        return m_converter.get();
    }

    // Code page 936 has at most two bytes a character: a cache entry holds
    // them in its low bits, their number in bits 16 and 17, and a known flag.
    static constexpr quint32 known = 0x80000000;

    mutable bool m_opened = false;
    mutable ConverterPtr m_converter;
    mutable std::vector<quint32> m_bmp;
};

} // namespace

std::unique_ptr<CodePage936> createCodePage936()
{
    return std::make_unique<IcuCodePage936>();
}
