#pragma once
// The main window's own controls, outside the module panels: the control
// panel, the title texts, the About button and the hidden
// lists that serve as name tables.
#include <QList>
#include <array>

class QComboBox;
class QPushButton;
class QWidget;

namespace ejteto {

class ImageControl;
class Label;

// The mosaic's tiles, [1..16]: kept in the window's registries.
using MosaicTiles = std::array<ImageControl*, 17>;

struct WindowControls {
    // The control panel along the top edge.
    QWidget* Panel_IranyitoPult = nullptr;
    Label* Label_Cimke_Szint = nullptr;
    QComboBox* ComboBox_Nehezseg = nullptr;
    Label* Label_Cimke_Modulvalasztas = nullptr;
    QPushButton* Button_Inditas_Eloadas = nullptr;
    QPushButton* Button_Inditas_Gyakorlat = nullptr;
    QPushButton* Button_Inditas_Teszt = nullptr;
    Label* Label_Cimke_Extra = nullptr;
    QPushButton* Button_Szomutato = nullptr;
    QPushButton* Button_Jatek = nullptr;
    // The title texts.
    Label* Label_Cim = nullptr;
    Label* Label_Alcim = nullptr;
    Label* Label_Bekezdes1 = nullptr;
    Label* Label_Bekezdes2 = nullptr;
    // The About button, and the credit that lies hidden at its place.
    QPushButton* BitBtn1 = nullptr;
    Label* Label_Developer = nullptr;
    // Never visible: the chosen lesson ("Lecke:", "1." .. "16.") and the
    // module names ("Modul:", "Előadás", "Gyakorlat", "Teszt").
    QComboBox* ComboBox_Lecke = nullptr;
    QComboBox* ComboBox_Modul = nullptr;

    // The control panel's focusable controls in their tab order.
    QList<QWidget*> tabChain() const;
};

// Creates the controls on `window` in stacking order: the mosaic (into
// `mosaic`) and title texts, the About button, the hidden lists, then the
// control panel.
WindowControls createWindowControls(QWidget* window, MosaicTiles& mosaic);

// The main window's own place in the fixed layout (its frame, size, colour
// and icon), then its controls outside the module panels.
WindowControls layOutMainWindow(QWidget& window, MosaicTiles& mosaic);

} // namespace ejteto
