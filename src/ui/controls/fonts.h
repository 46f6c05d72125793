#pragma once
// Fonts of the layout are requested the way the window system does: a
// negative height is the character height in pixels, a positive one the cell
// height (character height plus internal leading).
#include <QFont>
#include <QString>

namespace ejteto {

// "Arial", "MS Sans Serif" and "Gentium" map onto the installed families
// (Liberation Sans, Gentium / Gentium Plus) when the named one is missing.
QFont layoutFont(const QString& family, int height, bool bold = false, bool underline = false);

// The pixel size (character height) that a positive cell height gives in
// the font: cell height scaled by em / (ascent + descent).
int pixelSizeForCellHeight(const QFont& font, int cellHeight);

} // namespace ejteto
