// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UrlOpener.h"

// Opens addresses with the desktop's default browser (xdg-open on Linux).
class DesktopUrlOpener final : public UrlOpener
{
public:
    void open(const QUrl &url) override;
};
