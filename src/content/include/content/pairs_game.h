#pragma once
// The rules of the pairs game, apart from its buttons: dealing ten pairs by
// level, shuffling them onto the twenty buttons, the press state machine
// with its counters, and the result line of a finished game.
#include "app/random_source.h"
#include "content/tables.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

namespace ejteto {

constexpr int kGamePairs = 10;
constexpr int kGameButtons = 20;

using GameWordArray = std::array<QString, kGameButtons>;
using GamePositions = std::array<int, kGameButtons>;

// Level 0 deals ten words twice each; every other level deals pairs of two
// differently spelled words with the same vowel sound.
bool dealsSameWordPairs(int level);
// Level 2 (and any level outside the list) turns buttons up as "?".
bool playsBlind(int level);
QString pairsInstruction(int level);
// What a turned button shows.
QString turnedButtonText(int level, const QString& word);

// How long the partner search of levels 1 and 2 draws before it falls back
// to choosing among the table's valid partners. Far above what real content
// needs (about as many draws as there are sounds); tests lower it.
struct PairDrawLimits {
    int candidateDraws = 100000;
    int firstWordDraws = 100000;
};

// Draws ten pairs: slot p (0..9) the first word of pair p, slot 10 + p its
// partner. Every draw is entry 1 + Random(WordCount - 1), so the last entry
// never takes part. Raises AppError when the table cannot give a pair (fewer
// than two entries, or at levels 1 and 2 no sound with two differently
// spelled words among the drawable entries); nothing is drawn then.
GameWordArray drawPairWords(const ContentTables& t, int level, RandomSource& rng, const PairDrawLimits& limits = {});

// Positions 0..19 shuffled: for j = 0..19 the entries at j and Random(19)
// are swapped, so position 19 is never drawn as a swap partner.
GamePositions shuffleGamePositions(RandomSource& rng);
// GameWords[i] = PairWords[positions[i]].
GameWordArray arrangeGameWords(const GameWordArray& pairWords, const GamePositions& positions);

// Level 0: the same string; other levels: the same sound of the word.
bool gameWordsMatch(const ContentTables& t, int level, const QString& a, const QString& b);

// The counters of one game, as the main window keeps them.
struct PairsPressState {
    int32_t CurrentPress = -1;
    int32_t PreviousPress = -1;
    int32_t PressCount = 0;
    int32_t PairCount = 0;
    int32_t StepCount = 0;

    friend bool operator==(const PairsPressState&, const PairsPressState&) = default;
};

// Beginning of a press of button i: notes the press and counts it. Returns
// false when i is the button already turned; nothing more happens then.
bool beginGamePress(PairsPressState& s, int i);

enum class PressOutcome {
    Waiting,  // first button of an attempt: stays turned
    Matched,  // both buttons are found and leave the board
    Missed,   // both buttons turn face-down again
    Finished, // the tenth pair was found
};

// End of a press, after its word has been played: tests the attempt when
// this was its second press and updates the counters.
PressOutcome finishGamePress(PairsPressState& s, const ContentTables& t, int level, const GameWordArray& gameWords);

// A local date and time as a day count since 30 December 1899, the time of
// day as fraction (millisecond resolution).
double dayCountOf(const QDateTime& localTime);
// Seconds between two day counts, as the game stores them.
float gameSecondsBetween(double startDays, double endDays);
// "Elelt idő: <whole seconds> másodperc. Lépések száma: <steps> darab.";
// the seconds are truncated, never rounded.
QString pairsResultText(float gameSeconds, int32_t stepCount);

} // namespace ejteto
