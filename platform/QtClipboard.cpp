// SPDX-License-Identifier: MIT
#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool QtClipboard::clear()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    return true;
}

bool QtClipboard::setText(const QString &text)
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
