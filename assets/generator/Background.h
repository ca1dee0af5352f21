// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The window's background picture for a device pixel ratio, painted from the
// element table in device pixels: the picture's size times the ratio,
// rounded. Shapes cover whole device pixels: edges are the picture's rounded
// to device pixels, and every line one picture pixel wide is
// max(1, round(ratio)) device pixels, stacked inward from the outer edge.
// Texts are drawn afresh at the ratio. At 1 and 2 these are the committed
// pictures. Needs a QGuiApplication; null when the pinned font is missing.
QImage paintBackground(qreal ratio);
