// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Writes the hand cursor's drawing as a C++ header of two bitmaps: the
// black pixels and the drawn (non-transparent) ones, one bit a pixel.
bool writeHandCursorHeader(const QString &path);
