// toTraditional, through the real code page and conversion engine, keeps the
// number of code points and every character that is not a Han character of
// code page 936, and never takes a character out of code page 936.
#include "FuzzText.h"
#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"
#include "tools/ToTraditional.h"

#include <QList>

namespace {

QList<char32_t> codePoints(const QString &text)
{
    QList<char32_t> points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            points.append(QChar::surrogateToUcs4(unit, text.at(++i)));
        } else {
            points.append(unit.unicode());
        }
    }
    return points;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::unique_ptr<CodePage936> codePage = createCodePage936();
    static const std::unique_ptr<TraditionalMapper> mapper = createTraditionalMapper();
    const QString text = fuzzText(data, size);
    const QList<char32_t> before = codePoints(text);
    const QList<char32_t> after = codePoints(traditionalText(text, *codePage, *mapper));
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
