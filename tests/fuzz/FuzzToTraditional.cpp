// SPDX-License-Identifier: MIT
// toTraditional, through the real code page and conversion engine, keeps the
// number of code points and every character that is not a Han character of
// code page 936, and never takes a character out of code page 936.
#include "commands/ToTraditional.h"
#include "FuzzText.h"
#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::unique_ptr<CodePage936> codePage = createCodePage936();
    static const std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();
    const QString text = fuzzText(data, size);
    const QList<char32_t> before = codePointsOf(text);
    const std::optional<QString> converted = traditionalText(text, *codePage, *mapper);
    fuzzCheck(converted.has_value(), "the dictionaries load");
    const QList<char32_t> after = codePointsOf(*converted);
    fuzzCheck(before.size() == after.size(), "same number of code points");
    for (qsizetype i = 0; i < before.size(); ++i) {
        const bool encodable = !codePage->encodeChar(before.at(i)).isEmpty();
        const bool han = QChar::script(before.at(i)) == QChar::Script_Han;
        if (!han || !encodable)
            fuzzCheck(after.at(i) == before.at(i), "only Han characters of code page 936 change");
        else
            fuzzCheck(!codePage->encodeChar(after.at(i)).isEmpty(), "stays in code page 936");
    }
    return 0;
}
