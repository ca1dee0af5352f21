// SPDX-License-Identifier: MIT
#include "platform/DesktopUrlOpener.h"

#include <QDesktopServices>

void DesktopUrlOpener::open(const QUrl &url)
{
    // The browser's fate is not ours to wait for; the result is ignored.
    QDesktopServices::openUrl(url);
}

std::unique_ptr<UrlOpener> createUrlOpener()
{
    return std::make_unique<DesktopUrlOpener>();
}
