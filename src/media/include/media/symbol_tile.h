#pragma once
// Symbol tiles: the vowel's phonetic symbol between slashes, in Gentium, on a
// plain background, as the practice, test and word index panels show them.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

namespace ejteto {

// The tile font: "Gentium" regular with a 43-pixel character height (32 pt at
// 96 dpi), falling back to "Gentium Plus" where only that is installed.
QFont symbolTileFont();

// A new tile of `size`: background everywhere, the text symbolText(soundId)
// in `textColor` with its cell's top-left corner at (0, 0). A sound id
// outside 1..16 gives the plain background tile.
QImage makeSymbolTile(QSize size, QColor background, QColor textColor, int soundId);

} // namespace ejteto
