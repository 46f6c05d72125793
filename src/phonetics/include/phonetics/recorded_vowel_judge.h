#pragma once
// A speaker recording a voice says each vowel of the course alone; before a
// vowel's take is kept it is measured as a learner's take is and set
// against the vowel's two confusables. A take nearer one of them than its
// own vowel is not the vowel the voice should hold, and the speaker is asked
// to say it again.
#include "content/recording_session.h"
#include "phonetics/course_vowels.h"

#include <optional>

namespace ejteto::phonetics {

// The judge of a recording session: for a vowel's take nearer a confusable
// than its own vowel, "Ez inkább /e/-nek hangzik, mint /æ/-nek. Felveszed
// újra?"; nothing when it is its own vowel, when the take lies between the
// two, or when it cannot be measured or judged (`course` missing). Takes of
// one session refine the one speaker's scale they are judged with.
VowelJudge recordedVowelJudge(const ContentTables& tables, const std::optional<CourseVowels>& course);

} // namespace ejteto::phonetics
