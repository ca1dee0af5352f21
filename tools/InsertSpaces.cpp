#include "tools/InsertSpaces.h"

#include "platform/GraphemeClusters.h"
#include "tools/SignatureSurface.h"

namespace {

constexpr QChar blank = u' ';

// Appends one character, then a blank. A blank never belongs to a
// character, even with marks after it, and CR LF counts as two.
void appendSpaced(QString &spaced, QStringView character)
{
    if (character == u"\r\n") {
        spaced += u"\r \n ";
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i <= character.size(); ++i) {
        if (i < character.size() && character[i] != blank)
            continue;
        if (i > start) {
            spaced += character.sliced(start, i - start);
            spaced += blank;
        }
        if (i < character.size())
            spaced += u"  ";
        start = i + 1;
    }
}

} // namespace

QString spacedText(QStringView text)
{
    // Each character followed by a blank; a run of k blanks becomes 2k + 1.
    QString spaced;
    spaced.reserve(2 * text.size());
    qsizetype start = 0;
    for (const qsizetype end : graphemeClusterEnds(text)) {
        appendSpaced(spaced, text.sliced(start, end - start));
        start = end;
    }

    // Blanks at both ends go.
    qsizetype first = 0;
    qsizetype last = spaced.size();
    while (first < last && spaced[first] == blank)
        ++first;
    while (last > first && spaced[last - 1] == blank)
        --last;

    // One pass from the left takes out each pair of blanks, leaving one blank of each run.
    QString result;
    result.reserve(last - first);
    for (qsizetype i = first; i < last; ++i) {
        if (spaced[i] == blank && i + 1 < last && spaced[i + 1] == blank) {
            ++i;
            continue;
        }
        result += spaced[i];
    }
    return result;
}

void insertSpaces(SignatureSurface &surface)
{
    const QString spaced = spacedText(surface.boxText());
    surface.setBoxText(spaced);
    surface.setStatusLine(QStringLiteral(u"加空格成功"));
}
