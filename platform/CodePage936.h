#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Conversion between text and code page 936 (GBK), the ANSI code page of
// the Chinese (PRC) locale.
class CodePage936
{
public:
    virtual ~CodePage936() = default;
    // Bytes of one character (a code point), or empty when code page 936 has none.
    virtual QByteArray encodeChar(char32_t codePoint) const = 0;
    virtual QByteArray encode(QStringView text) const = 0;
    virtual QString decode(QByteArrayView bytes) const = 0;
};

std::unique_ptr<CodePage936> createCodePage936();
