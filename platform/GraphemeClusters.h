// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QStringView>

#include <array>
#include <memory>

// Where each user-perceived character (extended grapheme cluster) of the
// text ends, in UTF-16 code units, in order; the last is the text's length.
// A surrogate pair, an emoji with its modifiers and joiners, a flag, a letter
// with its combining marks each make one cluster; CR LF makes one too.
QList<qsizetype> graphemeClusterEnds(QStringView text);

// Walks the clusters of many stretches of text, one after another, with one
// break iterator: opening one costs more than walking a short stretch.
class GraphemeClusterWalker
{
public:
    GraphemeClusterWalker();
    ~GraphemeClusterWalker();
    GraphemeClusterWalker(const GraphemeClusterWalker &) = delete;
    GraphemeClusterWalker &operator=(const GraphemeClusterWalker &) = delete;

    // Starts on `text`, which must stay alive while it is walked.
    void setText(QStringView text);
    // Where the next cluster ends, counted from the text's start; -1 after
    // the last one.
    qsizetype next();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// BMP code units that stand alone: two of them side by side are always two
// clusters, except CR LF. Only marks, joiners, prepended characters, jamo and
// flags join others. Lone surrogates are left out, as a pair is one code point.
class StandaloneUnits
{
public:
    static const StandaloneUnits &instance();

    // Whether the unit stands alone as a cluster next to other such units;
    // each unit is classified the first time it is asked about.
    bool contains(char16_t unit) const
    {
        quint8 &known = m_units[unit];
        if (known == unknown)
            known = standsAlone(unit) ? standalone : joining;
        return known == standalone;
    }

private:
    StandaloneUnits() = default;
    static bool standsAlone(char16_t unit);

    enum : quint8 { unknown, standalone, joining };
    mutable std::array<quint8, 0x10000> m_units{};
};
