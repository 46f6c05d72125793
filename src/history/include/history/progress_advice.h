#pragma once
// What the progress window tells the learner in words: how many times a
// vowel was taken for another, the trend of a lesson's tests and the one
// lesson to practise next.
#include "history/history_reader.h"

#include <QString>
#include <vector>

namespace ejteto {

// "7-szer", "3-szor", "5-ször": the suffix follows the number as it is read.
QString timesText(int count);

// The mean of a lesson's last three test scores; -1 without tests.
double recentScore(const LessonProgress& lesson);

// "javul", "romlik" or "egyenletes" from the last three tests against the
// three before them; empty with fewer than two tests.
QString trendText(const LessonProgress& lesson);

struct Suggestion {
    int lesson = 0; // 0: none to name
    QString text;
};

// The lesson whose recent tests went worst (the one with fewer tests, then
// the lower number, on a tie). When every tested lesson goes well, the
// first lesson never tested; without any test, an invitation to take one.
Suggestion suggestLesson(const std::vector<LessonProgress>& lessons, int lessonCount = 16);

} // namespace ejteto
