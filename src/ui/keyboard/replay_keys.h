#pragma once
// R plays again: the word of the focused control (an answer place, with its
// speaker and "HU" button; a word of the results table; the word list's
// row), otherwise the chosen lesson's vowel. What the mouse cannot hear is
// not heard by key either: a test run offers no speakers and no vowel.
#include "keyboard/key_dispatcher.h"

#include <array>
#include <functional>

class QWidget;

namespace ejteto {

class ImageControl;
class Label;

struct ReplayTargets {
    std::array<ImageControl*, 4> speakers{}; // the answer places' speakers
    std::array<Label*, 4> answers{};
    std::array<Label*, 4> meaningButtons{};
    std::array<std::array<Label*, 4>, 11> results{}; // [1..10][0..3]
    const QWidget* wordList = nullptr;
    std::function<void()> playListWord; // the word list's focused row
    std::function<bool()> vowelOnOffer; // a lesson is chosen, no test is running
    std::function<void()> playVowel;
};

class ReplayKeys : public KeyConcern {
public:
    explicit ReplayKeys(ReplayTargets targets);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    // Plays the word `focus` stands for; false when it stands for none.
    bool playFocusedWord(QWidget* focus);

    ReplayTargets t_;
};

} // namespace ejteto
