// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// The window's background picture for a device pixel ratio, painted from the
// element table in device pixels: the picture's size times the ratio,
// rounded. Shapes cover whole device pixels: edges are the picture's rounded
// to device pixels, and every line one picture pixel wide is
// max(1, round(ratio)) device pixels, stacked inward from the outer edge.
// Texts are drawn afresh at the ratio. At ArtworkTable::scales these are the
// committed pictures. Needs a QGuiApplication; null when the pinned font is
// missing.
QImage paintBackground(qreal ratio);

// The picture's file name at a ratio, with the given extension:
// "background.png" at 1, "background@1.25x.png" at 1.25.
QString backgroundFileName(qreal ratio, QLatin1String extension);
