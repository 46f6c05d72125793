#include "support/form_view.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace ejteto::testing {

namespace {
// The control named `name`; a missing one fails the test at once.
template <class T>
T* child(TForm1& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr)
        throw std::runtime_error("the window has no control " + name.toStdString());
    return found;
}
} // namespace

FormView::FormView(TForm1& window)
    : form(window), CurrentLevel(window.state().CurrentLevel), CurrentLesson(window.state().CurrentLesson),
      CurrentModule(window.state().CurrentModule), ModuleColor(window.state().ModuleColor), Content(window.content()),
      QuestionNo(window.practiceRun().QuestionNo), SelectedAnswer(window.practiceRun().SelectedAnswer),
      RightCount(window.practiceRun().RightCount), WrongCount(window.practiceRun().WrongCount),
      CorrectWord(window.practiceRun().CorrectWord), QuestionGrid(window.practiceRun().QuestionGrid),
      Phase(window.practiceRun().Phase), PairWords(window.pairsGame().PairWords),
      GameWords(window.pairsGame().GameWords), CurrentPress(window.pairsGame().press.CurrentPress),
      PreviousPress(window.pairsGame().press.PreviousPress), PressCount(window.pairsGame().press.PressCount),
      PairCount(window.pairsGame().press.PairCount), StepCount(window.pairsGame().press.StepCount),
      GameStartTime(window.pairsGame().GameStartTime), GameSeconds(window.pairsGame().GameSeconds),
      MosaicImages(window.registries().MosaicImages), ModulePanels(window.registries().ModulePanels),
      LauncherButtons(window.registries().LauncherButtons), AnswerLabels(window.registries().AnswerLabels),
      MeaningButtons(window.registries().MeaningButtons), MeaningLabels(window.registries().MeaningLabels),
      StatusLabels(window.registries().StatusLabels), ResultLabels(window.registries().ResultLabels),
      SpeakerImages(window.registries().SpeakerImages), GameButtons(window.registries().GameButtons),
      Panel_IranyitoPult(child<QWidget>(window, "Panel_IranyitoPult")),
      Label_Cimke_Szint(child<Label>(window, "Label_Cimke_Szint")),
      ComboBox_Nehezseg(child<QComboBox>(window, "ComboBox_Nehezseg")),
      Label_Cimke_Modulvalasztas(child<Label>(window, "Label_Cimke_Modulvalasztas")),
      Button_Inditas_Eloadas(child<QPushButton>(window, "Button_Inditas_Eloadas")),
      Button_Inditas_Gyakorlat(child<QPushButton>(window, "Button_Inditas_Gyakorlat")),
      Button_Inditas_Teszt(child<QPushButton>(window, "Button_Inditas_Teszt")),
      Label_Cimke_Extra(child<Label>(window, "Label_Cimke_Extra")),
      Button_Szomutato(child<QPushButton>(window, "Button_Szomutato")),
      Button_Jatek(child<QPushButton>(window, "Button_Jatek")), Label_Cim(child<Label>(window, "Label_Cim")),
      BitBtn1(child<QPushButton>(window, "BitBtn1")), ComboBox_Lecke(child<QComboBox>(window, "ComboBox_Lecke")),
      ComboBox_Modul(child<QComboBox>(window, "ComboBox_Modul")),
      MediaPlayer1(child<MediaPlayer>(window, "MediaPlayer1")),
      Panel_Modul_Eloadas(child<QWidget>(window, "Panel_Modul_Eloadas")),
      Label_Modul_Eloadas_Cim(child<Label>(window, "Label_Modul_Eloadas_Cim")),
      Image_Mosaic_Eloadas(child<ImageControl>(window, "Image_Mosaic_Eloadas")),
      MediaPlayer2(child<MediaPlayer>(window, "MediaPlayer2")),
      Button_Eloadas_LejatszasSzunet(child<QPushButton>(window, "Button_Eloadas_LejatszasSzunet")),
      Button_Eloadas_Vissza(child<QPushButton>(window, "Button_Eloadas_Vissza")),
      Button_Modul_Eloadas_Bezar(child<QPushButton>(window, "Button_Modul_Eloadas_Bezar")),
      Panel_Szomutato(child<QWidget>(window, "Panel_Szomutato")),
      Label_Szomutato_Talalatok(child<Label>(window, "Label_Szomutato_Talalatok")),
      ListBox_Szomutato(child<WordList>(window, "ListBox_Szomutato")),
      Edit_Szomutato_Szuro(child<QLineEdit>(window, "Edit_Szomutato_Szuro")),
      Label_Szomutato_Hang(child<Label>(window, "Label_Szomutato_Hang")),
      Image_IPA_2(child<ImageControl>(window, "Image_IPA_2")),
      Label_Szomutato_Magyar(child<Label>(window, "Label_Szomutato_Magyar")),
      Label_Szomutato_Magyar_Ertek(child<Label>(window, "Label_Szomutato_Magyar_Ertek")),
      Image_Szomutato_Hanglejatszas(child<ImageControl>(window, "Image_Szomutato_Hanglejatszas")),
      Button_Modul_Szomutato_Bezar(child<QPushButton>(window, "Button_Modul_Szomutato_Bezar")),
      Panel_Jatek(child<QWidget>(window, "Panel_Jatek")),
      Label_Jatek_Leiras(child<Label>(window, "Label_Jatek_Leiras")),
      Button_Modul_Jatek_Bezar(child<QPushButton>(window, "Button_Modul_Jatek_Bezar")),
      Button_Modul_Jatek_UjJatek(child<QPushButton>(window, "Button_Modul_Jatek_UjJatek")),
      Panel_Modul_GyakTeszt(child<QWidget>(window, "Panel_Modul_GyakTeszt")),
      Label_GyakTesztStatusz_s1(child<Label>(window, "Label_GyakTesztStatusz_s1")),
      Label_GyakTesztStatusz_s2(child<Label>(window, "Label_GyakTesztStatusz_s2")),
      Cloak1(child<ShapeControl>(window, "Cloak1")), Cloak2(child<ShapeControl>(window, "Cloak2")),
      Label_Modul_GyakTeszt_Cim(child<Label>(window, "Label_Modul_GyakTeszt_Cim")),
      Label_Modul_GyakTeszt_Leiras(child<Label>(window, "Label_Modul_GyakTeszt_Leiras")),
      Label_GyakTeszt_Feladat(child<Label>(window, "Label_GyakTeszt_Feladat")),
      Image_Sound(child<ImageControl>(window, "Image_Sound")), Image_IPA(child<ImageControl>(window, "Image_IPA")),
      Button_Modul_GyakTeszt_Bezar(child<QPushButton>(window, "Button_Modul_GyakTeszt_Bezar")),
      Button_GyakTeszt_Tovabb(child<QPushButton>(window, "Button_GyakTeszt_Tovabb")),
      Panel_Ertekelo(child<QWidget>(window, "Panel_Ertekelo")),
      Shape_Ertekelo(child<ShapeControl>(window, "Shape_Ertekelo"))
{
    for (int n = 1; n <= 16; ++n)
        Image_Mosaic[static_cast<size_t>(n)] = child<ImageControl>(window, QStringLiteral("Image_Mosaic_%1").arg(n));
    for (int i = 0; i < 20; ++i)
        Button_Jatek_[static_cast<size_t>(i)] = child<QPushButton>(window, QStringLiteral("Button_Jatek_%1").arg(i));
}

} // namespace ejteto::testing
