// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Clipboard.h"
#include "platform/CodePage936.h"
#include "platform/TraditionalMapper.h"
#include "platform/UrlOpener.h"

#include <memory>

// The adapters the window's commands use; tests hand in their own.
struct PlatformAdapters
{
    std::unique_ptr<CodePage936> codePage;
    std::unique_ptr<TraditionalMapper> mapper;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<UrlOpener> urlOpener;
};

// The running system's adapters; needs a QGuiApplication.
PlatformAdapters systemAdapters();
