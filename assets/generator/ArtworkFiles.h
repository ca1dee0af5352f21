// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>

// Writes the background pictures, the icon images and the Windows icon file
// into the folder, and the hand cursor's header to its own path. Needs a
// QGuiApplication; the pinned font is loaded on first use.
bool writeArtwork(const QDir &folder, const QString &cursorHeader);

// Writes the background picture for one device pixel ratio as a PNG file.
bool writeBackground(qreal ratio, const QString &path);

// Writes the icon at one size as a PNG file, for the web page's manifest.
bool writeIcon(int size, const QString &path);
