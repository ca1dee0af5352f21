// SPDX-License-Identifier: MIT
#pragma once

#include "platform/PlatformAdapters.h"

#include <QList>
#include <QUrl>

// A clipboard in memory that can be told to refuse, as when another
// program holds the system clipboard open.
class MemoryClipboard final : public Clipboard
{
public:
    bool refuse = false;
    bool refuseText = false; // emptying works, taking the text fails
    QString text;

    bool clear() override
    {
        if (refuse)
            return false;
        text.clear();
        return true;
    }
    bool setText(const QString &newText) override
    {
        if (refuse || refuseText)
            return false;
        text = newText;
        return true;
    }
};

// Records every address instead of starting a browser.
class RecordingUrlOpener final : public UrlOpener
{
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
};

struct FakeAdapterHandles
{
    MemoryClipboard *clipboard;
    RecordingUrlOpener *urlOpener;
};

// The real text adapters with the clipboard and browser replaced by fakes.
inline PlatformAdapters fakeAdapters(FakeAdapterHandles &handles)
{
    PlatformAdapters adapters;
    adapters.codePage = createCodePage936();
    adapters.mapper = createTraditionalMapper();
    auto clipboard = std::make_unique<MemoryClipboard>();
    auto opener = std::make_unique<RecordingUrlOpener>();
    handles = {clipboard.get(), opener.get()};
    adapters.clipboard = std::move(clipboard);
    adapters.urlOpener = std::move(opener);
    return adapters;
}
