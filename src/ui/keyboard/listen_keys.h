#pragma once
// L and F: the focused control's recording slowly, or the learner's own take
// beside it (see listen_controls.h). On a control that plays nothing they
// hear the chosen lesson's vowel, as R does; F pressed while a take is
// being recorded ends it wherever the focus is, but for the filter box,
// where both are letters to type.
#include "keyboard/key_dispatcher.h"
#include "listening/listen_controls.h"

namespace ejteto {

class ListenKeys : public KeyConcern {
public:
    // `lessonVowel` is heard where the focus plays nothing; its actions
    // decide themselves whether a vowel is on offer.
    ListenKeys(QWidget* window, const ListenControls& controls, Listening lessonVowel);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    QWidget* window_;
    const ListenControls& controls_;
    Listening lessonVowel_;
};

} // namespace ejteto
