#include "keyboard/replay_keys.h"

#include "ui/controls/image_control.h"
#include "ui/controls/label.h"

#include <QKeyEvent>
#include <QWidget>

namespace ejteto {

ReplayKeys::ReplayKeys(ReplayTargets targets) : t_(std::move(targets)) {}

bool ReplayKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    if (key.key() != Qt::Key_R || !isPlain(key) || isRepeat(key) || takesText(focus) ||
        focus->window() != t_.wordList->window())
        return false;
    if (!playFocusedWord(focus) && t_.vowelOnOffer())
        t_.playVowel();
    return true;
}

bool ReplayKeys::playFocusedWord(QWidget* focus)
{
    for (size_t place = 0; place < t_.answers.size(); ++place) {
        if (focus == t_.answers[place] || focus == t_.speakers[place] || focus == t_.meaningButtons[place]) {
            // The place's speaker, where the run offers one.
            if (t_.speakers[place]->isVisible())
                t_.speakers[place]->press();
            return true;
        }
    }
    for (size_t q = 1; q < t_.results.size(); ++q) {
        for (Label* word : t_.results[q]) {
            if (focus == word) {
                word->press();
                return true;
            }
        }
    }
    if (focus == t_.wordList) {
        t_.playListWord();
        return true;
    }
    return false;
}

} // namespace ejteto
