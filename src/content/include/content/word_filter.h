#pragma once
// The word index's filter: which words of the word table a filter text
// selects. Kept apart from the list widget so it can be checked on its own.
#include "content/tables.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

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

// The same filter over a loaded table, prepared for a keystroke at a time:
// every word is folded once, and a filter gives back entry numbers rather
// than copies of the words.
class WordFilterIndex {
public:
    WordFilterIndex() = default;
    explicit WordFilterIndex(const ContentTables& t);

    // Entries 1..WordCount selected by `filter`, in table order.
    std::vector<int32_t> entriesMatching(const QString& filter) const;
    // Their words, as stored.
    QStringList wordsMatching(const ContentTables& t, const QString& filter) const;

private:
    std::vector<QString> folded_; // the word of entry e at e - 1
};

} // namespace ejteto
