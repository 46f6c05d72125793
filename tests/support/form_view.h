#pragma once
// The main window as a test sees it: every control found by its object
// name, and the window's state, registries and module states as live
// read-only references. Tests read the window through this view and change
// it only the way a learner does, with clicks and keys.
#include "app/color_value.h"
#include "content/pairs_controller.h"
#include "content/practice_controller.h"
#include "media/media_player.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/controls/word_list.h"
#include "ui/form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace ejteto::testing {

struct FormView {
    explicit FormView(TForm1& window);

    TForm1& form;

    // ---- program-wide state -------------------------------------------------
    const int32_t& CurrentLevel;
    const int32_t& CurrentLesson;
    const ModuleId& CurrentModule;
    const uint32_t& ModuleColor;
    const ContentTables& Content;
    // ---- the practice or test run -------------------------------------------
    const int32_t& QuestionNo;
    const int32_t& SelectedAnswer;
    const int32_t& RightCount;
    const int32_t& WrongCount;
    const QString& CorrectWord;
    const QuestionGridRows& QuestionGrid;
    const RunPhase& Phase;
    // ---- the pairs game -------------------------------------------------------
    const GameWordArray& PairWords;
    const GameWordArray& GameWords;
    const int32_t& CurrentPress;
    const int32_t& PreviousPress;
    const int32_t& PressCount;
    const int32_t& PairCount;
    const int32_t& StepCount;
    const double& GameStartTime;
    const float& GameSeconds;
    // ---- registries ---------------------------------------------------------
    const std::array<ImageControl*, 17>& MosaicImages;
    const std::array<QWidget*, 4>& ModulePanels;
    const std::array<QPushButton*, 5>& LauncherButtons;
    const std::array<Label*, 4>& AnswerLabels;
    const std::array<Label*, 4>& MeaningButtons;
    const std::array<Label*, 4>& MeaningLabels;
    const std::array<Label*, 2>& StatusLabels;
    const std::array<std::array<Label*, 4>, 11>& ResultLabels;
    const std::array<ImageControl*, 4>& SpeakerImages;
    const std::array<QPushButton*, 20>& GameButtons;

    // ---- controls -------------------------------------------------------------
    QWidget* Panel_IranyitoPult;
    Label* Label_Cimke_Szint;
    QComboBox* ComboBox_Nehezseg;
    Label* Label_Cimke_Modulvalasztas;
    QPushButton* Button_Inditas_Eloadas;
    QPushButton* Button_Inditas_Gyakorlat;
    QPushButton* Button_Inditas_Teszt;
    Label* Label_Cimke_Extra;
    QPushButton* Button_Szomutato;
    QPushButton* Button_Jatek;
    std::array<ImageControl*, 17> Image_Mosaic{}; // [1..16]
    Label* Label_Cim;
    QPushButton* BitBtn1;
    QComboBox* ComboBox_Lecke;
    QComboBox* ComboBox_Modul;
    MediaPlayer* MediaPlayer1;

    QWidget* Panel_Modul_Eloadas;
    Label* Label_Modul_Eloadas_Cim;
    ImageControl* Image_Mosaic_Eloadas;
    MediaPlayer* MediaPlayer2;
    QPushButton* Button_Eloadas_LejatszasSzunet;
    QPushButton* Button_Eloadas_Vissza;
    QPushButton* Button_Modul_Eloadas_Bezar;

    QWidget* Panel_Szomutato;
    Label* Label_Szomutato_Talalatok;
    WordList* ListBox_Szomutato;
    QLineEdit* Edit_Szomutato_Szuro;
    Label* Label_Szomutato_Hang;
    ImageControl* Image_IPA_2;
    Label* Label_Szomutato_Magyar;
    Label* Label_Szomutato_Magyar_Ertek;
    ImageControl* Image_Szomutato_Hanglejatszas;
    QPushButton* Button_Modul_Szomutato_Bezar;

    QWidget* Panel_Jatek;
    Label* Label_Jatek_Leiras;
    std::array<QPushButton*, 20> Button_Jatek_{};
    QPushButton* Button_Modul_Jatek_Bezar;
    QPushButton* Button_Modul_Jatek_UjJatek;

    QWidget* Panel_Modul_GyakTeszt;
    Label* Label_GyakTesztStatusz_s1;
    Label* Label_GyakTesztStatusz_s2;
    ShapeControl* Cloak1;
    ShapeControl* Cloak2;
    Label* Label_Modul_GyakTeszt_Cim;
    Label* Label_Modul_GyakTeszt_Leiras;
    Label* Label_GyakTeszt_Feladat;
    ImageControl* Image_Sound;
    ImageControl* Image_IPA;
    QPushButton* Button_Modul_GyakTeszt_Bezar;
    QPushButton* Button_GyakTeszt_Tovabb;
    QWidget* Panel_Ertekelo;
    ShapeControl* Shape_Ertekelo;
};

} // namespace ejteto::testing
