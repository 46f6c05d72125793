#pragma once
// What a practice or test run shows on the screen. The window implements it
// over its practice panel and results table; tests keep it in memory.
#include "content/practice_run.h"

#include <QString>
#include <array>
#include <cstdint>

namespace ejteto {

class PracticeView {
public:
    virtual ~PracticeView() = default;

    // The panel dressed for a run of `kind`: its colours, the controls that
    // only the practice shows, the symbol tile at its start place, every
    // word of the results table grey and plain again.
    virtual void prepareRunPanel(RunKind kind) = 0;
    // The symbol tile of sound `soundId` on `background`.
    virtual void drawSymbol(uint32_t background, int soundId) = 0;
    virtual void setTitle(const QString& text) = 0;
    virtual void setInstruction(const QString& text) = 0;

    // Question `n`: `byPlace[p]` is the word on answer place p and at place
    // p of row n of the results table, where `correctPlace` is marked as
    // the right answer.
    virtual void showQuestion(int n, const std::array<QString, 4>& byPlace, int correctPlace) = 0;
    // Every answer in the run's normal colours, `selected` (0..3)
    // highlighted; -1 highlights none.
    virtual void paintAnswers(RunKind kind, int selected) = 0;
    virtual void setNextEnabled(bool enabled) = 0;
    // The chosen answer shows the verdict colour behind cream text.
    virtual void showVerdict(int place, uint32_t color) = 0;
    // Text colour of place `place` in row `question` of the results table.
    virtual void colorResult(int question, int place, uint32_t color) = 0;
    virtual void setMeaning(int place, const QString& text) = 0;
    virtual void clearMeanings() = 0;

    // The two status lines: the one in view, and the one waiting below the
    // strip between the cloaks.
    virtual void setStatusLineInView(const QString& text) = 0;
    virtual void setWaitingStatusLine(const QString& text) = 0;
    // Moves both lines `dy` pixels together.
    virtual void moveStatusLines(int dy) = 0;
    // The line that has just left the strip moves `dy` pixels to wait out
    // of sight, and the two lines swap roles.
    virtual void parkLeavingStatusLine(int dy) = 0;

    virtual void showPanel() = 0;
    virtual bool panelShown() const = 0;
    // The results table over the answer area, the symbol tile below it.
    virtual void showResults() = 0;
};

} // namespace ejteto
