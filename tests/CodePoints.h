// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// The text's code points; a lone surrogate counts as one, as it stands.
inline QList<char32_t> codePointsOf(const QString &text)
{
    QList<char32_t> points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            points.append(QChar::surrogateToUcs4(unit, text.at(++i)));
        else
            points.append(unit.unicode());
    }
    return points;
}
