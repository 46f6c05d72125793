#pragma once
// Practice and test runs in the window: the run's order comes from the run
// controller; this unit shows it on the practice panel and the results
// table, through the answer, status and result registries.
#include "content/practice_controller.h"
#include "practice_panel.h"
#include "ui/announcer.h"

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
    // Where the title, the status line, verdicts and questions are said.
    void announceThrough(Announcer& announcer) { announcer_ = &announcer; }

private:
    void prepareRunPanel(RunKind kind) override;
    void drawSymbol(int soundId) override;
    void setTitle(const QString& text) override;
    void setInstruction(const QString& text) override;
    void showQuestion(int n, const std::array<QString, 4>& byPlace, int correctPlace) override;
    void paintAnswers(int selected) override;
    void setNextEnabled(bool enabled) override;
    void showVerdict(int place, ResultMark mark) override;
    void markResult(int question, int place, ResultMark mark) override;
    void setMeaning(int place, const QString& text) override;
    void clearMeanings() override;
    void setStatusLineInView(const QString& text) override;
    void setWaitingStatusLine(const QString& text) override;
    void stepStatusLines(int direction) override;
    void parkLeavingStatusLine() override;
    void showPanel() override;
    bool panelShown() const override;
    void showResults() override;

    Registries& registries_;
    PracticePanel panel_;
    RunColors colors_ = runColors(RunKind::Practice); // the running kind's
    PracticeRunController run_;
    Announcer* announcer_ = &silentAnnouncer();
};

} // namespace ejteto
