// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <QByteArray>
#include <QString>

// Characters' forms in code page 936 (GBK), the ANSI code page of the
// Chinese (PRC) locale.
class CodePage936
{
public:
    virtual ~CodePage936() = default;
    // The bytes of one code point, or empty when code page 936 has none that
    // decode back to it. Whole-text conversion would silently drop some
    // characters (U+200B, U+FEFF ...), so callers decide per character.
    virtual QByteArray encodeChar(char32_t codePoint) const = 0;
};

// Windows' code page 936: ICU's table, opened on first use; Windows' own;
// or, on the web, a table made from ICU's when the program is built.
std::unique_ptr<CodePage936> createCodePage936();
