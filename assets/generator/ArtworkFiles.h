// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>

// Writes every artwork file into the folder: the background pictures, the
// icon images, the Windows icon file and the hand cursor's header. Needs a
// QGuiApplication and the pinned font loaded (TextRenderer::loadPinnedFont).
bool writeArtwork(const QDir &folder);

// Writes the background picture for one device pixel ratio as a PNG file.
bool writeBackground(qreal ratio, const QString &path);
