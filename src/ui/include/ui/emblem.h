#pragma once
// The program's emblem, a speech bubble holding the vowel "æ". The build
// paints it once into the installed icons (packaging/icon_writer.cpp), and
// the window icon is the 16 and 32 pixel pictures of that same painting.
#include <QImage>
#include <QList>
#include <QRgb>

class QPainter;

namespace ejteto {

// Paints the emblem into the square of `size` units at the painter's origin.
// Below 24 it is the small variant without the dark plate.
void paintApplicationEmblem(QPainter& painter, int size);
// The emblem in full colour with smooth edges, for the larger installed icons.
QImage applicationIconArtwork(int size);
// The emblem as the window shows it: reduced to 16 colours. `size` is 32 or
// 16 (other sizes are drawn the same way).
QImage applicationIconImage(int size);
// The 16 colours the emblem is reduced to (entry 0 is fully transparent).
QList<QRgb> applicationIconColorTable();

} // namespace ejteto
