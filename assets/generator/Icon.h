// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The program's icon, a painter's palette with a green and a pink brush,
// painted at size × size pixels on a transparent ground.
QImage paintIcon(int size);
