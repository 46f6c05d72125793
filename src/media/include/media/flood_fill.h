#pragma once
// Flood fill on an image, as the drawing surface of the tiles does it.
#include <QColor>
#include <QImage>
#include <QPoint>

namespace ejteto {

// Paints `fill` over the 4-connected area of exactly the colour `target`
// that contains `start`. Nothing happens when `start` lies outside the
// image or is not of the target colour. The image is converted to RGB32.
void floodFill(QImage& image, QPoint start, QColor target, QColor fill);

} // namespace ejteto
