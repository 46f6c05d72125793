#pragma once
// The main window: the control panel, the lesson mosaic, the title texts and
// the five module panels, laid out once when the window is created. Modules
// are entered and left by showing and hiding their panels; no control is ever
// added while the program runs.
#include "app/color_value.h"
#include "content/tables.h"
#include "controls/image_control.h"
#include "controls/label.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace ejteto {

class MediaPlayer;
class VideoSurface;
class TForm_About;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Lays the window out, opens the two media players' placeholders (an
    // error there is fatal and propagates to the caller) and runs `Betolt`
    // (whose errors are shown and leave the window usable). `installDir` is
    // the installation folder, ending in "/": the executable's own by default.
    explicit TForm1(const QString& installDir = QString());
    ~TForm1() override;

    void setAboutWindow(TForm_About* about) { aboutWindow_ = about; }

    // ---- program-wide state --------------------------------------------
    QString AppDir;
    QString MediaDir;
    int32_t CurrentLevel = 0;
    int32_t CurrentLesson = 0;
    int32_t CurrentModule = 0;
    uint32_t ModuleColor = 0;
    int32_t SelectedAnswer = 0;
    int32_t QuestionNo = 0;
    int32_t RightCount = 0;
    int32_t WrongCount = 0;
    QString CorrectWord;
    ContentTables Content; // SoundTable, WordTable, WordCount
    // Rows 0..4 by columns 0..9: row 0 is scratch, rows 1..4 the options of
    // the ten questions (row 1 the right answers).
    std::array<std::array<QString, 10>, 5> QuestionGrid{};
    // The pairs game.
    std::array<QString, 20> PairWords{};
    std::array<QString, 20> GameWords{};
    int32_t CurrentPress = 0;
    int32_t PreviousPress = 0;
    int32_t PressCount = 0;
    int32_t PairCount = 0;
    int32_t StepCount = 0;
    double GameStartTime = 0; // local date and time as days, time of day as fraction
    float GameSeconds = 0;
    // True while "Tovább" is being evaluated: the status slide lets events
    // run, and answer or "Tovább" clicks meanwhile must not start another.
    bool EvaluationRunning = false;

    // ---- registries -----------------------------------------------------
    std::array<ImageControl*, 17> MosaicImages{};   // [1..16]
    std::array<QWidget*, 4> ModulePanels{};
    std::array<QPushButton*, 5> LauncherButtons{};
    std::array<Label*, 4> AnswerLabels{};
    std::array<Label*, 4> MeaningButtons{};
    std::array<Label*, 4> MeaningLabels{};
    std::array<Label*, 2> StatusLabels{};
    std::array<std::array<Label*, 4>, 11> ResultLabels{}; // [1..10][0..3]
    std::array<ImageControl*, 4> SpeakerImages{};
    std::array<QPushButton*, 20> GameButtons{};

    // ---- start-up and close ---------------------------------------------
    void Betolt();
    void Kilep();

    // ---- navigation -------------------------------------------------------
    void Mozaikmegnyomas(int n);
    void Gombellenorzes();
    void IranyitoPult_Deaktivalas();
    void Bezargombmegnyomas(int i);

    // ---- playback ---------------------------------------------------------
    void Hanglejatszas(const QString& word);
    void Image_SoundClick();

    // ---- question sets and runs ---------------------------------------------
    void BuildQuestionSet(int lesson);
    void PickSoundWords(int sound);
    void ShowQuestion(int n);
    void GyakTesztInditas();
    void PushStatusLine(const QString& text);
    void SlideLabels(Label* a, Label* b, int distance);

    // ---- handlers of the modules ------------------------------------------
    void Button_Inditas_EloadasClick();
    void Button_Eloadas_LejatszasSzunetClick();
    void Button_Eloadas_VisszaClick();
    void Button_Inditas_GyakorlatClick();
    void Button_Inditas_TesztClick();
    void Valaszlehetosegmegnyomas(int index);
    void Image_SpeakerClick(int i);
    void Label_GyakTeszt_hClick(int i);
    void Button_GyakTeszt_TovabbClick();
    void ErtekeloSzoLejatszas(Label* sender);
    void Button_SzomutatoClick();
    void Szurlista();
    void ListBox_SzomutatoClick();
    void Megszolal();
    void Edit_Szomutato_SzuroEnter();
    void Edit_Szomutato_SzuroExit();
    void Button_JatekClick();
    void Ujjatek();
    void Jatekgombmegnyomas(int i);
    void Label_DeveloperClick();

    // ---- controls -----------------------------------------------------------
    // Region 1: the control panel
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
    // Region 2: the mosaic
    std::array<ImageControl*, 17> Image_Mosaic{}; // [1..16]
    // Region 3: title texts
    Label* Label_Cim = nullptr;
    Label* Label_Alcim = nullptr;
    Label* Label_Bekezdes1 = nullptr;
    Label* Label_Bekezdes2 = nullptr;
    // Region 4
    QPushButton* BitBtn1 = nullptr;
    Label* Label_Developer = nullptr;
    // Region 5: never visible
    QComboBox* ComboBox_Lecke = nullptr;
    QComboBox* ComboBox_Modul = nullptr;
    MediaPlayer* MediaPlayer1 = nullptr;
    // Region 6: module panels
    QWidget* Panel_Modul_Eloadas = nullptr;
    QWidget* Panel_Szomutato = nullptr;
    QWidget* Panel_Jatek = nullptr;
    QWidget* Panel_Modul_GyakTeszt = nullptr;
    QWidget* Panel_Ertekelo = nullptr;
    // lecture
    ShapeControl* Shape_Eloadas = nullptr;
    Label* Label_Modul_Eloadas_Cim = nullptr;
    Label* Label_Modul_Eloadas_Leiras = nullptr;
    ImageControl* Image_Mosaic_Eloadas = nullptr;
    MediaPlayer* MediaPlayer2 = nullptr;
    VideoSurface* MediaPlayer2_Display = nullptr; // the video area, named "MediaPlayer2"
    QPushButton* Button_Eloadas_LejatszasSzunet = nullptr;
    QPushButton* Button_Eloadas_Vissza = nullptr;
    QPushButton* Button_Modul_Eloadas_Bezar = nullptr;
    // word index
    Label* Label_Szomutato_Cim = nullptr;
    Label* Label_Szomutato_Leiras = nullptr;
    Label* Label_Szomutato_Talalatok = nullptr;
    Label* Label_Szomutato_Szuro = nullptr;
    QListWidget* ListBox_Szomutato = nullptr;
    QLineEdit* Edit_Szomutato_Szuro = nullptr;
    Label* Label_Szomutato_Hang = nullptr;
    ImageControl* Image_IPA_2 = nullptr;
    Label* Label_Szomutato_Magyar = nullptr;
    Label* Label_Szomutato_Magyar_Ertek = nullptr;
    ImageControl* Image_Szomutato_Hanglejatszas = nullptr;
    QPushButton* Button_Modul_Szomutato_Bezar = nullptr;
    // pairs game
    Label* Label_Jatek_Cim = nullptr;
    Label* Label_Jatek_Leiras = nullptr;
    std::array<QPushButton*, 20> Button_Jatek_{};
    QPushButton* Button_Modul_Jatek_Bezar = nullptr;
    QPushButton* Button_Modul_Jatek_UjJatek = nullptr;
    // practice and test
    Label* Label_GyakTesztStatusz_s1 = nullptr;
    Label* Label_GyakTesztStatusz_s2 = nullptr;
    ShapeControl* Cloak1 = nullptr;
    ShapeControl* Cloak2 = nullptr;
    Label* Label_Modul_GyakTeszt_Cim = nullptr;
    Label* Label_Modul_GyakTeszt_Leiras = nullptr;
    Label* Label_GyakTeszt_Feladat = nullptr;
    std::array<ImageControl*, 5> Image_Speaker{}; // [1..4]
    std::array<Label*, 5> Label_GyakTeszt_e{};    // [1..4]
    std::array<Label*, 5> Label_GyakTeszt_h{};    // [1..4]
    std::array<Label*, 5> Label_GyakTeszt_m{};    // [1..4]
    ImageControl* Image_Sound = nullptr;
    ImageControl* Image_IPA = nullptr;
    QPushButton* Button_Modul_GyakTeszt_Bezar = nullptr;
    QPushButton* Button_GyakTeszt_Tovabb = nullptr;
    // results table
    std::array<Label*, 11> Label_Number{};                  // Label1..Label10
    std::array<std::array<Label*, 4>, 11> Label_Result{};   // Label1a..Label10d
    ShapeControl* Shape_Ertekelo = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Layout, one region or panel at a time (form1_layout.cpp).
    void createLayout();
    void createControlPanel();
    void createMosaicAndTitles();
    void createAuxiliaryControls();
    void createLecturePanel();
    void createWordIndexPanel();
    void createGamePanel();
    void createPracticePanel();
    void createResultsPanel();
    void setTabOrders();
    // Event bindings, every one through the error wrapper (form1_bindings.cpp).
    void bindEvents();
    // Start-up (form1_startup.cpp).
    void openPlaceholders();
    void readLevelSetting();
    void loadContentTables();
    void fillRegistries();
    void loadRegistryPictures();
    void loadPicture(ImageControl* image, const QString& path);

    QString installDir_;
    TForm_About* aboutWindow_ = nullptr;
};

} // namespace ejteto
