#pragma once

#include <QUrl>

// Hands a web address to the desktop's default browser without waiting for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl &url) = 0;
};
