#include "keyboard/press_keys.h"

#include "ui/controls/image_control.h"
#include "ui/controls/label.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace ejteto {

PressKeys::PressKeys(const QWidget* wordList, std::function<void()> playListWord)
    : wordList_(wordList), playListWord_(std::move(playListWord))
{
}

bool PressKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const bool space = key.key() == Qt::Key_Space;
    if (!(enter || space) || !isPlain(key) || isRepeat(key) || focus->window() != wordList_->window())
        return false;
    if (auto* label = qobject_cast<Label*>(focus); label && label->isPressable()) {
        label->press();
        return true;
    }
    if (auto* image = qobject_cast<ImageControl*>(focus); image && image->isPressable()) {
        image->press();
        return true;
    }
    if (focus == wordList_) {
        playListWord_();
        return true;
    }
    // A button takes Space itself; Enter presses it too.
    if (auto* button = qobject_cast<QPushButton*>(focus); button && enter) {
        button->click();
        return true;
    }
    return false;
}

} // namespace ejteto
