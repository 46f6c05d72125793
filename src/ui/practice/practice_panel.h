#pragma once
// The practice and test panel (title, instruction, task line, the four
// answer places, the lesson's sound and symbol, "Tovább", the sliding status
// lines behind their cloaks) and the results table that covers its answer
// area when a run ends.
#include <QList>
#include <array>

class QPushButton;
class QWidget;

namespace ejteto {

class ImageControl;
class Label;
class ShapeControl;

struct PracticePanel {
    QWidget* Panel_Modul_GyakTeszt = nullptr;
    Label* Label_GyakTesztStatusz_s1 = nullptr;
    Label* Label_GyakTesztStatusz_s2 = nullptr;
    ShapeControl* Cloak1 = nullptr;
    ShapeControl* Cloak2 = nullptr;
    Label* Label_Modul_GyakTeszt_Cim = nullptr;
    Label* Label_Modul_GyakTeszt_Leiras = nullptr;
    Label* Label_GyakTeszt_Feladat = nullptr;
    std::array<ImageControl*, 5> Image_Speaker{}; // [1..4]
    std::array<Label*, 5> Label_GyakTeszt_e{};    // [1..4]: the answer words
    std::array<Label*, 5> Label_GyakTeszt_h{};    // [1..4]: "HU"
    std::array<Label*, 5> Label_GyakTeszt_m{};    // [1..4]: meanings
    ImageControl* Image_Sound = nullptr;
    ImageControl* Image_IPA = nullptr;
    QPushButton* Button_Modul_GyakTeszt_Bezar = nullptr;
    QPushButton* Button_GyakTeszt_Tovabb = nullptr;

    // The results table.
    QWidget* Panel_Ertekelo = nullptr;
    std::array<Label*, 11> Label_Number{};                // Label1 .. Label10
    std::array<std::array<Label*, 4>, 11> Label_Result{}; // Label1a .. Label10d
    ShapeControl* Shape_Ertekelo = nullptr;

    // Focusable controls in their tab order.
    QList<QWidget*> tabChain() const;
    // The controls the results table covers: the vowel's speaker and the
    // four answer places with their speakers and "HU" buttons.
    QList<QWidget*> answerArea() const;
    // The forty words of the results table, question by question.
    QList<QWidget*> resultWords() const;
};

// Lays both panels out on `window`, hidden, at their laid-out places; the
// results table above the practice panel.
PracticePanel createPracticePanel(QWidget* window);

} // namespace ejteto
