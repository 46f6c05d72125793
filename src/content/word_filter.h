#pragma once
// The word index's filter: which words of the word table a filter text
// selects. Kept apart from the list widget so it can be checked on its own.
#include "content/tables.h"

#include <QString>
#include <QStringList>

namespace ejteto {

// Turns the ASCII letters A-Z into a-z and leaves every other character as
// it is: accented capitals ("É", "Ő") keep their case, so a filter holding
// one matches only that same capital.
QString foldAsciiCase(const QString& text);

// True when `filter` occurs as a contiguous run inside `word`, both folded
// with foldAsciiCase and then compared character by character. An empty
// filter occurs in every word, the empty word included.
bool wordMatchesFilter(const QString& word, const QString& filter);

// The words of entries 1..WordCount selected by `filter`, in table order and
// as stored (not folded). Entries with an empty word are selected by the
// empty filter only; a word stored twice is listed twice.
QStringList filterWords(const ContentTables& t, const QString& filter);

} // namespace ejteto
