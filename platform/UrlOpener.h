// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>

#include <memory>

// Hands a web address to the desktop's default browser without waiting for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Hands the address over; whether a browser opens it is not awaited.
    virtual void open(const QUrl &url) = 0;
};

// The platform's way to a browser: the desktop's default browser, or on the
// web a new tab.
std::unique_ptr<UrlOpener> createUrlOpener();
