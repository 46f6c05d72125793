#pragma once
// The forty words of a practice or test run, and where the four options of
// one question are placed on screen. Pure logic over the content tables and a
// random source, so the draws can be replayed exactly in tests.
//
// The tables are expected to hold at least twelve words per sound, in
// consecutive entries. A table that breaks this gives odd questions (repeated
// or empty options) but never a read outside the table or an endless draw.
#include "app/random_source.h"
#include "content/tables.h"

#include <QString>
#include <array>

namespace ejteto {

constexpr int kQuestionCount = 10;
constexpr int kOptionCount = 4;

// One text per question, column n - 1 belonging to question n.
using QuestionRow = std::array<QString, kQuestionCount>;
// Option k (0..3) of every question; option 0 is always the right answer.
using OptionRows = std::array<QuestionRow, kOptionCount>;
// placement[k] is the answer place (0..3) that shows option k.
using Placement = std::array<int, kOptionCount>;

// Ten words of `sound` into `row`: each pick moves the sound's cursor twelve
// places on through its block of words, wrapping once around the block, so
// the walk carries on from call to call. A sound id outside 1..16 or a sound
// without words leaves the row empty and the cursor as it was.
void PickSoundWords(ContentTables& t, int sound, QuestionRow& row);

// The options of a run on `lesson` at `level` (0 easy, 1 medium, 2 hard; -1
// when no level is chosen): the lesson's words, then the rows of
// `Confusable2`, of `Confusable1` and the random row, drawn in that order from
// the cursors and `rng`. The confusables are those of sound `confusablesOf`
// (the caller passes the current lesson). `scratch` receives every pick in
// turn and keeps the last one. Rows the level does not fill stay empty.
OptionRows BuildOptionRows(ContentTables& t, int lesson, int confusablesOf, int level, QuestionRow& scratch,
                           RandomSource& rng);

// A word of the easy level's random row: an entry from 1 to WordCount - 1
// (the last entry is never drawn), drawn again while its sound is one of
// `excluded`. Empty when no entry qualifies.
QString DrawOtherSoundWord(const ContentTables& t, const std::array<int, 3>& excluded, RandomSource& rng);

// The placement made by four draws of Random(3): starting from [0, 1, 2, 3],
// swap place i with place draws[i] for i = 0..3. The fourth place is never
// drawn, so the right answer lands on the four places 18, 20, 16 and 27 times
// in 81, and the fourth option never lands on the fourth place.
Placement PlacementFromDraws(const std::array<int, kOptionCount>& draws);
Placement DrawPlacement(RandomSource& rng);

} // namespace ejteto
