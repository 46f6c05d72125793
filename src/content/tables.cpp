#include "content/tables.h"

#include "app/int_conversion.h"

#include <algorithm>

namespace ejteto {

QStringList splitFields(const QString& line) { return line.split(QLatin1Char(';')); }

void ParseSoundLine(ContentTables& t, const QString& line, int s, RandomSource& rng)
{
    if (!SoundId::isValid(s))
        return; // the table holds sixteen sounds; a further line has no place
    SoundRecord& r = t.SoundTable[static_cast<size_t>(s)];
    const QStringList fields = splitFields(line);
    for (qsizetype k = 0; k < fields.size() && k < 4; ++k) {
        const int32_t v = StrToInt(fields[k]);
        switch (k) {
        case 0:
            r.Id = v;
            break;
        case 1:
            r.WordCount = v;
            r.Cursor = rng.next(v);
            break;
        case 2:
            r.Confusable1 = v;
            break;
        case 3:
            r.Confusable2 = v;
            break;
        }
    }
}

void ParseWordLine(ContentTables& t, const QString& line, int i)
{
    if (i < 1 || static_cast<size_t>(i) >= t.WordTable.size())
        return; // entry 0 is never filled, and nothing is written past the end
    szorekord& e = t.WordTable[static_cast<size_t>(i)];
    const QStringList fields = splitFields(line);
    e.Word = fields[0];
    if (fields.size() > 1)
        e.SoundId = StrToInt(fields[1]);
    if (fields.size() > 2)
        e.Meaning = fields[2];
}

void loadSoundTable(ContentTables& t, const QStringList& lines, RandomSource& rng)
{
    for (int s = 1; s < lines.size() && s <= kSoundCount; ++s)
        ParseSoundLine(t, lines[s], s, rng);
}

void loadWordTable(ContentTables& t, const QStringList& lines, const std::function<void(const QString&)>& listWord)
{
    t.WordCount = static_cast<int32_t>(lines.size()) - 1;
    t.WordTable.assign(static_cast<size_t>(lines.size()), szorekord{});
    for (int i = 1; i <= t.WordCount; ++i) {
        ParseWordLine(t, lines[i], i);
        const QString& w = t.WordTable[static_cast<size_t>(i)].Word;
        if (!w.isEmpty() && listWord)
            listWord(w);
    }
}

int32_t ContentTables::lastEntry() const
{
    const auto room = static_cast<int64_t>(WordTable.empty() ? 0 : WordTable.size() - 1);
    return static_cast<int32_t>(std::clamp<int64_t>(WordCount, 0, room));
}

const szorekord* ContentTables::entry(int64_t i) const
{
    if (i < 1 || i > lastEntry())
        return nullptr;
    return &WordTable[static_cast<size_t>(i)];
}

const szorekord* ContentTables::firstEntryOfWord(const QString& word) const
{
    const int32_t last = lastEntry();
    for (int32_t i = 1; i <= last; ++i)
        if (WordTable[static_cast<size_t>(i)].Word == word)
            return &WordTable[static_cast<size_t>(i)];
    return nullptr;
}

QStringList ContentTables::wordsOfSound(int32_t s) const
{
    QStringList words;
    if (!SoundId::isValid(s))
        return words;
    // Not only the consecutive run firstEntryOfSound() starts: a word placed
    // apart from its sound's others is still one of them.
    for (int32_t i = 1; i <= lastEntry(); ++i) {
        const szorekord& e = WordTable[size_t(i)];
        if (e.SoundId == s && !e.Word.isEmpty() && !words.contains(e.Word))
            words << e.Word;
    }
    return words;
}

int32_t ContentTables::firstEntryOfSound(int32_t s) const
{
    const int32_t last = lastEntry();
    for (int32_t i = 1; i <= last; ++i)
        if (WordTable[static_cast<size_t>(i)].SoundId == s)
            return i;
    return 0;
}

QString MeaningOfWord(const ContentTables& t, const QString& word)
{
    const szorekord* e = t.firstEntryOfWord(word);
    return e ? e->Meaning : QString();
}

int32_t SoundOfWord(const ContentTables& t, const QString& word)
{
    const szorekord* e = t.firstEntryOfWord(word);
    return e ? e->SoundId : 0;
}

} // namespace ejteto
