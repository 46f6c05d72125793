#pragma once
// The word index's panel: the word list, the filter box, and the chosen
// word's symbol tile, meaning and speaker.
#include <QList>

class QLineEdit;
class QPushButton;
class QWidget;

namespace ejteto {

class ImageControl;
class Label;
class WordList;

struct WordIndexPanel {
    QWidget* Panel_Szomutato = nullptr;
    Label* Label_Szomutato_Cim = nullptr;
    Label* Label_Szomutato_Leiras = nullptr;
    Label* Label_Szomutato_Talalatok = nullptr;
    Label* Label_Szomutato_Szuro = nullptr;
    WordList* ListBox_Szomutato = nullptr;
    QLineEdit* Edit_Szomutato_Szuro = nullptr;
    Label* Label_Szomutato_Hang = nullptr;
    ImageControl* Image_IPA_2 = nullptr;
    Label* Label_Szomutato_Magyar = nullptr;
    Label* Label_Szomutato_Magyar_Ertek = nullptr;
    ImageControl* Image_Szomutato_Hanglejatszas = nullptr;
    QPushButton* Button_Modul_Szomutato_Bezar = nullptr;

    // Focusable controls in their tab order.
    QList<QWidget*> tabChain() const;
};

// Lays the panel out on `window`, hidden, at its laid-out place.
WordIndexPanel createWordIndexPanel(QWidget* window);

} // namespace ejteto
