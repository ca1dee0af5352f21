// SPDX-License-Identifier: MIT
#include "platform/DesktopUrlOpener.h"
#include "platform/PlatformAdapters.h"
#include "platform/QtClipboard.h"

PlatformAdapters systemAdapters()
{
    PlatformAdapters adapters;
    adapters.codePage = createCodePage936();
    adapters.mapper = createTraditionalMapper();
    adapters.clipboard = std::make_unique<QtClipboard>();
    adapters.urlOpener = std::make_unique<DesktopUrlOpener>();
    return adapters;
}
