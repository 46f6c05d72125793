#pragma once
// The rules of a practice or test run, apart from the window: how an answer
// is judged and counted, which status line follows it, and the colours of the
// two kinds of run.
#include "content/module_id.h"
#include "content/tables.h"

#include <QString>
#include <cstdint>

namespace ejteto {

enum class RunKind { Practice, Test };

constexpr int kLastQuestion = 10;

RunKind runKindOf(ModuleId module); // practice, anything else a test

// Colour values (0x00BBGGRR) that differ between the two kinds of run.
struct RunColors {
    uint32_t module;       // panel, cloaks, rule, answer backgrounds, symbol tiles
    uint32_t titleText;    // title and both status lines
    uint32_t selectedBack; // background of the highlighted answer
};
RunColors runColors(RunKind kind);

struct RunCounters {
    int32_t QuestionNo = 1; // 11 once the run is finished
    int32_t RightCount = 0; // tests only
    int32_t WrongCount = 0; // practice counts every wrong attempt
};

struct AnswerOutcome {
    bool right = false;
    bool verdictBackground = false; // the chosen answer shows the verdict colour (practice)
    QString statusLine;             // slides into view; empty: none
    bool showNextQuestion = false;  // the run moved on to a question still to ask
    bool finished = false;          // that was the last question
};

// Judges `chosen` against `correct` (exact text, case included) on question
// `counters.QuestionNo` and updates the counters: a wrong practice answer
// keeps the question, anything else moves on.
AnswerOutcome EvaluateAnswer(RunKind kind, RunCounters& counters, const QString& chosen, const QString& correct);

// "Hátralévő kérdések száma: <remaining>"
QString remainingQuestionsLine(int remaining);
// The line that closes a run.
QString summaryLine(RunKind kind, const RunCounters& counters);

// True when some entry of the word table holds exactly `word`.
bool isTableWord(const ContentTables& t, const QString& word);

} // namespace ejteto
