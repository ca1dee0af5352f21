// SPDX-License-Identifier: MIT
#pragma once

#include "commands/SignatureSurface.h"

// The window as the commands see it: a box text and a status line.
class FakeSurface final : public SignatureSurface
{
public:
    QString box;
    QString status;
    int boxWrites = 0;

    QString boxText() const override { return box; }
    void setBoxText(const QString &text) override
    {
        box = text;
        ++boxWrites;
    }
    void setStatusLine(const QString &text) override { status = text; }
};
