// SPDX-License-Identifier: MIT
#include "platform/PlatformAdapters.h"

PlatformAdapters systemAdapters()
{
    PlatformAdapters adapters;
    adapters.codePage = createCodePage936();
    adapters.mapper = createTraditionalMapper();
    adapters.clipboard = createClipboard();
    adapters.urlOpener = createUrlOpener();
    return adapters;
}
