#pragma once

#include <QString>

// What a command may touch of the window: the whole text of the signature
// box and the caption of the status line. The window implements it; tests fake it.
class SignatureSurface
{
public:
    virtual ~SignatureSurface() = default;
    virtual QString boxText() const = 0;
    virtual void setBoxText(const QString &text) = 0;
    virtual void setStatusLine(const QString &text) = 0;
};
