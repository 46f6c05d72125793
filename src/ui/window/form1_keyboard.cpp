// The window for keys and screen readers: the keys' concerns in the order
// they are asked, and the names of the controls whose meaning comes from
// the loaded tables or the chosen lesson.
#include "accessibility/accessible_texts.h"
#include "keyboard/key_dispatcher.h"
#include "keyboard/listen_keys.h"
#include "keyboard/mosaic_keys.h"
#include "keyboard/panel_keys.h"
#include "keyboard/press_keys.h"
#include "keyboard/replay_keys.h"
#include "keyboard/window_keys.h"
#include "lecture/lecture_module.h"
#include "listening/listen_controls.h"
#include "pairs/pairs_module.h"
#include "practice/practice_module.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/nevjegy.h"
#include "ui/tool_window.h"
#include "window/window_controls.h"
#include "word_index/word_index_module.h"

#include <QPushButton>

namespace ejteto {

namespace {

// A lesson is chosen and no test withholds its vowel, as a test hides the
// vowel's speaker.
bool lessonVowelOnOffer(const ProgramState& state, const PracticeModule& practice)
{
    const bool testRunning = practice.open() && state.CurrentModule == ModuleId::Test;
    return state.CurrentLesson > 0 && !testRunning;
}

} // namespace

void TForm1::createKeyboardPaths()
{
    // Made with the modules, once their registries are filled.
    keys_ = std::make_unique<KeyDispatcher>();
    keys_->watch(this);
    const Registries& r = registries_;
    const PracticePanel& practice = practice_->panel();
    const WordIndexPanel& index = wordIndex_->panel();
    const PairsPanel& game = pairs_->panel();
    const LecturePanel& lecture = lecture_->panel();
    const QList<QWidget*> panels(r.ModulePanels.begin(), r.ModulePanels.end());

    auto window = std::make_unique<WindowKeys>(this, controls_->BitBtn1, panels, tools_,
                                               [this] { runGuarded([this] { openHelp(); }); });
    windowKeys_ = window.get();
    keys_->add(std::move(window));
    // Esc and F1 in the windows beside this one.
    QList<ToolWindow*> toolWindows;
    if (aboutWindow_)
        toolWindows << aboutWindow_.data();
    for (const ToolEntry& tool : tools_)
        if (tool.window)
            toolWindows << tool.window;
    for (ToolWindow* w : toolWindows) {
        keys_->watch(w);
        windowKeys_->addToolWindow(w);
    }

    keys_->add(std::make_unique<PanelKeys>(
        QList<ModulePanelKeys>{{practice.Panel_Modul_GyakTeszt, practice.Button_Modul_GyakTeszt_Bezar},
                               {index.Panel_Szomutato, index.Button_Modul_Szomutato_Bezar},
                               {game.Panel_Jatek, game.Button_Modul_Jatek_Bezar},
                               {lecture.Panel_Modul_Eloadas, lecture.Button_Modul_Eloadas_Bezar}},
        practice.Panel_Modul_GyakTeszt, practice.Panel_Ertekelo, practice.Button_GyakTeszt_Tovabb, r.AnswerLabels));

    ReplayTargets replay;
    practice_->addReplayTargets(replay);
    wordIndex_->addReplayTargets(replay);
    replay.vowelOnOffer = [this] { return lessonVowelOnOffer(state_, *practice_); };
    replay.playVowel = [this] { runGuarded([this] { Image_SoundClick(); }); };
    const QWidget* wordList = replay.wordList;
    std::function<void()> playListWord = replay.playListWord;
    keys_->add(std::make_unique<ReplayKeys>(std::move(replay)));

    Listening lessonVowel;
    lessonVowel.slow = [this] {
        if (lessonVowelOnOffer(state_, *practice_))
            playLessonVowel(Speed::Slow);
    };
    lessonVowel.model = [this]() -> std::optional<CourseRecording> {
        if (!lessonVowelOnOffer(state_, *practice_))
            return std::nullopt;
        return CourseRecording::ofVowel(state_.CurrentLesson);
    };
    keys_->add(std::make_unique<ListenKeys>(this, *listening_, std::move(lessonVowel)));

    auto mosaic = std::make_unique<MosaicKeys>(r.MosaicImages);
    mosaicKeys_ = mosaic.get();
    keys_->add(std::move(mosaic));

    keys_->add(std::make_unique<PressKeys>(wordList, std::move(playListWord)));
    practice_->addKeys(*keys_);
    // The keys that hear a word slowly or compare it, told once for the whole
    // window rather than on every tile and card.
    setAccessibleDescription(windowKeyHints() + QLatin1Char(' ') + listening_->keyHints());
}

} // namespace ejteto
