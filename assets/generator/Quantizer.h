// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The image with at most 256 colours: pixels the mask leaves out are
// ignored, the remaining colours are merged pairwise, closest first, until
// few enough are left. Exact when the image has 256 colours or fewer.
QImage toIndexed8(const QImage &image, bool (*included)(QRgb));
