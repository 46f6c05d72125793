#pragma once
// The results table after a run sets the four words of a question in one row,
// each label 56 pixels to the right of the one before it, and the right
// answer in bold. A label sizes itself to its word, and its right-hand
// neighbour, laid over it, paints its own background over whatever sticks
// out: "mountain" reads "mountair". So every word must fit its column in
// bold, and leave the gap of a space before its neighbour, as words stand in
// running text; a word that only just fits runs into the next one.
#include "contentkit/table_checker.h"

#include <QFont>
#include <QStringList>
#include <vector>

namespace ejteto::contentkit {

// The distance from one result label to the next in a row. The table's
// labels are laid out 45 pixels wide, but they size themselves to their word,
// so the room a word really has is the whole distance to its neighbour.
// Every word may land in any of the first three columns, so the narrower
// last column's extra room on its right never counts.
inline constexpr int kResultColumnPitch = 56;

// The face of a right answer in the results table: "Arial" -13 bold, through
// the window's own font mapping.
QFont resultWordFont();

// The room `word` takes in a row in `font`: its label's width, or the word
// and the space after it, whichever reaches further; in whole pixels.
int resultWordExtent(const QFont& font, const QString& word);

// Every word of "words.csv" (its lines, the header first) that does not fit
// its column, on its own line. When the words cannot be measured as the
// window draws them (no QGuiApplication, or neither Arial nor Liberation Sans
// installed), one problem says so instead.
std::vector<TableProblem> checkResultWordWidths(const QStringList& wordLines);

} // namespace ejteto::contentkit
