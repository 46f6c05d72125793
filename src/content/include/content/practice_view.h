#pragma once
// What a practice or test run shows on the screen. The window implements it
// over its practice panel and results table; tests keep it in memory.
#include "content/practice_run.h"

#include <QString>
#include <array>
#include <cstdint>

namespace ejteto {

// A new status line rises into view in this many steps, each a moment of
// its own.
constexpr int kStatusSlideSteps = 24;

// How a judged answer is marked on the screen.
enum class ResultMark { Right, Wrong };

class PracticeView {
public:
    virtual ~PracticeView() = default;

    // The panel dressed for a run of `kind`: its colours (the view keeps
    // them for the whole run), the controls that only the practice shows,
    // the symbol tile at its start place, every word of the results table
    // grey and plain again.
    virtual void prepareRunPanel(RunKind kind) = 0;
    // The symbol tile of sound `soundId` in the run's colours.
    virtual void drawSymbol(int soundId) = 0;
    virtual void setTitle(const QString& text) = 0;
    virtual void setInstruction(const QString& text) = 0;

    // Question `n`: `byPlace[p]` is the word on answer place p and at place
    // p of row n of the results table, where `correctPlace` is marked as
    // the right answer.
    virtual void showQuestion(int n, const std::array<QString, 4>& byPlace, int correctPlace) = 0;
    // Every answer in the run's normal colours, `selected` (0..3)
    // highlighted; -1 highlights none.
    virtual void paintAnswers(int selected) = 0;
    virtual void setNextEnabled(bool enabled) = 0;
    // The chosen answer shows its verdict (practice only).
    virtual void showVerdict(int place, ResultMark mark) = 0;
    // Place `place` in row `question` of the results table was judged.
    virtual void markResult(int question, int place, ResultMark mark) = 0;
    virtual void setMeaning(int place, const QString& text) = 0;
    virtual void clearMeanings() = 0;

    // The two status lines: the one in view, and the one waiting below the
    // strip between the cloaks.
    virtual void setStatusLineInView(const QString& text) = 0;
    virtual void setWaitingStatusLine(const QString& text) = 0;
    // Both lines move one step of the slide together: `direction` -1 up,
    // +1 down. The strip between the cloaks is `kStatusSlideSteps` steps.
    virtual void stepStatusLines(int direction) = 0;
    // The line that has just left the strip goes to wait out of sight below
    // it, and the two lines swap roles.
    virtual void parkLeavingStatusLine() = 0;

    virtual void showPanel() = 0;
    virtual bool panelShown() const = 0;
    // The results table over the answer area, the symbol tile below it.
    virtual void showResults() = 0;
};

} // namespace ejteto
