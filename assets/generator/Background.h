// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The window's background picture, painted from the element table at a
// scale of 1 or 2: shapes are the 1x picture's pixels enlarged, texts are
// drawn afresh at the scale.
QImage paintBackground(int scale);
