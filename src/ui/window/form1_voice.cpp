// Hearing what a control plays in the other two ways: slowly (Shift+click,
// L), and beside the learner's own take (Ctrl+click, F). Each control does
// what its click does with the recording slowed, and compares without doing
// anything else to it: a tile is not chosen and a card is not turned, so a
// learner repeating a word never changes a lesson or spoils a game.
#include "accessibility/accessible_texts.h"
#include "content/compare_controller.h"
#include "content/sound_id.h"
#include "listening/listen_controls.h"
#include "listening/voice_compare.h"
#include "tool_windows/control_menu.h"
#include "ui/controls/image_control.h"
#include "ui/form1.h"

namespace ejteto {

void TForm1::chooseLessonSlowly(int n)
{
    chooseLesson(n);
    playLessonVowel(Speed::Slow);
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

void TForm1::bindTileListening()
{
    for (const SoundId s : allSounds()) {
        const int n = s.value();
        ImageControl* tile = registries_.MosaicImages[s.index()];
        listening_->addClickable(
            tile, {[this, n] { chooseLessonSlowly(n); }, [n] { return std::optional(CourseRecording::ofVowel(n)); }},
            listenWaysDescription(ListenTarget::Tile));
        menu_->attach(tile);
    }
}

} // namespace ejteto
