#pragma once
// The main window: the control panel, the lesson mosaic, the title texts and
// the panels of the learning modules, laid out once: with the window, or the
// panels that start hidden right after its first paint. Modules are entered
// and left by showing and hiding their panels; no control is added after
// that.
//
// The window itself keeps the program-wide state, the registries, the lesson
// choice, the control panel and switching the panels. Each learning module
// is a unit of its own that owns its panel and its state and binds its own
// controls; the window's launchers do the window's part (the control panel,
// the module id) and hand the rest on.
#include "content/compare_controller.h"
#include "content/tables.h"
#include "content/voice_recorder.h"
#include "media/media_engine.h"
#include "ui/module_host.h"
#include "ui/program_state.h"
#include "ui/registries.h"
#include "ui/tool_window.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ejteto {

class Clock;
class ControlMenu;
class EventPump;
class GuardedBindings;
class HelpWindow;
class KeyDispatcher;
class LectureModule;
class ListenControls;
class MediaPlayer;
class MosaicKeys;
class PairsModule;
class PracticeModule;
class QtRunClock;
class RunObserver;
class RecordingSounds;
class SpokenNotice;
class TForm_About;
class VoiceCompare;
class WindowKeys;
class WordIndexModule;
struct CourseRecording;
struct PairsGameState;
struct PracticeRunState;
struct WindowControls;
enum class RunKind;

// What the window uses of the world outside it. Left empty, the real ones:
// handlers that pause and repaint on the window thread in real time, and
// GStreamer behind both media players and the microphone.
struct WindowServices {
    EventPump* pump = nullptr; // not owned; must outlive the window
    Clock* clock = nullptr;    // not owned; must outlive the window
    MediaEngineFactory engines;
    VoiceRecorderFactory recorders;
    // Told of every practice, test and pairs run that ends (the history);
    // not owned, must outlive the window. None: runs are not kept.
    RunObserver* runs = nullptr;
    // The program shows its window at once: the module panels, which start
    // hidden, are then made once the window is on screen, so its first paint waits only for what it shows.
    // Every file of the start is still read, and every error raised, while
    // the window is created. Left false, the window is complete on return.
    bool panelsAfterFirstPaint = false;
};

class TForm1 : public QWidget, private ModuleHost {
    Q_OBJECT
public:
    // Lays the window out, opens the two media players' placeholders (an
    // error there is fatal and propagates to the caller) and runs `Betolt`
    // (whose errors are shown and leave the window usable), then makes the
    // hidden module panels unless `services` leaves them for after the first
    // paint. `installDir` is the installation folder, ending in "/": the
    // executable's own by default.
    explicit TForm1(const QString& installDir = QString(), const WindowServices& services = {});
    ~TForm1() override;

    // The About window the About button shows; its keys (F1, Esc) are the
    // window's keys too.
    void setAboutWindow(TForm_About* about);

    // Offers a learning tool: its key and its line in the right-click menu
    // of the tiles and cards open it, and its window gets Esc and F1.
    void addTool(ToolEntry entry);
    // Every take of record-and-compare, as soon as it is recorded.
    void addTakeObserver(TakeObserver observer);
    // Records the learner saying `model` and compares, as F does on a
    // control that plays it (a tool window's "say this word").
    void sayAndCompare(const CourseRecording& model) { recordAndCompare(model); }

    // What the window holds, to read: for the About window's neighbours and
    // for tests. Every change goes through the window's own handlers.
    const ProgramState& state() const { return state_; }
    const ContentTables& content() const { return content_; }
    const Registries& registries() const { return registries_; }
    const PracticeRunState& practiceRun() const;
    const PairsGameState& pairsGame() const;

signals:
    // The window has painted itself for the first time, and the panels made
    // after that exist: what the learner does not see yet can be made now.
    void firstPainted();

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
    // The learning modules with their panels, and
    // everything that reaches into them: tab order, bindings, keys, their
    // registries and what the start read for them. Made once.
    void buildModules();
    void fillModuleRegistries();

    // ---- navigation and playback (form1_navigation.cpp) --------------------
    void Mozaikmegnyomas(int n);
    void Gombellenorzes();
    void IranyitoPult_Deaktivalas();
    void Bezargombmegnyomas(ModulePanel panel);
    void Image_SoundClick();
    void Label_DeveloperClick();
    void openHelp();
    // A module panel comes into view with the focus on its first control,
    // the mosaic under it out of reach; closed, it gives the focus back to
    // the control panel's button that opened it.
    void enterPanel(ModulePanel panel);
    void leavePanel(ModulePanel panel);
    // The chosen lesson as screen readers hear it: the chosen tile, the
    // vowel's speaker.
    void describeChosenLesson();
    // Steps 1 to 5 of choosing lesson n: everything but its vowel.
    void chooseLesson(int n);

    // ---- the control panel's launchers (form1_modules.cpp) -----------------
    void Button_Inditas_EloadasClick();
    void Button_Inditas_GyakorlatClick();
    void Button_Inditas_TesztClick();
    void startRun(RunKind kind);
    void Button_SzomutatoClick();
    void Button_JatekClick();
    // What the modules ask of the window.
    void closePanel(ModulePanel panel) override;
    void playLessonVowel(Speed speed) override;

    // ---- layout and bindings (form1_layout.cpp, form1_bindings.cpp) --------
    void createLayout();
    void setTabOrders();
    // The window's own controls and every module's, through the error
    // wrapper; the other ways of hearing and the right-click menu with them.
    void bindEvents();
    void unbindEvents();
    // ---- keys and screen readers (form1_keyboard.cpp) ----------------------
    void createKeyboardPaths();
    void describeTiles();
    // A tool window gets the window's Esc and F1.
    void watchToolWindow(ToolWindow* window);
    // A lesson is chosen and no test withholds its vowel.
    bool lessonVowelOnOffer() const;

    // ---- the other two ways of hearing (form1_voice.cpp) -------------------
    // Shift+click and L, Ctrl+click and F on the mosaic's tiles.
    void bindTileListening();
    // A tile's click with its vowel slowed: the lesson chosen, then heard.
    void chooseLessonSlowly(int n);
    // Records the learner, then plays `model` and the take. While a take is
    // being recorded it ends that take instead, with a model or without.
    void recordAndCompare(const std::optional<CourseRecording>& model);

    QString installDir_;
    QPointer<TForm_About> aboutWindow_; // may go before the window
    ProgramState state_;
    ContentTables content_; // SoundTable, WordTable, WordCount
    Registries registries_;

    std::unique_ptr<QtRunClock> realTime_; // when no pump or clock was given
    EventPump* pump_ = nullptr;
    Clock* clock_ = nullptr;
    RunObserver* runs_ = nullptr;

    std::unique_ptr<WindowControls> controls_;  // the window's own controls
    std::unique_ptr<RecordingSounds> sounds_;   // plays through MediaPlayer1
    std::unique_ptr<VoiceCompare> voice_;       // records through the microphone
    std::unique_ptr<ListenControls> listening_; // Shift/Ctrl clicks, L and F
    std::vector<ToolEntry> tools_;              // the learning tools offered
    std::unique_ptr<ControlMenu> menu_;         // the tiles' and cards' right-click menu
    MediaPlayer* lecturePlayer_ = nullptr;      // MediaPlayer2, a child of the window
    std::unique_ptr<LectureModule> lecture_;
    std::unique_ptr<WordIndexModule> wordIndex_;
    std::unique_ptr<PairsModule> pairs_;
    std::unique_ptr<PracticeModule> practice_;

    // Tells screen readers what changed; a child of the window.
    SpokenNotice* notice_ = nullptr;
    // The help page's own window, made at the first F1: a window of its own,
    // like the About window, that the window manager activates.
    std::unique_ptr<HelpWindow> help_;

    bool firstPaintSeen_ = false; // the work after the first paint was begun

    // What the start read for the modules' panels, kept until they exist:
    // the listed words (once the start got as far as listing them) and the
    // speaker pictures it managed to read.
    std::optional<QStringList> startWords_;
    QList<QImage> startAnswerSpeakers_;
    QImage startWordSpeaker_;

    std::unique_ptr<GuardedBindings> bindings_;
    std::unique_ptr<KeyDispatcher> keys_;
    MosaicKeys* mosaicKeys_ = nullptr; // owned by keys_
    WindowKeys* windowKeys_ = nullptr; // owned by keys_
};

} // namespace ejteto
