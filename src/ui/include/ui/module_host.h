#pragma once
// What only the main window can do for a learning module: the module units
// bind their own panels and call this for the rest.
#include "content/recording_player.h"
#include "ui/registries.h"

namespace ejteto {

class ModuleHost {
public:
    virtual ~ModuleHost() = default;
    // The panel's "Bezár" button: the panel closes and the control panel
    // comes back.
    virtual void closePanel(ModulePanel panel) = 0;
    // The chosen lesson's vowel, as its speaker on the practice panel plays it.
    virtual void playLessonVowel(Speed speed) = 0;
};

} // namespace ejteto
