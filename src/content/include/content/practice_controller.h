#pragma once
// The order of a practice or test run: start, choosing an answer, the
// evaluation with its sliding status line and pause, the next question, and
// the results table with its playable words. Plain logic over the content
// tables, driven through a view, a recording player, an event pump and a
// clock, so whole runs are tested without widgets or real waiting.
#include "app/random_source.h"
#include "content/practice_run.h"
#include "content/practice_view.h"
#include "content/question_set.h"
#include "content/recording_player.h"
#include "content/run_clock.h"
#include "content/tables.h"

#include <QString>
#include <array>
#include <functional>

namespace ejteto {

// Rows 0..4 by columns 0..9: row 0 is scratch (it keeps the last pick),
// rows 1..4 hold the four options of the ten questions, row 1 the right ones.
using QuestionGridRows = std::array<QuestionRow, 5>;

// Where a run is. Every change of phase goes through the controller's one
// transition, which also runs what waited for the judging to end.
enum class RunPhase {
    Idle,           // no run on the panel (none yet, or closed)
    Answering,      // a question waits for an answer and "Tovább"
    Judging,        // "Tovább" is being evaluated; the slide lets events run
    ShowingResults, // the results table is up
};

struct PracticeRunState {
    int32_t QuestionNo = 0;
    int32_t SelectedAnswer = 0;
    int32_t RightCount = 0;
    int32_t WrongCount = 0;
    QString CorrectWord;
    QuestionGridRows QuestionGrid{};
    RunPhase Phase = RunPhase::Idle;
};

class PracticeRunController {
public:
    PracticeRunController(ContentTables& tables, RandomSource& random, RecordingPlayer& player, EventPump& pump,
                          Clock& clock, PracticeView& view);

    // A new run of `kind` on `lesson` at `level` (-1: none chosen), once the
    // launcher has set the module and disabled the control panel. `title`
    // is the module title the window composed ("Gyakorlat: 7. lecke").
    void start(RunKind kind, int lesson, int level, const QString& title);

    // Highlights answer `index` (0..3) and enables "Tovább"; -1 clears the
    // highlight and disables it. Ignored while an evaluation runs.
    void Valaszlehetosegmegnyomas(int index);
    // "Tovább": judges the highlighted answer and moves the run on.
    void Button_GyakTeszt_TovabbClick();
    // The speaker of answer place `place` plays its word.
    void playAnswer(int place, Speed speed = Speed::Normal);
    // The "HU" button of answer place `place` shows its word's meaning.
    void showMeaning(int place);
    // A click on place `place` of row `question` of the results table: its
    // word's symbol, then the word.
    void ErtekeloSzoLejatszas(int question, int place, Speed speed = Speed::Normal);

    // The word answer place `place` offers to hear; empty for an empty place.
    QString answerWord(int place) const;
    // The word of a results-table place that has a symbol and a recording (a
    // word of the table); empty otherwise.
    QString resultWord(int question, int place) const;

    const PracticeRunState& state() const { return state_; }
    bool evaluationRunning() const { return state_.Phase == RunPhase::Judging; }
    // Runs `work` now, or, while an answer is being judged (the slide lets a
    // launcher click through), as soon as the judging is over. A later call
    // replaces work still waiting.
    void whenIdle(std::function<void()> work);

    // The steps of a run, as the program names them.
    void BuildQuestionSet(int lesson);
    void ShowQuestion(int n);
    void PushStatusLine(const QString& text);
    void SlideLabels(int distance);

private:
    // The one place the phase changes; leaving the judging runs the work
    // that waited for it.
    void enter(RunPhase phase);
    void judge();

    ContentTables& tables_;
    RandomSource& random_;
    RecordingPlayer& player_;
    EventPump& pump_;
    Clock& clock_;
    PracticeView& view_;

    PracticeRunState state_;
    RunKind kind_ = RunKind::Practice;
    int lesson_ = 0;
    int level_ = 0;
    // What the answer places and the results table show now: the window's
    // texts, kept here so the run never reads them back from widgets.
    std::array<QString, kOptionCount> answers_{};
    std::array<std::array<QString, kOptionCount>, kQuestionCount + 1> results_{};
    std::function<void()> afterJudging_;
};

} // namespace ejteto
