#pragma once
// The keys of the open module panel: Esc presses its "Bezár"; Enter presses
// the practice panel's default button, "Tovább", once an answer is chosen;
// 1 to 4 choose the answers of the question on view (the focus goes with
// the choice, so a screen reader says which word it was).
#include "keyboard/key_dispatcher.h"

#include <QList>
#include <array>

class QPushButton;

namespace ejteto {

class Label;

struct ModulePanelKeys {
    QWidget* panel = nullptr;
    QPushButton* close = nullptr;
};

class PanelKeys : public KeyConcern {
public:
    PanelKeys(const QList<ModulePanelKeys>& panels, QWidget* practicePanel, QWidget* resultsPanel, QPushButton* next,
              const std::array<Label*, 4>& answers);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    QList<ModulePanelKeys> panels_;
    QWidget* practicePanel_;
    QWidget* resultsPanel_;
    QPushButton* next_;
    std::array<Label*, 4> answers_;
};

} // namespace ejteto
