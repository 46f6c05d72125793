#pragma once
// The "Hallásgyakorlat" tool window: the listening drill on the chosen
// lesson. Three vowel choices by mouse or keys 1-3, the verdict at once, R to
// hear the trial again, M for the right vowel in the model voice, Enter for
// the next trial, N for a new round; the noise of the harder step is chosen
// below. Screen readers get every choice by name and the verdict on the
// button the focus moves to.
#include "content/listening_controller.h"
#include "content/listening_view.h"
#include "ui/tool_window.h"

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace ejteto {

class ListeningWindow : public ToolWindow, public ListeningView {
    Q_OBJECT
public:
    // `lesson` tells the lesson chosen in the main window at each new round.
    ListeningWindow(std::function<int()> lesson, QWidget* parent = nullptr);
    ~ListeningWindow() override;

    // The drill behind the window; set once, before the window is shown.
    void setController(std::unique_ptr<ListeningController> controller);
    ListeningController* controller() const { return controller_.get(); }

    // Shown over the main window: a round begins unless one on the chosen
    // lesson is still going.
    void openOver(QWidget* mainWindow);
    // A new round on the lesson chosen now; without one, the window says so.
    void startRound();

    // ListeningView
    void showTrial(int trialNo, int total, const std::array<int, 3>& options, bool noisy) override;
    void showVerdict(const ListeningVerdict& verdict) override;
    void showSummary(const ListeningSummary& summary) override;
    void showNotice(const QString& text) override;

    QLabel* Label_Hall_Allapot;
    QLabel* Label_Hall_Kerdes;
    std::array<QPushButton*, 3> Button_Hall_Valasz{};
    QLabel* Label_Hall_Itelet;
    QPushButton* Button_Hall_Ujra;
    QPushButton* Button_Hall_Minta;
    QPushButton* Button_Hall_Tovabb;
    QPushButton* Button_Hall_UjKor;
    QComboBox* ComboBox_Hall_Zaj;
    QLabel* Label_Hall_Uzenet;

private:
    void buildLayout();
    void addKeys();
    void refreshButtons();
    void choose(int place);
    void noiseChosen(int index);
    void tell(QLabel* label, const QString& text);

    std::function<int()> lesson_;
    std::unique_ptr<ListeningController> controller_;
    int noisyTrials_ = 0; // trials of the round heard with noise
};

} // namespace ejteto
