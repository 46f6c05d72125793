#pragma once
// Which vowel the learner said: the nearest, on the Bark scale, of the
// lesson's vowel and the two that learners confuse with it, the course's
// vowels carried to the learner's voice first; "uncertain" when the take
// lies about halfway between two of them; and which way to move the tongue
// to reach the lesson's vowel, in Hungarian.
#include "phonetics/course_vowels.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace ejteto::phonetics {

// A way to move, as a Hungarian teacher says it.
enum class Move {
    Open,  // "nyíltabban": F1 too low
    Close, // "zártabban": F1 too high
    Back,  // "hátrébb": F2 too high
    Front, // "előrébb": F2 too low
};
QString moveText(Move move);

struct VowelVerdict {
    int target = 0;
    int nearest = 0;                      // the target or one of its confusables
    int between = 0;                      // the runner-up when the take lies between it and `nearest`
    std::array<double, 3> distanceBark{}; // target, confusable 1, confusable 2
    // Ways to move towards the target: at its midpoint, or for a diphthong
    // at the start and at the end of its glide.
    std::vector<Move> mid, onset, offset;

    bool uncertain() const { return between != 0; }
    // The lesson's vowel was heard, and clearly.
    bool right() const { return nearest == target && !uncertain(); }
};

// `take` judged against the course vowels `course`, carried to the
// learner's voice by `scale`, for the lesson vowel `target` with its two
// confusable vowels from the sounds table.
VowelVerdict judgeVowel(const VowelMeasurement& take, int target, std::array<int, 2> confusables,
                        const CourseVowels& course, double scale);

// The verdict said in Hungarian, the vowels written by `symbolOf` ("/æ/");
// with `word`, about that word ("bad: /e/-t hallottam /æ/ helyett. Ejtsd
// nyíltabban.").
QString verdictText(const VowelVerdict& verdict, const std::function<QString(int)>& symbolOf, const QString& word = {});

} // namespace ejteto::phonetics
