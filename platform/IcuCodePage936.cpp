#include "platform/CodePage936.h"

#include <unicode/ucnv.h>

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
        if (!m_converter || codePoint > 0x10FFFF || QChar::isSurrogate(codePoint))
            return {};
        const QString character = QString::fromUcs4(&codePoint, 1);
        char bytes[8];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = ucnv_fromUChars(m_converter.get(), bytes, sizeof bytes,
                                               reinterpret_cast<const UChar *>(character.utf16()),
                                               int32_t(character.size()), &status);
        // ICU reports success with no bytes for default-ignorable characters.
        if (U_FAILURE(status) || length <= 0)
            return {};
        const QByteArray encoded(bytes, length);
        // Only a round trip counts: a fallback mapping would change the character.
        return decode(encoded) == character ? encoded : QByteArray();
    }

    QString decode(QByteArrayView bytes) const override
    {
        QString text;
        if (!m_converter || bytes.isEmpty())
            return text;
        // One unit per byte is always enough for this table; the retry is for safety.
        text.resize(bytes.size());
        for (int attempt = 0; attempt < 2; ++attempt) {
            UErrorCode status = U_ZERO_ERROR;
            const int32_t length =
                ucnv_toUChars(m_converter.get(), reinterpret_cast<UChar *>(text.data()),
                              int32_t(text.size()), bytes.data(), int32_t(bytes.size()), &status);
            const bool tooShort = status == U_BUFFER_OVERFLOW_ERROR;
            text.resize(U_SUCCESS(status) || tooShort ? length : 0);
            if (!tooShort)
                break;
        }
        return text;
    }

private:
    ConverterPtr m_converter = openCodePage936();
};

} // namespace

std::unique_ptr<CodePage936> createCodePage936()
{
    return std::make_unique<IcuCodePage936>();
}
