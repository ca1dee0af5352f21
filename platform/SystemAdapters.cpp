// SPDX-License-Identifier: MIT
#include "platform/DesktopUrlOpener.h"
#include "platform/PlatformAdapters.h"

PlatformAdapters systemAdapters()
{
    PlatformAdapters adapters;
    adapters.codePage = createCodePage936();
    adapters.mapper = createTraditionalMapper();
    adapters.clipboard = createClipboard();
    adapters.urlOpener = std::make_unique<DesktopUrlOpener>();
    return adapters;
}
