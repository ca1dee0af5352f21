#pragma once

#include <QString>

// The system clipboard, as far as the copy command needs it.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Each returns false when the clipboard could not be taken.
    virtual bool clear() = 0;
    virtual bool setText(const QString &text) = 0;
};
