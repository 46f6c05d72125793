#pragma once
// The course's own vowels, measured from its recordings as a phonetician
// would check them: each lesson's vowel at 25, 50 and 75 % must lie nearer
// its own RP category than the two vowels learners confuse it with. The
// builder stores the measurements beside the recordings for the program's
// vowel chart and fails the build on a vowel that lies elsewhere.
#include "contentkit/table_checker.h"
#include "phonetics/course_vowels.h"
#include "phonetics/vowel_verdict.h"

#include <QStringList>
#include <optional>

namespace ejteto::contentkit {

struct LessonVowel {
    int lesson = 0;
    phonetics::VowelAnalysis analysis;
    phonetics::VowelVerdict verdict; // against the RP categories; only when analysed
};

struct VowelCheck {
    std::vector<LessonVowel> lessons;
    std::vector<TableProblem> problems;
    std::optional<phonetics::CourseVowels> vowels; // when every lesson was measured
    double scale = 1;                              // the course voice against the RP speakers
};

// Where the measurements lie in an installation: "media/phones/formants.csv".
QString courseVowelsFile();

// Male RP vowels from the published tables (citation forms), F1 and F2 at
// the start, middle and end; the categories the course is checked against.
const phonetics::CourseVowels& rpVowels();

// Measures media/phones/1..16.wav of the installation `folder` and judges
// each against its lesson and confusables (from the folder's sounds.csv).
VowelCheck checkCourseVowels(const QString& folder);
// One line per lesson: its measurements and the nearest category.
QStringList vowelCheckReport(const VowelCheck& check);

// "F1 F2 F3" (Hz, rounded) at the middle of the voiced part of a WAV file;
// nothing, with the Hungarian reason in `why`, for a file without a vowel.
std::optional<QString> formantsLine(const QString& wavPath, QString* why);

} // namespace ejteto::contentkit
