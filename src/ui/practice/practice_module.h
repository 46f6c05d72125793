#pragma once
// Practice and test runs in the window: the run's order comes from the run
// controller; this unit shows it on the practice panel and the results
// table, through the answer, status and result registries.
#include "content/practice_controller.h"
#include "practice/practice_panel.h"
#include "ui/announcer.h"

namespace ejteto {

class KeyDispatcher;
struct ModuleWiring;
struct ProgramState;
struct Registries;
struct ReplayTargets;

class PracticeModule : private PracticeView {
public:
    // The vowel's speaker plays the window's chosen lesson (`state`).
    PracticeModule(QWidget* window, const ProgramState& state, ContentTables& tables, RandomSource& random,
                   RecordingPlayer& player, EventPump& pump, Clock& clock, Registries& registries);

    const PracticePanel& panel() const { return panel_; }
    PracticeRunController& run() { return run_; }
    const PracticeRunState& state() const { return run_.state(); }
    void hideResults();
    // The panel is on view (a run, or its results).
    bool open() const { return panelShown(); }

    // Binds the answers, their speakers and "HU" buttons, the vowel's
    // speaker, "Tovább", the results table and "Bezár", with their other ways
    // of hearing; says the run through `wiring`.
    void wire(ModuleWiring& wiring);
    // The controls R replays, for the window's keys.
    void addReplayTargets(ReplayTargets& replay) const;
    // The arrows in the results table.
    void addKeys(KeyDispatcher& keys);
    // The vowel's speaker names the chosen lesson's vowel.
    void describeLesson(int lesson);

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

    const ProgramState& programState_;
    Registries& registries_;
    PracticePanel panel_;
    RunColors colors_ = runColors(RunKind::Practice); // the running kind's
    PracticeRunController run_;
    Announcer* announcer_ = &silentAnnouncer();
};

} // namespace ejteto
