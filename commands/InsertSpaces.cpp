// SPDX-License-Identifier: MIT
#include "commands/InsertSpaces.h"

#include "commands/SignatureSurface.h"
#include "platform/GraphemeClusters.h"

#include <algorithm>

namespace {

constexpr char16_t blank = u' ';

// How many standalone units in a row end a stretch handed to the break
// iterator: with fewer, text full of marks would reach it in many short stretches.
constexpr qsizetype standaloneRunEndingStretch = 16;

// Writes the text piece by piece, each piece followed by one blank. A piece
// is a cluster, or the part of one between blanks, with CR LF as two. Next
// to each other, standalone units are pieces of their own; the break
// iterator decides the stretches around other units.
class Spacer
{
public:
    explicit Spacer(QStringView text) : m_units(text.utf16()), m_size(text.size()) {}

    char16_t *run(char16_t *out)
    {
        qsizetype i = 0;
        while (i < m_size) {
            const char16_t unit = m_units[i];
            if (!m_standalone.contains(unit)) {
                const qsizetype end = stretchEnd(i);
                out = spaceStretch(i, end, out);
                i = end;
                continue;
            }
            if (unit != blank) {
                out[0] = unit;
                out[1] = blank;
                out += 2;
            }
            ++i;
        }
        return out;
    }

private:
    // After `joiner`, the second unit of the first long run of standalone
    // units, or the text's end: between two standalone units lies a boundary.
    qsizetype stretchEnd(qsizetype joiner) const
    {
        qsizetype standalone = 0;
        for (qsizetype i = joiner + 1; i < m_size; ++i) {
            standalone = m_standalone.contains(m_units[i]) ? standalone + 1 : 0;
            if (standalone == standaloneRunEndingStretch)
                return i - standaloneRunEndingStretch + 2;
        }
        return m_size;
    }

    // Units from `joiner`, which may join its neighbours, to `end`, as the
    // break iterator groups them.
    char16_t *spaceStretch(qsizetype joiner, qsizetype end, char16_t *out)
    {
        // The unit before is standalone and already written as a piece; a
        // mark after it still joins it, so its blank is taken back.
        const qsizetype start = std::max<qsizetype>(joiner - 1, 0);
        bool open = start < joiner && m_units[start] != blank;
        if (open)
            --out;
        m_walker.setText(QStringView(m_units + start, end - start));
        qsizetype boundary = m_walker.next();
        for (qsizetype i = joiner; i < end; ++i) {
            const char16_t unit = m_units[i];
            if (unit == blank) {
                if (open)
                    *out++ = blank;
                open = false;
                continue;
            }
            while (boundary >= 0 && boundary < i - start)
                boundary = m_walker.next();
            const bool startsPiece =
                boundary == i - start || (unit == u'\n' && i > start && m_units[i - 1] == u'\r');
            if (open && startsPiece)
                *out++ = blank;
            *out++ = unit;
            open = true;
        }
        if (open)
            *out++ = blank;
        return out;
    }

    const char16_t *const m_units;
    const qsizetype m_size;
    const StandaloneUnits &m_standalone = StandaloneUnits::instance();
    GraphemeClusterWalker m_walker;
};

} // namespace

QString spacedText(QStringView text)
{
    // Each unit with one blank after it at most: the result never needs more.
    QString spaced(2 * text.size(), Qt::Uninitialized);
    char16_t *begin = reinterpret_cast<char16_t *>(spaced.data());
    const char16_t *end = Spacer(text).run(begin);
    // Every piece ends in a blank; the last one's goes.
    spaced.truncate(end == begin ? 0 : end - begin - 1);
    return spaced;
}

void insertSpaces(SignatureSurface &surface)
{
    const QString spaced = spacedText(surface.boxText());
    surface.setBoxText(spaced);
    surface.setStatusLine(QStringLiteral(u"加空格成功"));
}
