#pragma once

#include <QList>
#include <QStringView>

// Where each user-perceived character (extended grapheme cluster) of the
// text ends, in UTF-16 code units, in order; the last is the text's length.
// A surrogate pair, an emoji with its modifiers and joiners, a flag, a letter
// with its combining marks each make one cluster; CR LF makes one too.
QList<qsizetype> graphemeClusterEnds(QStringView text);
