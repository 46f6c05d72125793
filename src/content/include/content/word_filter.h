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

// The words of entries 1..WordCount in which `filter` occurs as a contiguous
// run, both folded with foldAsciiCase and then compared character by
// character; in table order and as stored (not folded). The empty filter
// occurs in every word, so it also selects entries with an empty word; a
// word stored twice is listed twice.
QStringList filterWords(const ContentTables& t, const QString& filter);

} // namespace ejteto
