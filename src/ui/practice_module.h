#pragma once
// Practice and test runs in the window: the run's order comes from the run
// controller; this unit shows it on the practice panel and the results
// table, through the answer, status and result registries.
#include "content/practice_controller.h"
#include "practice_panel.h"

namespace ejteto {

struct Registries;

class PracticeModule : private PracticeView {
public:
    PracticeModule(QWidget* window, ContentTables& tables, RandomSource& random, RecordingPlayer& player,
                   EventPump& pump, Clock& clock, Registries& registries);

    const PracticePanel& panel() const { return panel_; }
    PracticeRunController& run() { return run_; }
    const PracticeRunState& state() const { return run_.state(); }
    void hideResults();

private:
    void prepareRunPanel(RunKind kind) override;
    void drawSymbol(uint32_t background, int soundId) override;
    void setTitle(const QString& text) override;
    void setInstruction(const QString& text) override;
    void showQuestion(int n, const std::array<QString, 4>& byPlace, int correctPlace) override;
    void paintAnswers(RunKind kind, int selected) override;
    void setNextEnabled(bool enabled) override;
    void showVerdict(int place, uint32_t color) override;
    void colorResult(int question, int place, uint32_t color) override;
    void setMeaning(int place, const QString& text) override;
    void clearMeanings() override;
    void setStatusLineInView(const QString& text) override;
    void setWaitingStatusLine(const QString& text) override;
    void moveStatusLines(int dy) override;
    void parkLeavingStatusLine(int dy) override;
    void showPanel() override;
    bool panelShown() const override;
    void showResults() override;

    Registries& registries_;
    PracticePanel panel_;
    PracticeRunController run_;
};

} // namespace ejteto
