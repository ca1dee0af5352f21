// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Clipboard.h"

// The desktop clipboard through QClipboard.
class QtClipboard final : public Clipboard
{
public:
    bool clear() override;
    bool setText(const QString &text) override;
};
