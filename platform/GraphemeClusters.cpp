// SPDX-License-Identifier: MIT
#include "platform/GraphemeClusters.h"

QList<qsizetype> graphemeClusterEnds(QStringView text)
{
    GraphemeClusterWalker walker;
    walker.setText(text);
    QList<qsizetype> ends;
    for (qsizetype end = walker.next(); end >= 0; end = walker.next())
        ends.append(end);
    return ends;
}

const StandaloneUnits &StandaloneUnits::instance()
{
    static const StandaloneUnits units;
    return units;
}
