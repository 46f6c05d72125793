#include "content/question_set.h"

#include "content/sound_id.h"

#include <algorithm>
#include <utility>

namespace ejteto {

namespace {

// Successive picks step this many places through a sound's block of words.
constexpr int kStride = 12;

// A safety net for the easy level's redraws: with at least one entry to find
// the loop ends long before this; past it the word is taken among the
// qualifying entries directly, with the same uniform chance.
constexpr int kMaxRedraws = 100000;

bool isExcluded(const szorekord& e, const std::array<int, 3>& excluded)
{
    return std::find(excluded.begin(), excluded.end(), e.SoundId) != excluded.end();
}

} // namespace

void PickSoundWords(ContentTables& t, int sound, QuestionRow& row)
{
    row.fill(QString());
    if (!SoundId::isValid(sound))
        return;
    SoundRecord& rec = t.SoundTable[static_cast<size_t>(sound)];
    const int64_t n = rec.WordCount;
    if (n < 1)
        return;
    const int32_t first = t.firstEntryOfSound(sound);
    for (QString& word : row) {
        // The offset is 1-based within the block. With twelve words or more,
        // one subtraction of n keeps it in 1..n; the full remainder is the
        // same there and also keeps a smaller block inside itself.
        // Widened before the step: a count near 2^31 must not overflow.
        int64_t c = int64_t{rec.Cursor} + kStride;
        c = ((c - 1) % n + n) % n + 1;
        rec.Cursor = static_cast<int32_t>(c);
        // A block shorter than its count, or broken up, yields an empty
        // option rather than a word of another sound.
        const szorekord* e = first > 0 ? t.entry(first - 1 + c) : nullptr;
        word = e && e->SoundId == sound ? e->Word : QString();
    }
}

QString DrawOtherSoundWord(const ContentTables& t, const std::array<int, 3>& excluded, RandomSource& rng)
{
    // Look first whether any entry qualifies at all, so a table without one
    // costs no draws and cannot hold the window.
    const int32_t last = std::min(t.WordCount - 1, t.lastEntry());
    bool any = false;
    for (int32_t i = 1; i <= last && !any; ++i)
        any = !isExcluded(t.WordTable[static_cast<size_t>(i)], excluded);
    if (!any)
        return QString();

    for (int attempt = 0; attempt < kMaxRedraws; ++attempt) {
        const szorekord* e = t.entry(int64_t(rng.next(t.WordCount - 1)) + 1);
        if (e && !isExcluded(*e, excluded))
            return e->Word;
    }
    std::vector<int32_t> qualifying;
    for (int32_t i = 1; i <= last; ++i)
        if (!isExcluded(t.WordTable[static_cast<size_t>(i)], excluded))
            qualifying.push_back(i);
    const int32_t pick = rng.next(static_cast<int32_t>(qualifying.size()));
    return t.WordTable[static_cast<size_t>(qualifying[static_cast<size_t>(pick)])].Word;
}

OptionRows BuildOptionRows(ContentTables& t, int lesson, int confusablesOf, int level, QuestionRow& scratch,
                           RandomSource& rng)
{
    OptionRows rows{};
    SoundRecord source;
    if (SoundId::isValid(confusablesOf))
        source = t.SoundTable[static_cast<size_t>(confusablesOf)];
    const auto keep = [&](int r) {
        if (r >= 0 && r < kOptionCount)
            rows[static_cast<size_t>(r)] = scratch;
    };

    PickSoundWords(t, lesson, scratch);
    keep(0);
    int r = 0;
    for (int k = 1; k <= level + 1; ++k) {
        r = k;
        PickSoundWords(t, source.Confusable2, scratch);
        keep(r);
    }
    r += 1;
    if (level != 2) {
        PickSoundWords(t, source.Confusable1, scratch);
        keep(r);
    }
    r += 1;
    if (level == 0 && r < kOptionCount) {
        const std::array<int, 3> excluded{lesson, source.Confusable1, source.Confusable2};
        for (QString& word : rows[static_cast<size_t>(r)])
            word = DrawOtherSoundWord(t, excluded, rng);
    }
    return rows;
}

Placement PlacementFromDraws(const std::array<int, kOptionCount>& draws)
{
    Placement p{0, 1, 2, 3};
    for (size_t i = 0; i < p.size(); ++i)
        std::swap(p[i], p[static_cast<size_t>(std::clamp(draws[i], 0, kOptionCount - 1))]);
    return p;
}

Placement DrawPlacement(RandomSource& rng)
{
    std::array<int, kOptionCount> draws{};
    for (int& d : draws)
        d = rng.next(3);
    return PlacementFromDraws(draws);
}

} // namespace ejteto
