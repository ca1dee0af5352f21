// SPDX-License-Identifier: MIT
#include "platform/GraphemeClusters.h"

#include <QTextBoundaryFinder>

// Qt's own segmentation, for systems without ICU. Qt 6.4's rules split a flag
// that directly follows an emoji of the supplementary planes ("😀🇨🇳" gives
// three clusters); ICU keeps the flag whole.
struct GraphemeClusterWalker::State
{
    QTextBoundaryFinder finder;
};

GraphemeClusterWalker::GraphemeClusterWalker() : m_state(std::make_unique<State>()) {}

GraphemeClusterWalker::~GraphemeClusterWalker() = default;

void GraphemeClusterWalker::setText(QStringView text)
{
    m_state->finder = QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
}

qsizetype GraphemeClusterWalker::next()
{
    return m_state->finder.isValid() ? m_state->finder.toNextBoundary() : -1;
}

namespace {

bool breaksBetween(char16_t first, char16_t second)
{
    const QChar pair[2] = {QChar(first), QChar(second)};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, pair, 2);
    finder.setPosition(1);
    return finder.isAtBoundary();
}

} // namespace

bool StandaloneUnits::standsAlone(char16_t unit)
{
    // Qt has no public cluster-break property. A unit that breaks from a
    // letter on either side and from itself is of a class that no rule joins
    // to another such class, CR LF apart; marks, joiners, prepended
    // characters and jamo fail one of the three.
    return !QChar::isSurrogate(unit) && breaksBetween(u'a', unit) && breaksBetween(unit, u'a') &&
           breaksBetween(unit, unit);
}
