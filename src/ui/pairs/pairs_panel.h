#pragma once
// The pairs game's green panel: the instruction line, twenty word buttons
// and the close and new-game buttons.
#include <QList>
#include <array>

class QPushButton;
class QWidget;

namespace ejteto {

class Label;

struct PairsPanel {
    QWidget* Panel_Jatek = nullptr;
    Label* Label_Jatek_Cim = nullptr;
    Label* Label_Jatek_Leiras = nullptr;
    std::array<QPushButton*, 20> Button_Jatek_{}; // Button_Jatek_0 .. Button_Jatek_19
    QPushButton* Button_Modul_Jatek_Bezar = nullptr;
    QPushButton* Button_Modul_Jatek_UjJatek = nullptr;

    // Focusable controls in their tab order.
    QList<QWidget*> tabChain() const;
};

// Lays the panel out on `window`, hidden, at its laid-out place.
PairsPanel createPairsPanel(QWidget* window);

} // namespace ejteto
