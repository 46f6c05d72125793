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
#include "ui/tool_host.h"
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

class TForm1 : public QWidget, private ModuleHost, private ToolHost {
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

    // What the learning tools beside the window may ask of it, and no more.
    ToolHost& tools() { return *this; }

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
    // The learning modules with their panels, and everything that reaches
    // into them: tab order, bindings, keys, their registries and what the
    // start read for them. Made once.
    void buildModules();
    void createKeyboardPaths(); // (form1_keyboard.cpp)

    // ---- navigation and playback (form1_navigation.cpp) --------------------
    // A tile's click: the lesson chosen, then its vowel heard; with the
    // vowel slowed for Shift+click and L.
    void Mozaikmegnyomas(int n, Speed speed = Speed::Normal);
    void Gombellenorzes();
    void IranyitoPult_Deaktivalas();
    void Bezargombmegnyomas(ModulePanel panel);
    void Image_SoundClick();
    void Label_DeveloperClick();
    void openHelp();

    // ---- the control panel's launchers (form1_modules.cpp) -----------------
    void Button_Inditas_EloadasClick();
    void Button_Inditas_GyakorlatClick();
    void Button_Inditas_TesztClick();
    void startRun(RunKind kind);
    void Button_SzomutatoClick();
    void Button_JatekClick();

    // ---- what the modules ask of the window (form1_modules.cpp) ------------
    void closePanel(ModulePanel panel) override;
    void playLessonVowel(Speed speed) override;

    // ---- what the tool windows ask of it (form1_tools.cpp) -----------------
    void addTool(ToolEntry entry) override;
    CompareController& compare() override;
    int currentLesson() const override;
    void addLessonObserver(std::function<void(int lesson)> observer) override;
    RecordingPlayer& recordings() override;
    QString mediaFolder() const override;
    const ContentTables& contentTables() const override;
    QString playbackVoice() override;
    QString choosePlaybackVoice(const QString& voice) override;
    QWidget& mainWindow() override;

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
    // The tools told of each lesson chosen in the mosaic.
    std::vector<std::function<void(int)>> lessonObservers_;
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
