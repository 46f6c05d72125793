// The table loader: line splitting and decoding of sounds.csv and words.csv,
// the parsing of their fields, and the question sets drawn from whatever got
// loaded (the word cursors step through counts the file chose).
#include "fuzz_input.h"

#include "app/app_error.h"
#include "app/random_source.h"
#include "content/content_rules.h"
#include "content/line_reader.h"
#include "content/question_set.h"
#include "content/tables.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ejteto;
    const auto [sounds, words] = fuzz::twoFiles(data, size);
    ContentTables t;
    RandomSource rng;
    rng.seed(size);
    try {
        loadSoundTable(t, splitTableLines(sounds), rng);
    } catch (const AppError&) {
        // A field that is no integer stops the load, as it does at start.
    }
    try {
        loadWordTable(t, splitTableLines(words), [](const QString&) {});
    } catch (const AppError&) {
    }
    checkContentRules(sounds, words);

    // One run at every level on a lesson the input picks.
    const int lesson = size > 0 ? 1 + data[size - 1] % 16 : 1;
    QuestionRow scratch;
    for (int level = -1; level <= 2; ++level)
        BuildOptionRows(t, lesson, lesson, level, scratch, rng);
    // Loaded words looked up, as the word index and the game look them up
    // (the first few: each look-up searches the whole table).
    for (int32_t e = 1; e <= std::min<int32_t>(t.lastEntry(), 64); ++e) {
        MeaningOfWord(t, t.WordTable[static_cast<size_t>(e)].Word);
        SoundOfWord(t, t.WordTable[static_cast<size_t>(e)].Word);
    }
    return 0;
}
