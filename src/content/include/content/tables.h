#pragma once
// The two content tables: the sixteen vowel sounds and the word list, read
// once at start-up from "sounds.csv" and "words.csv".
#include "app/random_source.h"
#include "content/sound_id.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace ejteto {

struct SoundRecord {
    int32_t Id = 0;
    int32_t WordCount = 0;   // words of this sound, in consecutive table entries
    int32_t Confusable1 = 0; // sounds learners confuse with this one
    int32_t Confusable2 = 0;
    int32_t Cursor = 0; // rotating offset into the sound's words

    friend bool operator==(const SoundRecord&, const SoundRecord&) = default;
};

struct szorekord {
    QString Word;
    int32_t SoundId = 0;
    QString Meaning;

    friend bool operator==(const szorekord&, const szorekord&) = default;
};

using wordvector = std::vector<szorekord>;

struct ContentTables {
    // Indexed 1..16 by sound id; entry 0 is never used.
    std::array<SoundRecord, kSoundCount + 1> SoundTable{};
    // Entries 0..WordCount; entry 0 is never filled.
    wordvector WordTable;
    int32_t WordCount = 0;

    // The look-ups every module shares. They read only entries that exist:
    // after loading WordCount and the table agree, but a table built by hand
    // may claim more entries than it holds.

    // The last real entry: WordCount, or fewer when the table is shorter;
    // 0 for an empty table.
    int32_t lastEntry() const;
    // Entry i, or nullptr when i is not in 1..lastEntry().
    const szorekord* entry(int64_t i) const;
    // The first entry, from entry 1 upward, holding exactly `word`.
    const szorekord* firstEntryOfWord(const QString& word) const;
    // The index of the first entry of sound `s`; 0 when no entry has it.
    int32_t firstEntryOfSound(int32_t s) const;
    // Every word of sound `s`, in table order, each once; none for a sound
    // outside 1..16.
    QStringList wordsOfSound(int32_t s) const;
};

// Field splitting shared by both tables: every ";" separates, nothing is trimmed.
QStringList splitFields(const QString& line);

// One data line of "sounds.csv" into SoundTable[s]; draws the start cursor
// from `rng` as soon as the word count is read. An s outside 1..16 is ignored.
void ParseSoundLine(ContentTables& t, const QString& line, int s, RandomSource& rng);
// One data line of "words.csv" into WordTable[i]; an i outside
// 1..WordTable.size()-1 is ignored.
void ParseWordLine(ContentTables& t, const QString& line, int i);

// Data lines 1..16 of the sound table's lines (line 0 is the header). Lines
// past the sixteenth are ignored: the table has room for sixteen sounds only.
void loadSoundTable(ContentTables& t, const QStringList& lines, RandomSource& rng);

// Builds WordTable from the word table's lines; `listWord` receives every
// non-empty word in file order as soon as its entry is parsed.
void loadWordTable(ContentTables& t, const QStringList& lines,
                   const std::function<void(const QString&)>& listWord = {});

// The first entry holding exactly `word`. A word in no entry gives an empty
// meaning and sound 0.
QString MeaningOfWord(const ContentTables& t, const QString& word);
int32_t SoundOfWord(const ContentTables& t, const QString& word);

} // namespace ejteto
