// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Writes the Windows icon file with the element table's images: the
// 8-bit ones with a palette and a transparency mask, the 32-bit ones with
// their alpha channel.
bool writeIco(const QString &path);
