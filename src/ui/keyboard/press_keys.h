#pragma once
// Enter and Space press the focused control: a tile, a speaker, an answer,
// a "HU" button, a word of the results table, a button (Space on a button
// is the button's own); in the word list they play the focused row's word.
#include "keyboard/key_dispatcher.h"

#include <functional>

class QWidget;

namespace ejteto {

class PressKeys : public KeyConcern {
public:
    PressKeys(const QWidget* wordList, std::function<void()> playListWord);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    const QWidget* wordList_;
    std::function<void()> playListWord_;
};

} // namespace ejteto
