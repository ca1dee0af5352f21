// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What a command may touch of the window: the whole text of the signature
// box and the caption of the status line. The window implements it; tests fake it.
class SignatureSurface
{
public:
    virtual ~SignatureSurface() = default;
    // The box's whole text, exactly as last written unless the user edited it.
    virtual QString boxText() const = 0;
    // Replaces the box's whole text.
    virtual void setBoxText(const QString &text) = 0;
    // Replaces the status line's message; empty clears it.
    virtual void setStatusLine(const QString &text) = 0;
};
