#pragma once
// Fonts of the layout are requested the way the window system does: a
// negative height is the character height in pixels, a positive one the cell
// height (character height plus internal leading). The window and the content
// checker share this mapping, so that a word measures the same in both.
#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

namespace ejteto {

// "Arial", "MS Sans Serif" and "Gentium" map onto the installed families
// (Liberation Sans, Gentium / Gentium Plus) when the named one is missing.
QFont layoutFont(const QString& family, int height, bool bold = false, bool underline = false);

// The families that draw a layout font as the layout was made for: the named
// one and its stand-in ("Arial": Liberation Sans, which has Arial's letter
// widths). Past them the mapping falls back on DejaVu Sans, which keeps text
// readable but wider than the fixed layout leaves room for.
QStringList layoutFamilies(const QString& family, bool bold = false);

// Whether one of the layout families of `family` is installed.
bool hasLayoutFamily(const QString& family, bool bold = false);

// The pixel size (character height) that a positive cell height gives in
// the font: cell height scaled by em / (ascent + descent).
int pixelSizeForCellHeight(const QFont& font, int cellHeight);

// The width a one-line label takes for `text`: the text's advance, or its
// drawn extent where that reaches further.
int singleLineTextWidth(const QFont& font, const QString& text);
// That width, and the text's height (a line's height when it is empty): the
// size a one-line label that sizes itself takes.
QSize singleLineTextSize(const QFont& font, const QString& text);

} // namespace ejteto
