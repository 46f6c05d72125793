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
#include "content/sound_id.h"
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
#include "pairs/pairs_module.h"
#include "practice/practice_module.h"
#include "tool_windows/control_menu.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/nevjegy.h"
#include "ui/spoken_notice.h"
#include "window/module_wiring.h"
#include "window/qt_run_clock.h"
#include "window/window_controls.h"
#include "word_index/word_index_module.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>

namespace ejteto {

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

    createLayout();
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
    openPlaceholders();
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
    fillModuleRegistries();
    for (qsizetype i = 0; i < startAnswerSpeakers_.size(); ++i)
        registries_.SpeakerImages[static_cast<size_t>(i)]->setPicture(startAnswerSpeakers_[i]);
    if (!startWordSpeaker_.isNull())
        wordIndex_->panel().Image_Szomutato_Hanglejatszas->setPicture(startWordSpeaker_);
    startAnswerSpeakers_.clear();
    startWordSpeaker_ = QImage();

    setTabOrders();
    bindEvents();
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
    unbindEvents();
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

void TForm1::setTabOrders()
{
    // Keyboard focus runs through the control panel and the mosaic, then the
    // module panels in their stacking order, each in its own laid-out tab
    // order.
    QList<QWidget*> chain = controls_->tabChain();
    for (const SoundId s : allSounds())
        chain << registries_.MosaicImages[s.index()];
    chain << lecture_->panel().tabChain() << wordIndex_->panel().tabChain() << pairs_->panel().tabChain()
          << practice_->panel().tabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::openPlaceholders()
{
    // Found beside the executable, not in the working directory, so the
    // program starts from a desktop menu or any folder. Neither is ever
    // played (each player opens its own file first), so each is only checked
    // now and prepared if a command ever reaches it: the window does not
    // wait for the media service.
    MediaPlayer& player1 = sounds_->player();
    player1.setFileName(installDir_ + QStringLiteral("media/null.wav"));
    player1.OpenLazily();
    MediaPlayer& player2 = *lecturePlayer_;
    player2.setFileName(installDir_ + QStringLiteral("media/null.avi"));
    player2.OpenLazily();
}

void TForm1::Betolt()
{
    programRandom().seedFromClock();
    state_.AppDir = installDir_;
    state_.MediaDir = mediaDirOf(state_.AppDir);
    try {
        readLevelSetting();
        loadContentTables();
    } catch (...) {
        // The registries only refer to controls that always exist: filling
        // them even after a failed load keeps every button of the window safe.
        fillRegistries();
        describeTiles();
        throw;
    }
    fillRegistries();
    describeTiles();
    loadRegistryPictures();
}

void TForm1::readLevelSetting()
{
    recoverInterruptedSaves(state_.AppDir);
    const int32_t v = readLevel(levelFileToRead(state_.AppDir));
    QComboBox* levels = controls_->ComboBox_Nehezseg;
    const QSignalBlocker quiet(levels); // not a learner's change
    levels->setCurrentIndex(v >= 0 && v < levels->count() ? v : -1);
    state_.CurrentLevel = levels->currentIndex();
    controls_->Label_Cimke_Szint->setAccessibleName(levelNotice(levels->currentText()));
}

void TForm1::loadContentTables()
{
    const QByteArray sounds = readTableBytes(state_.AppDir + QStringLiteral("sounds.csv"));
    const QStringList soundLines = splitTableLines(sounds);
    loadSoundTable(content_, soundLines, programRandom());
    const QByteArray words = readTableBytes(state_.AppDir + QStringLiteral("words.csv"));
    // A line that fails ends the load; the words before it are listed.
    startWords_.emplace();
    const QStringList wordLines = splitTableLines(words);
    loadWordTable(content_, wordLines, [this](const QString& word) { *startWords_ << word; });
    // A broken rule is told once, with the rules the content checker uses;
    // the start goes on as it would have.
    const QString faults = contentFaultMessage(checkContentRules(sounds, soundLines, words, wordLines), state_.AppDir);
    if (!faults.isEmpty())
        showErrorBox(faults);
}

void TForm1::fillRegistries()
{
    Registries& r = registries_;
    r.LauncherButtons = {controls_->Button_Inditas_Eloadas, controls_->Button_Inditas_Gyakorlat,
                         controls_->Button_Inditas_Teszt, controls_->Button_Szomutato, controls_->Button_Jatek};
}

void TForm1::fillModuleRegistries()
{
    Registries& r = registries_;
    r.ModulePanels = {practice_->panel().Panel_Modul_GyakTeszt, wordIndex_->panel().Panel_Szomutato,
                      pairs_->panel().Panel_Jatek, lecture_->panel().Panel_Modul_Eloadas};
    for (QWidget* panel : r.ModulePanels)
        panel->move(0, panel->y());
    QWidget* results = practice_->panel().Panel_Ertekelo;
    results->move(32, results->y());
    const PracticePanel& practice = practice_->panel();
    for (size_t i = 0; i < 4; ++i) {
        r.AnswerLabels[i] = practice.Label_GyakTeszt_e[i + 1];
        r.MeaningButtons[i] = practice.Label_GyakTeszt_h[i + 1];
        r.MeaningLabels[i] = practice.Label_GyakTeszt_m[i + 1];
        r.SpeakerImages[i] = practice.Image_Speaker[i + 1];
    }
    for (size_t q = 1; q <= 10; ++q)
        r.ResultLabels[q] = practice.Label_Result[q];
    r.StatusLabels = {practice.Label_GyakTesztStatusz_s1, practice.Label_GyakTesztStatusz_s2};
    r.GameButtons = pairs_->panel().Button_Jatek_;
}

void TForm1::loadRegistryPictures()
{
    for (const SoundId s : allSounds())
        registries_.MosaicImages[s.index()]->setPicture(loadJpeg(inactiveTilePath(state_.AppDir, s.value())));
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
