// SPDX-License-Identifier: MIT
#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// The desktop clipboard through QClipboard, which hands X11 and Wayland the
// text as it stands.
class QtClipboard final : public Clipboard
{
public:
    bool clear() override
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return false;
        clipboard->clear();
        return true;
    }

    bool setText(const QString &text) override
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return false;
        clipboard->setText(text);
        // Where the platform can say who holds the clipboard (X11), a lost race
        // with another program shows up here; elsewhere reading back tells.
        if (clipboard->supportsSelection())
            return clipboard->ownsClipboard();
        return clipboard->text() == text;
    }
};

} // namespace

std::unique_ptr<Clipboard> createClipboard()
{
    return std::make_unique<QtClipboard>();
}
