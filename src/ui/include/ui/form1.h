#pragma once
// The main window: the control panel, the lesson mosaic, the title texts and
// the panels of the learning modules, laid out once when the window is
// created. Modules are entered and left by showing and hiding their panels;
// no control is ever added while the program runs.
//
// The window itself keeps the program-wide state, the registries, the lesson
// choice and the control panel. Each learning module is a unit of its own
// that owns its panel and its state; the window's handlers for a module do
// the window's part (the control panel, the module id) and hand the rest on.
#include "content/tables.h"
#include "media/media_engine.h"
#include "ui/program_state.h"
#include "ui/registries.h"

#include <QMetaObject>
#include <QWidget>
#include <memory>
#include <vector>

namespace ejteto {

class Clock;
class EventPump;
class LectureModule;
class MediaPlayer;
class PairsModule;
class PracticeModule;
class QtRunClock;
class RecordingSounds;
class TForm_About;
class WordIndexModule;
struct PairsGameState;
struct PracticeRunState;
struct WindowControls;
enum class RunKind;

// What the window uses of the world outside it. Left empty, the real ones:
// handlers that pause and repaint on the window thread in real time, and
// GStreamer behind both media players.
struct WindowServices {
    EventPump* pump = nullptr; // not owned; must outlive the window
    Clock* clock = nullptr;    // not owned; must outlive the window
    MediaEngineFactory engines;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Lays the window out, opens the two media players' placeholders (an
    // error there is fatal and propagates to the caller) and runs `Betolt`
    // (whose errors are shown and leave the window usable). `installDir` is
    // the installation folder, ending in "/": the executable's own by default.
    explicit TForm1(const QString& installDir = QString(), const WindowServices& services = {});
    ~TForm1() override;

    void setAboutWindow(TForm_About* about) { aboutWindow_ = about; }

    // What the window holds, to read: for the About window's neighbours and
    // for tests. Every change goes through the window's own handlers.
    const ProgramState& state() const { return state_; }
    const ContentTables& content() const { return content_; }
    const Registries& registries() const { return registries_; }
    const PracticeRunState& practiceRun() const;
    const PairsGameState& pairsGame() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // ---- start-up and close (form1_startup.cpp) ---------------------------
    void Betolt();
    void Kilep();
    void openPlaceholders();
    void readLevelSetting();
    void loadContentTables();
    void fillRegistries();
    void loadRegistryPictures();

    // ---- navigation and playback (form1_navigation.cpp) --------------------
    void Mozaikmegnyomas(int n);
    void Gombellenorzes();
    void IranyitoPult_Deaktivalas();
    void Bezargombmegnyomas(int i);
    void Hanglejatszas(const QString& word);
    void Image_SoundClick();
    void Label_DeveloperClick();

    // ---- the learning modules' handlers (form1_modules.cpp) ----------------
    void Button_Inditas_EloadasClick();
    void Button_Eloadas_LejatszasSzunetClick();
    void Button_Eloadas_VisszaClick();
    void Button_Inditas_GyakorlatClick();
    void Button_Inditas_TesztClick();
    void startRun(RunKind kind);
    void Valaszlehetosegmegnyomas(int index);
    void Image_SpeakerClick(int i);
    void Label_GyakTeszt_hClick(int i);
    void Button_GyakTeszt_TovabbClick();
    void ErtekeloSzoLejatszas(int question, int place);
    void Button_SzomutatoClick();
    void Szurlista();
    void ListBox_SzomutatoClick();
    void Megszolal();
    void Edit_Szomutato_SzuroEnter();
    void Edit_Szomutato_SzuroExit();
    void Button_JatekClick();
    void Ujjatek();
    void Jatekgombmegnyomas(int i);

    // ---- layout and bindings (form1_layout.cpp, form1_bindings.cpp) --------
    void createLayout();
    void setTabOrders();
    void bindEvents();
    void unbindEvents();

    QString installDir_;
    TForm_About* aboutWindow_ = nullptr;
    ProgramState state_;
    ContentTables content_; // SoundTable, WordTable, WordCount
    Registries registries_;

    std::unique_ptr<QtRunClock> realTime_; // when no pump or clock was given
    EventPump* pump_ = nullptr;
    Clock* clock_ = nullptr;

    std::unique_ptr<WindowControls> controls_; // the window's own controls
    std::unique_ptr<RecordingSounds> sounds_;  // plays through MediaPlayer1
    std::unique_ptr<LectureModule> lecture_;
    std::unique_ptr<WordIndexModule> wordIndex_;
    std::unique_ptr<PairsModule> pairs_;
    std::unique_ptr<PracticeModule> practice_;

    bool mediaPrepared_ = false; // the media service was asked to start

    std::vector<QMetaObject::Connection> bindings_;
    QObject* filterFocusWatcher_ = nullptr;
};

} // namespace ejteto
