#include "platform/GraphemeClusters.h"

#include <unicode/ubrk.h>

#include <limits>
#include <memory>

namespace {

struct BreakIteratorCloser
{
    void operator()(UBreakIterator *iterator) const { ubrk_close(iterator); }
};

// Without ICU's rules the code points at least stay whole.
QList<qsizetype> codePointEnds(QStringView text)
{
    QList<qsizetype> ends;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ends.append(i + 1);
    }
    return ends;
}

} // namespace

QList<qsizetype> graphemeClusterEnds(QStringView text)
{
    if (text.isEmpty())
        return {};
    if (text.size() > std::numeric_limits<int32_t>::max())
        return codePointEnds(text);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UBreakIterator, BreakIteratorCloser> iterator(
        ubrk_open(UBRK_CHARACTER, "", text.utf16(), int32_t(text.size()), &status));
    if (U_FAILURE(status))
        return codePointEnds(text);
    QList<qsizetype> ends;
    for (int32_t end = ubrk_next(iterator.get()); end != UBRK_DONE; end = ubrk_next(iterator.get()))
        ends.append(end);
    return ends;
}
