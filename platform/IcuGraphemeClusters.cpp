// SPDX-License-Identifier: MIT
#include "platform/GraphemeClusters.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <limits>

struct GraphemeClusterWalker::State
{
    UBreakIterator *iterator = nullptr; // opened on first use
    bool iteratorFailed = false;
    // Without ICU's rules, or for stretches too long for it, the code points
    // at least stay whole.
    bool byCodePoint = false;
    QStringView text;
    qsizetype position = 0;

    ~State()
    {
        if (iterator)
            ubrk_close(iterator);
    }
};

GraphemeClusterWalker::GraphemeClusterWalker() : m_state(std::make_unique<State>()) {}

GraphemeClusterWalker::~GraphemeClusterWalker() = default;

void GraphemeClusterWalker::setText(QStringView text)
{
    State &state = *m_state;
    state.text = text;
    state.position = 0;
    state.byCodePoint = true;
    if (text.size() > std::numeric_limits<int32_t>::max() || state.iteratorFailed)
        return;
    UErrorCode status = U_ZERO_ERROR;
    if (state.iterator) {
        ubrk_setText(state.iterator, text.utf16(), int32_t(text.size()), &status);
    } else {
        state.iterator = ubrk_open(UBRK_CHARACTER, "", text.utf16(), int32_t(text.size()), &status);
        state.iteratorFailed = U_FAILURE(status) || !state.iterator;
    }
    state.byCodePoint = U_FAILURE(status) || !state.iterator;
}

qsizetype GraphemeClusterWalker::next()
{
    State &state = *m_state;
    if (!state.byCodePoint) {
        const int32_t end = ubrk_next(state.iterator);
        return end == UBRK_DONE ? -1 : end;
    }
    const QStringView text = state.text;
    qsizetype &i = state.position;
    if (i >= text.size())
        return -1;
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        ++i;
    return ++i;
}

bool StandaloneUnits::standsAlone(char16_t unit)
{
    if (QChar::isSurrogate(unit))
        return false;
    const int value = u_getIntPropertyValue(unit, UCHAR_GRAPHEME_CLUSTER_BREAK);
    return value == U_GCB_OTHER || value == U_GCB_CONTROL || value == U_GCB_CR || value == U_GCB_LF;
}
