// Hearing what a control plays in the other two ways: slowly (Shift+click,
// L), and beside the learner's own take (Ctrl+click, F). Each control does
// what its click does with the recording slowed, and compares without doing
// anything else to it: a tile is not chosen and a card is not turned, so a
// learner repeating a word never changes a lesson or spoils a game.
#include "accessibility/accessible_texts.h"
#include "content/compare_controller.h"
#include "controls/image_control.h"
#include "controls/label.h"
#include "listen_controls.h"
#include "pairs_module.h"
#include "practice_module.h"
#include "recording_sounds.h"
#include "tool_windows/control_menu.h"
#include "ui/form1.h"
#include "voice_compare.h"
#include "window_controls.h"
#include "word_index_module.h"

#include <QPushButton>

namespace ejteto {

namespace {

// The recording of `word`; none for an empty one (nothing there to say).
std::optional<CourseRecording> wordModel(const QString& word)
{
    if (word.isEmpty())
        return std::nullopt;
    return CourseRecording::ofWord(word);
}

} // namespace

void TForm1::playSlowly(const CourseRecording& recording) { sounds_->play(recording, Speed::Slow); }

void TForm1::chooseLessonSlowly(int n)
{
    chooseLesson(n);
    playSlowly(CourseRecording::ofVowel(state_.CurrentLesson));
}

void TForm1::addTakeObserver(TakeObserver observer) { voice_->controller().addTakeObserver(std::move(observer)); }

void TForm1::recordAndCompare(const std::optional<CourseRecording>& model)
{
    CompareController& compare = voice_->controller();
    if (compare.recording())
        compare.stop();
    else if (model)
        compare.press(*model);
}

void TForm1::bindListening()
{
    listening_ = std::make_unique<ListenControls>(
        [this](const std::optional<CourseRecording>& model) { recordAndCompare(model); });
    ListenControls& l = *listening_;

    for (int n = 1; n <= 16; ++n)
        l.addClickable(
            controls_->Image_Mosaic[n],
            {[this, n] { chooseLessonSlowly(n); }, [n] { return std::optional(CourseRecording::ofVowel(n)); }},
            listenWaysDescription(ListenTarget::Tile));

    const PracticePanel& practice = practice_->panel();
    l.addClickable(practice.Image_Sound,
                   {[this] { playSlowly(CourseRecording::ofVowel(state_.CurrentLesson)); },
                    [this] { return std::optional(CourseRecording::ofVowel(state_.CurrentLesson)); }},
                   listenWaysDescription(ListenTarget::Recording));
    for (int place = 0; place < 4; ++place) {
        const auto k = static_cast<size_t>(place + 1);
        ImageControl* speaker = practice.Image_Speaker[k];
        // An answer and its "HU" button hear their place's word by key, as
        // far as the run offers the place's speaker (a test does not).
        Listening word{[this, place, speaker] {
                           if (speaker->isVisible())
                               practice_->run().playAnswer(place, Speed::Slow);
                       },
                       [this, place, speaker]() -> std::optional<CourseRecording> {
                           if (!speaker->isVisible())
                               return std::nullopt;
                           return wordModel(practice_->run().answerWord(place));
                       }};
        l.addClickable(speaker, word, listenWaysDescription(ListenTarget::Recording));
        l.addKeysOnly(practice.Label_GyakTeszt_e[k], word);
        l.addKeysOnly(practice.Label_GyakTeszt_h[k], word);
    }
    for (int q = 1; q <= 10; ++q)
        for (int place = 0; place < 4; ++place)
            l.addClickable(practice.Label_Result[static_cast<size_t>(q)][static_cast<size_t>(place)],
                           {[this, q, place] { practice_->run().ErtekeloSzoLejatszas(q, place, Speed::Slow); },
                            [this, q, place] { return wordModel(practice_->run().resultWord(q, place)); }},
                           listenWaysDescription(ListenTarget::Recording));

    const WordIndexPanel& index = wordIndex_->panel();
    l.addClickable(
        index.Image_Szomutato_Hanglejatszas,
        {[this] { wordIndex_->Megszolal(Speed::Slow); }, [this] { return wordModel(wordIndex_->selectedWord()); }},
        listenWaysDescription(ListenTarget::Recording));
    l.addList(index.ListBox_Szomutato,
              {[this] { wordIndex_->playFocusedRow(Speed::Slow); },
               [this] { return wordModel(wordIndex_->selectFocusedRow()); }},
              listenWaysDescription(ListenTarget::WordList));

    const GamePanel& game = pairs_->panel();
    for (int i = 0; i < 20; ++i)
        l.addClickable(game.Button_Jatek_[static_cast<size_t>(i)],
                       {[this, i] { pairs_->game().Jatekgombmegnyomas(i, state_.CurrentLevel, Speed::Slow); },
                        [this, i] { return wordModel(pairs_->game().turnedWord(i)); }},
                       listenWaysDescription(ListenTarget::Card));

    menu_ = std::make_unique<ControlMenu>(l, tools_);
    for (int n = 1; n <= 16; ++n)
        menu_->attach(controls_->Image_Mosaic[n]);
    for (QPushButton* card : game.Button_Jatek_)
        menu_->attach(card);
}

} // namespace ejteto
