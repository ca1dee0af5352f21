// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

// The system clipboard, as far as the copy command needs it.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard of every format; false when it could not be taken.
    virtual bool clear() = 0;
    // Puts the text on it as plain text; false when it could not be taken.
    virtual bool setText(const QString &text) = 0;
};

// The system clipboard: Qt's on Linux, the Windows API's on Windows, the
// browser's on the web. Needs a QGuiApplication.
std::unique_ptr<Clipboard> createClipboard();
