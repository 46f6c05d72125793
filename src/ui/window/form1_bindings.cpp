// The window's own events are bound here, and the modules are told to bind
// theirs; every binding goes through the error wrapper: a failing handler
// shows the error box and the event loop carries on.
#include "content/sound_id.h"
#include "keyboard/key_dispatcher.h"
#include "lecture/lecture_module.h"
#include "listening/listen_controls.h"
#include "pairs/pairs_module.h"
#include "practice/practice_module.h"
#include "tool_windows/control_menu.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/form1.h"
#include "window/module_wiring.h"
#include "window/window_controls.h"
#include "word_index/word_index_module.h"

#include <QComboBox>
#include <QPushButton>

namespace ejteto {

void TForm1::bindEvents()
{
    bindings_ = std::make_unique<GuardedBindings>(this);
    GuardedBindings& b = *bindings_;
    const WindowControls& w = *controls_;
    for (const SoundId s : allSounds())
        b.bind(registries_.MosaicImages[s.index()], &ImageControl::clicked,
               [this, n = s.value()] { Mozaikmegnyomas(n); });
    b.bind(w.ComboBox_Nehezseg, &QComboBox::currentIndexChanged, [this](int) { Gombellenorzes(); });
    b.bind(w.Button_Inditas_Eloadas, &QPushButton::clicked, [this] { Button_Inditas_EloadasClick(); });
    b.bind(w.Button_Inditas_Gyakorlat, &QPushButton::clicked, [this] { Button_Inditas_GyakorlatClick(); });
    b.bind(w.Button_Inditas_Teszt, &QPushButton::clicked, [this] { Button_Inditas_TesztClick(); });
    b.bind(w.Button_Szomutato, &QPushButton::clicked, [this] { Button_SzomutatoClick(); });
    b.bind(w.Button_Jatek, &QPushButton::clicked, [this] { Button_JatekClick(); });
    b.bind(w.BitBtn1, &QPushButton::clicked, [this] { Label_DeveloperClick(); });
    b.bind(w.Label_Developer, &Label::clicked, [this] { Label_DeveloperClick(); });

    // The controls that play a recording, with Shift or Ctrl held and by
    // their keys L and F; the tiles and cards with a right-click menu.
    listening_ = std::make_unique<ListenControls>(
        [this](const std::optional<CourseRecording>& model) { recordAndCompare(model); });
    menu_ = std::make_unique<ControlMenu>(*listening_, tools_);
    bindTileListening();

    ModuleWiring wiring{b, *listening_, *menu_, *notice_, *this};
    practice_->wire(wiring);
    wordIndex_->wire(wiring);
    pairs_->wire(wiring);
    lecture_->wire(wiring);
}

void TForm1::unbindEvents()
{
    bindings_.reset();
    // No key may reach the modules once they are gone.
    mosaicKeys_ = nullptr;
    windowKeys_ = nullptr;
    keys_.reset();
    listening_.reset();
}

} // namespace ejteto
