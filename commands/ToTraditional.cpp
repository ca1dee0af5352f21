// SPDX-License-Identifier: MIT
#include "commands/ToTraditional.h"

#include "commands/SignatureSurface.h"
#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"

#include <QList>

namespace {

// The text's code points; a lone surrogate counts as one and is kept as it is.
QList<char32_t> codePoints(QStringView text)
{
    QList<char32_t> points;
    points.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            points.append(QChar::surrogateToUcs4(text[i], text[i + 1]));
            ++i;
        } else {
            points.append(text[i].unicode());
        }
    }
    return points;
}

void appendCodePoint(QString &text, char32_t point)
{
    if (QChar::requiresSurrogates(point)) {
        text += QChar(QChar::highSurrogate(point));
        text += QChar(QChar::lowSurrogate(point));
    } else {
        text += QChar(char16_t(point));
    }
}

// The mapper's result, one code point for each of the source's; nothing when
// the mapping cannot be made. Should the mapper ever change their number,
// each character goes through alone, so that positions still line up.
std::optional<QList<char32_t>>
mappedPoints(const QString &source, const QList<char32_t> &sourcePoints, TraditionalMapper &mapper)
{
    const std::optional<QString> whole = mapper.toTraditional(source);
    if (!whole)
        return std::nullopt;
    QList<char32_t> mapped = codePoints(*whole);
    if (mapped.size() == sourcePoints.size())
        return mapped;
    mapped = sourcePoints;
    for (char32_t &point : mapped) {
        QString character;
        appendCodePoint(character, point);
        const std::optional<QString> one = mapper.toTraditional(character);
        if (!one)
            return std::nullopt;
        const QList<char32_t> onePoints = codePoints(*one);
        if (onePoints.size() == 1)
            point = onePoints.first();
    }
    return mapped;
}

} // namespace

std::optional<QString> traditionalText(const QString &source, const CodePage936 &codePage,
                                       TraditionalMapper &mapper)
{
    // Through code page 936, a character without a form there is kept as it
    // is; a Han character takes its traditional form's bytes only when they
    // are as many as its own, so every other character keeps its place. A
    // character's bytes decode back to it alone, so the whole text goes
    // through character by character.
    const QList<char32_t> sourcePoints = codePoints(source);
    const std::optional<QList<char32_t>> mapped = mappedPoints(source, sourcePoints, mapper);
    if (!mapped)
        return std::nullopt;
    QString result;
    result.reserve(source.size());
    for (qsizetype i = 0; i < sourcePoints.size(); ++i) {
        char32_t point = sourcePoints[i];
        const char32_t traditional = mapped->at(i);
        if (traditional != point && QChar::script(point) == QChar::Script_Han) {
            const qsizetype length = codePage.encodeChar(point).size();
            if (length > 0 && codePage.encodeChar(traditional).size() == length)
                point = traditional;
        }
        appendCodePoint(result, point);
    }
    return result;
}

void toTraditional(SignatureSurface &surface, const CodePage936 &codePage,
                   TraditionalMapper &mapper)
{
    const std::optional<QString> traditional = traditionalText(surface.boxText(), codePage, mapper);
    // Without its dictionaries the mapping changes nothing: no success may stand.
    if (!traditional) {
        surface.setStatusLine(QStringLiteral(u"转繁体失败，缺少繁体字典"));
        return;
    }
    surface.setBoxText(*traditional);
    surface.setStatusLine(QStringLiteral(u"签名已转为繁体字"));
}
