// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// Whether characters missing from the chosen face are looked up in other
// faces. That lookup is a font-list query, so it waits until the first frame
// is on screen; the initial texts are all in the chosen face.
enum class FontFallbacks { Deferred, Allowed };

// The window's Song face at a pixel size: SimSun where installed, else faces
// that render crisp at small sizes. Unsmoothed at a device pixel ratio of 1.
QFont songFont(int pixels, FontFallbacks fallbacks);

// The window's and the application's font: the symbol strip's size.
QFont windowFont(FontFallbacks fallbacks);
