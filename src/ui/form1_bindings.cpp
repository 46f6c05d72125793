// Every event of the window is bound here, and every binding goes through
// the error wrapper: a failing handler shows the error box and the event
// loop carries on.
#include "controls/image_control.h"
#include "controls/label.h"
#include "keyboard/key_dispatcher.h"
#include "lecture_module.h"
#include "listen_controls.h"
#include "pairs_module.h"
#include "practice_module.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "window_controls.h"
#include "word_index_module.h"

#include "controls/word_list.h"
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace ejteto {

namespace {

// Runs handlers when a widget gains or loses the keyboard focus.
class FocusWatcher : public QObject {
public:
    FocusWatcher(QObject* parent, std::function<void()> gained, std::function<void()> lost)
        : QObject(parent), gained_(std::move(gained)), lost_(std::move(lost))
    {
        setObjectName(QStringLiteral("FocusWatcher"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn)
            runGuarded(gained_);
        else if (e->type() == QEvent::FocusOut)
            runGuarded(lost_);
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> gained_, lost_;
};

} // namespace

void TForm1::bindEvents()
{
    // Every connection is kept, so that the window can undo them all before
    // its modules go away.
    auto bind = [this](auto* sender, auto signal, auto handler) {
        bindings_.push_back(connect(sender, signal, this, guarded(std::move(handler))));
    };
    const WindowControls& w = *controls_;
    for (int n = 1; n <= 16; ++n)
        bind(w.Image_Mosaic[n], &ImageControl::clicked, [this, n] { Mozaikmegnyomas(n); });
    bind(w.ComboBox_Nehezseg, &QComboBox::currentIndexChanged, [this](int) { Gombellenorzes(); });
    bind(w.Button_Inditas_Eloadas, &QPushButton::clicked, [this] { Button_Inditas_EloadasClick(); });
    bind(w.Button_Inditas_Gyakorlat, &QPushButton::clicked, [this] { Button_Inditas_GyakorlatClick(); });
    bind(w.Button_Inditas_Teszt, &QPushButton::clicked, [this] { Button_Inditas_TesztClick(); });
    bind(w.Button_Szomutato, &QPushButton::clicked, [this] { Button_SzomutatoClick(); });
    bind(w.Button_Jatek, &QPushButton::clicked, [this] { Button_JatekClick(); });
    bind(w.BitBtn1, &QPushButton::clicked, [this] { Label_DeveloperClick(); });
    bind(w.Label_Developer, &Label::clicked, [this] { Label_DeveloperClick(); });

    // The four Close buttons pass their panel's place in ModulePanels.
    const PracticePanel& practice = practice_->panel();
    const WordIndexPanel& index = wordIndex_->panel();
    const GamePanel& game = pairs_->panel();
    const LecturePanel& lecture = lecture_->panel();
    bind(practice.Button_Modul_GyakTeszt_Bezar, &QPushButton::clicked, [this] { Bezargombmegnyomas(0); });
    bind(index.Button_Modul_Szomutato_Bezar, &QPushButton::clicked, [this] { Bezargombmegnyomas(1); });
    bind(game.Button_Modul_Jatek_Bezar, &QPushButton::clicked, [this] { Bezargombmegnyomas(2); });
    bind(lecture.Button_Modul_Eloadas_Bezar, &QPushButton::clicked, [this] { Bezargombmegnyomas(3); });

    bind(lecture.Button_Eloadas_LejatszasSzunet, &QPushButton::clicked,
         [this] { Button_Eloadas_LejatszasSzunetClick(); });
    bind(lecture.Button_Eloadas_Vissza, &QPushButton::clicked, [this] { Button_Eloadas_VisszaClick(); });

    bind(index.ListBox_Szomutato, &WordList::rowSelectionChanged, [this] { ListBox_SzomutatoClick(); });
    bind(index.ListBox_Szomutato, &WordList::rowDoubleClicked, [this](int) { Megszolal(); });
    bind(index.Image_Szomutato_Hanglejatszas, &ImageControl::clicked, [this] { Megszolal(); });
    bind(index.Edit_Szomutato_Szuro, &QLineEdit::textChanged, [this](const QString&) { Szurlista(); });
    filterFocusWatcher_ = new FocusWatcher(
        index.Edit_Szomutato_Szuro, [this] { Edit_Szomutato_SzuroEnter(); }, [this] { Edit_Szomutato_SzuroExit(); });
    index.Edit_Szomutato_Szuro->installEventFilter(filterFocusWatcher_);

    for (int i = 0; i < 20; ++i)
        bind(game.Button_Jatek_[static_cast<size_t>(i)], &QPushButton::clicked, [this, i] { Jatekgombmegnyomas(i); });
    bind(game.Button_Modul_Jatek_UjJatek, &QPushButton::clicked, [this] { Ujjatek(); });

    bind(practice.Image_Sound, &ImageControl::clicked, [this] { Image_SoundClick(); });
    for (int k = 1; k <= 4; ++k) {
        const auto at = static_cast<size_t>(k);
        bind(practice.Label_GyakTeszt_e[at], &Label::clicked, [this, k] { Valaszlehetosegmegnyomas(k - 1); });
        bind(practice.Image_Speaker[at], &ImageControl::clicked, [this, k] { Image_SpeakerClick(k - 1); });
        bind(practice.Label_GyakTeszt_h[at], &Label::clicked, [this, k] { Label_GyakTeszt_hClick(k - 1); });
    }
    // "Tovább" is the panel's default button: the Enter key presses it
    // (keyboard/panel_keys).
    bind(practice.Button_GyakTeszt_Tovabb, &QPushButton::clicked, [this] { Button_GyakTeszt_TovabbClick(); });
    for (int q = 1; q <= 10; ++q)
        for (int place = 0; place < 4; ++place)
            bind(practice.Label_Result[static_cast<size_t>(q)][static_cast<size_t>(place)], &Label::clicked,
                 [this, q, place] { ErtekeloSzoLejatszas(q, place); });
    // The same controls with Shift or Ctrl held, and their keys L and F.
    bindListening();
}

void TForm1::unbindEvents()
{
    for (const QMetaObject::Connection& c : bindings_)
        disconnect(c);
    bindings_.clear();
    // The filter box loses the focus as it is destroyed; its watcher must be
    // gone by then.
    delete filterFocusWatcher_;
    filterFocusWatcher_ = nullptr;
    // No key may reach the modules once they are gone.
    mosaicKeys_ = nullptr;
    windowKeys_ = nullptr;
    keys_.reset();
    listening_.reset();
}

} // namespace ejteto
