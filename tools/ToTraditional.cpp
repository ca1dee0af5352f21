#include "tools/ToTraditional.h"

#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"
#include "tools/SignatureSurface.h"

#include <QList>

#include <algorithm>

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

// The mapper's result, one code point for each of the source's. Should the
// mapper ever change their number, each character goes through alone, so
// that positions still line up.
QList<char32_t> mappedPoints(const QString &source, const QList<char32_t> &sourcePoints,
                             TraditionalMapper &mapper)
{
    QList<char32_t> mapped = codePoints(mapper.toTraditional(source));
    if (mapped.size() == sourcePoints.size())
        return mapped;
    mapped = sourcePoints;
    for (char32_t &point : mapped) {
        QString character;
        appendCodePoint(character, point);
        const QList<char32_t> one = codePoints(mapper.toTraditional(character));
        if (one.size() == 1)
            point = one.first();
    }
    return mapped;
}

} // namespace

QString traditionalText(const QString &source, const CodePage936 &codePage,
                        TraditionalMapper &mapper)
{
    // The code page 936 form, character by character: a character without
    // one is kept aside (byte count 0) instead of being replaced or dropped.
    const QList<char32_t> sourcePoints = codePoints(source);
    QByteArray sourceBytes;
    QList<qsizetype> byteCounts;
    byteCounts.reserve(sourcePoints.size());
    for (const char32_t point : sourcePoints) {
        const QByteArray bytes = codePage.encodeChar(point);
        sourceBytes += bytes;
        byteCounts.append(bytes.size());
    }
    const qsizetype byteLength = sourceBytes.size();

    // The destination starts as byteLength blanks.
    QByteArray destination(byteLength, ' ');

    // Each character's bytes go to the same place in the destination, in
    // traditional form where that is a Han character of the same byte length.
    const QList<char32_t> mapped = mappedPoints(source, sourcePoints, mapper);
    qsizetype offset = 0;
    for (qsizetype i = 0; i < sourcePoints.size(); ++i) {
        const qsizetype count = byteCounts[i];
        const char *bytes = sourceBytes.constData() + offset;
        QByteArray traditional;
        if (mapped[i] != sourcePoints[i] && QChar::script(sourcePoints[i]) == QChar::Script_Han) {
            traditional = codePage.encodeChar(mapped[i]);
            if (traditional.size() == count)
                bytes = traditional.constData();
        }
        std::copy_n(bytes, count, destination.data() + offset);
        offset += count;
    }

    // Back to text; the characters kept aside return to their places.
    QString result;
    result.reserve(source.size());
    qsizetype runStart = 0;
    offset = 0;
    for (qsizetype i = 0; i < sourcePoints.size(); ++i) {
        if (byteCounts[i] > 0) {
            offset += byteCounts[i];
            continue;
        }
        result += codePage.decode(QByteArrayView(destination).sliced(runStart, offset - runStart));
        appendCodePoint(result, sourcePoints[i]);
        runStart = offset;
    }
    result += codePage.decode(QByteArrayView(destination).sliced(runStart));
    return result;
}

void toTraditional(SignatureSurface &surface, const CodePage936 &codePage,
                   TraditionalMapper &mapper)
{
    const QString source = surface.boxText();
    surface.setBoxText(traditionalText(source, codePage, mapper));
    surface.setStatusLine(QStringLiteral(u"签名已转为繁体字"));
}
