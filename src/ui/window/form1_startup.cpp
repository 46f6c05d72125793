// Creating the main window: layout, modules, placeholders, then the start-up
// sequence `Betolt`; and `Kilep`, which saves the level when the window
// closes.
#include "accessibility/accessible_controls.h"
#include "accessibility/accessible_texts.h"
#include "app/paths.h"
#include "app/random_source.h"
#include "app/settings.h"
#include "app/settings_location.h"
#include "content/content_rules.h"
#include "content/line_reader.h"
#include "controls/focus_visibility.h"
#include "keyboard/key_dispatcher.h"
#include "lecture/lecture_module.h"
#include "listening/listen_controls.h"
#include "listening/recording_sounds.h"
#include "listening/voice_compare.h"
#include "media/gst_media_engine.h"
#include "media/gst_voice_recorder.h"
#include "media/jpeg_loader.h"
#include "media/media_player.h"
#include "media/picture_word.h"
#include "pairs/pairs_module.h"
#include "practice/practice_module.h"
#include "shared/control_menu.h"
#include "shared/module_wiring.h"
#include "shared/qt_run_clock.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/nevjegy.h"
#include "ui/spoken_notice.h"
#include "window/window_controls.h"
#include "word_index/word_index_module.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>

namespace ejteto {

namespace {

// Found beside the executable, not in the working directory, so the program
// starts from a desktop menu or any folder. Neither is ever played (each
// player opens its own file first), so each is only checked now and
// prepared if a command ever reaches it: the window does not wait for the
// media service.
void openPlaceholders(const QString& installDir, MediaPlayer& player1, MediaPlayer& player2)
{
    player1.setFileName(installDir + QStringLiteral("media/null.wav"));
    player1.OpenLazily();
    player2.setFileName(installDir + QStringLiteral("media/null.avi"));
    player2.OpenLazily();
}

void readLevelSetting(ProgramState& state, const WindowControls& controls)
{
    recoverInterruptedSaves(state.AppDir);
    const int32_t v = readLevel(levelFileToRead(state.AppDir));
    QComboBox* levels = controls.ComboBox_Nehezseg;
    const QSignalBlocker quiet(levels); // not a learner's change
    levels->setCurrentIndex(v >= 0 && v < levels->count() ? v : -1);
    state.CurrentLevel = levels->currentIndex();
    controls.Label_Cimke_Szint->setAccessibleName(levelNotice(levels->currentText()));
}

// The sounds and words tables; the words listed before a line that fails
// end up in `listed`.
void loadContentTables(const QString& appDir, ContentTables& content, std::optional<QStringList>& listed)
{
    const QByteArray sounds = readTableBytes(appDir + QStringLiteral("sounds.csv"));
    const QStringList soundLines = splitTableLines(sounds);
    loadSoundTable(content, soundLines, programRandom());
    const QByteArray words = readTableBytes(appDir + QStringLiteral("words.csv"));
    // A line that fails ends the load; the words before it are listed.
    listed.emplace();
    const QStringList wordLines = splitTableLines(words);
    loadWordTable(content, wordLines, [&listed](const QString& word) { *listed << word; });
    // A broken rule is told once, with the rules the content checker uses;
    // the start goes on as it would have.
    const QString faults = contentFaultMessage(checkContentRules(sounds, soundLines, words, wordLines), appDir);
    if (!faults.isEmpty())
        showErrorBox(faults);
}

// The registries' controls that always exist, and the tiles' names: each
// tile is named by its lesson, its vowel and the word its picture prints,
// which the picture records; the IPA is its description.
void fillWindowRegistries(Registries& r, const WindowControls& c, const QString& appDir)
{
    r.LauncherButtons = {c.Button_Inditas_Eloadas, c.Button_Inditas_Gyakorlat, c.Button_Inditas_Teszt,
                         c.Button_Szomutato, c.Button_Jatek};
    for (int n = 1; n <= 16; ++n) {
        const QString word = pictureWordOfFile(inactiveTilePath(appDir, n));
        r.MosaicImages[n]->setAccessibleName(tileName(n, word));
        r.MosaicImages[n]->setAccessibleDescription(vowelDescription(n));
    }
}

void fillModuleRegistries(Registries& r, const PracticePanel& practice, const WordIndexPanel& index,
                          const PairsPanel& pairs, const LecturePanel& lecture)
{
    r.ModulePanels = {practice.Panel_Modul_GyakTeszt, index.Panel_Szomutato, pairs.Panel_Jatek,
                      lecture.Panel_Modul_Eloadas};
    for (QWidget* panel : r.ModulePanels)
        panel->move(0, panel->y());
    QWidget* results = practice.Panel_Ertekelo;
    results->move(32, results->y());
    for (size_t i = 0; i < 4; ++i) {
        r.AnswerLabels[i] = practice.Label_GyakTeszt_e[i + 1];
        r.MeaningButtons[i] = practice.Label_GyakTeszt_h[i + 1];
        r.MeaningLabels[i] = practice.Label_GyakTeszt_m[i + 1];
        r.SpeakerImages[i] = practice.Image_Speaker[i + 1];
    }
    for (size_t q = 1; q <= 10; ++q)
        r.ResultLabels[q] = practice.Label_Result[q];
    r.StatusLabels = {practice.Label_GyakTesztStatusz_s1, practice.Label_GyakTesztStatusz_s2};
    r.GameButtons = pairs.Button_Jatek_;
}

// Keyboard focus runs through `chain` in its order.
void setTabOrders(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace

TForm1::TForm1(const QString& installDir, const WindowServices& services)
    : QWidget(nullptr), installDir_(installDir.isEmpty() ? currentAppDir() : installDir)
{
    // Before any control exists: an interface Qt makes for a control is
    // kept for the control's life.
    installAccessibleControls();
    watchFocusVisibility();
    if (!installDir_.endsWith(QLatin1Char('/')))
        installDir_ += QLatin1Char('/');
    if (!services.pump || !services.clock)
        realTime_ = std::make_unique<QtRunClock>();
    pump_ = services.pump ? services.pump : realTime_.get();
    clock_ = services.clock ? services.clock : realTime_.get();
    runs_ = services.runs;

    const MediaEngineFactory engines = services.engines ? services.engines : MediaEngineFactory(makeGstMediaEngine);
    const VoiceRecorderFactory recorders =
        services.recorders ? services.recorders : VoiceRecorderFactory([] { return makeGstVoiceRecorder(); });

    controls_ = std::make_unique<WindowControls>(layOutMainWindow(*this, registries_.MosaicImages));
    notice_ = new SpokenNotice(this);
    sounds_ = std::make_unique<RecordingSounds>(this, state_, engines());
    voice_ = std::make_unique<VoiceCompare>(this, recorders(), *sounds_, *pump_);
    // The lecture's player holds the second placeholder; its video area
    // comes with the lecture panel.
    lecturePlayer_ = new MediaPlayer(engines(), nullptr, this);
    lecturePlayer_->setObjectName(QStringLiteral("MediaPlayer2"));
    // The window opens with the focus on its first stop, the level list.
    controls_->tabChain().first()->setFocus(Qt::OtherFocusReason);
    // A placeholder that cannot be opened is fatal: the error leaves the
    // constructor and the program ends with the "Application Error" box.
    openPlaceholders(installDir_, sounds_->player(), *lecturePlayer_);
    runGuarded([this] { Betolt(); });
    if (!services.panelsAfterFirstPaint)
        buildModules();
}

void TForm1::buildModules()
{
    if (practice_)
        return;
    // The module panels in their stacking order, bottom to top.
    lecture_ = std::make_unique<LectureModule>(this, state_, *lecturePlayer_);
    wordIndex_ = std::make_unique<WordIndexModule>(this, content_, *sounds_);
    pairs_ = std::make_unique<PairsModule>(this, state_, content_, programRandom(), *sounds_, *clock_, registries_);
    practice_ = std::make_unique<PracticeModule>(this, state_, content_, programRandom(), *sounds_, *pump_, *clock_,
                                                 registries_);
    pairs_->game().setObserver(runs_);
    practice_->run().setObserver(runs_);
    fillModuleRegistries(registries_, practice_->panel(), wordIndex_->panel(), pairs_->panel(), lecture_->panel());
    for (qsizetype i = 0; i < startAnswerSpeakers_.size(); ++i)
        registries_.SpeakerImages[static_cast<size_t>(i)]->setPicture(startAnswerSpeakers_[i]);
    if (!startWordSpeaker_.isNull())
        wordIndex_->panel().Image_Szomutato_Hanglejatszas->setPicture(startWordSpeaker_);
    startAnswerSpeakers_.clear();
    startWordSpeaker_ = QImage();

    // Keyboard focus runs through the control panel and the mosaic, then the
    // module panels in their stacking order, each in its own laid-out tab
    // order.
    QList<QWidget*> chain = controls_->tabChain();
    for (int n = 1; n <= 16; ++n)
        chain << registries_.MosaicImages[n];
    setTabOrders(chain << lecture_->panel().tabChain() << wordIndex_->panel().tabChain() << pairs_->panel().tabChain()
                       << practice_->panel().tabChain());

    // The window's own events, through the error wrapper: a failing handler
    // shows the error box and the event loop carries on; then the modules
    // bind theirs.
    bindings_ = std::make_unique<GuardedBindings>(this);
    GuardedBindings& b = *bindings_;
    const WindowControls& w = *controls_;
    for (int n = 1; n <= 16; ++n)
        b.bind(registries_.MosaicImages[n], &ImageControl::clicked, [this, n] { Mozaikmegnyomas(n); });
    b.bind(w.ComboBox_Nehezseg, &QComboBox::currentIndexChanged, [this](int) { Gombellenorzes(); });
    b.bind(w.Button_Inditas_Eloadas, &QPushButton::clicked, [this] { Button_Inditas_EloadasClick(); });
    b.bind(w.Button_Inditas_Gyakorlat, &QPushButton::clicked, [this] { Button_Inditas_GyakorlatClick(); });
    b.bind(w.Button_Inditas_Teszt, &QPushButton::clicked, [this] { Button_Inditas_TesztClick(); });
    b.bind(w.Button_Szomutato, &QPushButton::clicked, [this] { Button_SzomutatoClick(); });
    b.bind(w.Button_Jatek, &QPushButton::clicked, [this] { Button_JatekClick(); });
    b.bind(w.BitBtn1, &QPushButton::clicked, [this] { Label_DeveloperClick(); });
    b.bind(w.Label_Developer, &Label::clicked, [this] { Label_DeveloperClick(); });

    // The controls that play a recording, with Shift or Ctrl held and by
    // their keys L and F; the tiles and cards with a right-click menu. A
    // tile's slow way is its click with the vowel slowed; comparing does
    // nothing else to it: a tile is not chosen, so a learner repeating a
    // vowel never changes a lesson.
    listening_ = std::make_unique<ListenControls>(
        [this](const std::optional<CourseRecording>& model) { voice_->recordAndCompare(model); });
    menu_ = std::make_unique<ControlMenu>(*listening_, tools_);
    for (int n = 1; n <= 16; ++n) {
        ImageControl* tile = registries_.MosaicImages[n];
        listening_->addClickable(tile,
                                 {[this, n] { Mozaikmegnyomas(n, Speed::Slow); },
                                  [n] { return std::optional(CourseRecording::ofVowel(n)); }},
                                 listenWaysDescription(ListenTarget::Tile));
        menu_->attach(tile);
    }
    ModuleWiring wiring{b, *listening_, *menu_, *notice_, *this};
    practice_->wire(wiring);
    wordIndex_->wire(wiring);
    pairs_->wire(wiring);
    lecture_->wire(wiring);

    createKeyboardPaths();
    // The words the start listed, shown with the list's handlers bound.
    if (startWords_) {
        wordIndex_->showWords(*startWords_);
        startWords_.reset();
    }
}

TForm1::~TForm1()
{
    // The controls outlive this body (the widget base deletes them), and
    // some send signals or focus events as they go: nothing may reach the
    // modules once they are gone.
    bindings_.reset();
    // No key may reach the modules once they are gone.
    mosaicKeys_ = nullptr;
    windowKeys_ = nullptr;
    keys_.reset();
    listening_.reset();
}

const PracticeRunState& TForm1::practiceRun() const
{
    static const PracticeRunState notBuilt;
    return practice_ ? practice_->state() : notBuilt;
}

const PairsGameState& TForm1::pairsGame() const
{
    static const PairsGameState notBuilt;
    return pairs_ ? pairs_->state() : notBuilt;
}

void TForm1::Betolt()
{
    programRandom().seedFromClock();
    state_.AppDir = installDir_;
    state_.MediaDir = mediaDirOf(state_.AppDir);
    try {
        readLevelSetting(state_, *controls_);
        loadContentTables(state_.AppDir, content_, startWords_);
    } catch (...) {
        // The registries only refer to controls that always exist: filling
        // them even after a failed load keeps every button of the window safe.
        fillWindowRegistries(registries_, *controls_, state_.AppDir);
        throw;
    }
    fillWindowRegistries(registries_, *controls_, state_.AppDir);
    for (int n = 1; n <= 16; ++n)
        registries_.MosaicImages[n]->setPicture(loadJpeg(inactiveTilePath(state_.AppDir, n)));
    // The four answer speakers, then the word index's: read now, shown on
    // their panels once those exist.
    for (size_t i = 0; i < registries_.SpeakerImages.size(); ++i)
        startAnswerSpeakers_ << loadJpeg(answerSpeakerPath(state_.AppDir));
    startWordSpeaker_ = loadJpeg(wordIndexSpeakerPath(state_.AppDir));
}

void TForm1::Kilep() { writeLevel(levelFileToWrite(state_.AppDir), state_.CurrentLevel, settingsRecoveryFolder()); }

void TForm1::paintEvent(QPaintEvent* e)
{
    QWidget::paintEvent(e);
    if (std::exchange(firstPaintSeen_, true))
        return;
    // The window is on screen: its hidden panels are made next, and the
    // media service starts, in the background, so neither the window nor
    // the first sound waits for it.
    QTimer::singleShot(0, this, [this] {
        runGuarded([this] { buildModules(); }); // nothing when already made
        emit firstPainted();
    });
    QTimer::singleShot(0, this, [this] { sounds_->player().prepareAhead(); });
}

void TForm1::closeEvent(QCloseEvent* e)
{
    // A level that cannot be saved is reported, but never keeps the learner
    // from quitting.
    if (!state_.AppDir.isEmpty())
        runGuarded([this] { Kilep(); });
    // A run still on its panel when the program ends was left unfinished.
    if (practice_)
        practice_->run().abandon();
    e->accept();
}

} // namespace ejteto
