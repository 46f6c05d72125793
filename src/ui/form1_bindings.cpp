// Every event of the window is bound here, and every binding goes through
// the error wrapper: a failing handler shows the error box and the event
// loop carries on.
#include "app/error_box.h"
#include "media/media_player.h"
#include "ui/form1.h"

#include <QEvent>

namespace ejteto {

namespace {
// Runs handlers when a widget gains or loses the keyboard focus.
class FocusWatcher : public QObject {
public:
    FocusWatcher(QObject* parent, std::function<void()> gained, std::function<void()> lost)
        : QObject(parent), gained_(std::move(gained)), lost_(std::move(lost))
    {
        setObjectName(QStringLiteral("FocusWatcher")); // ~TForm1 finds it by name
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
    for (int n = 1; n <= 16; ++n)
        connect(Image_Mosaic[n], &ImageControl::clicked, this, guarded([this, n] { Mozaikmegnyomas(n); }));
    connect(ComboBox_Nehezseg, &QComboBox::currentIndexChanged, this, guarded([this](int) { Gombellenorzes(); }));

    connect(Button_Inditas_Eloadas, &QPushButton::clicked, this, guarded([this] { Button_Inditas_EloadasClick(); }));
    connect(Button_Inditas_Gyakorlat, &QPushButton::clicked, this,
            guarded([this] { Button_Inditas_GyakorlatClick(); }));
    connect(Button_Inditas_Teszt, &QPushButton::clicked, this, guarded([this] { Button_Inditas_TesztClick(); }));
    connect(Button_Szomutato, &QPushButton::clicked, this, guarded([this] { Button_SzomutatoClick(); }));
    connect(Button_Jatek, &QPushButton::clicked, this, guarded([this] { Button_JatekClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { Label_DeveloperClick(); }));
    connect(Label_Developer, &Label::clicked, this, guarded([this] { Label_DeveloperClick(); }));

    // The four Close buttons pass their panel's place in ModulePanels.
    connect(Button_Modul_GyakTeszt_Bezar, &QPushButton::clicked, this, guarded([this] { Bezargombmegnyomas(0); }));
    connect(Button_Modul_Szomutato_Bezar, &QPushButton::clicked, this, guarded([this] { Bezargombmegnyomas(1); }));
    connect(Button_Modul_Jatek_Bezar, &QPushButton::clicked, this, guarded([this] { Bezargombmegnyomas(2); }));
    connect(Button_Modul_Eloadas_Bezar, &QPushButton::clicked, this, guarded([this] { Bezargombmegnyomas(3); }));

    connect(Button_Eloadas_LejatszasSzunet, &QPushButton::clicked, this,
            guarded([this] { Button_Eloadas_LejatszasSzunetClick(); }));
    connect(Button_Eloadas_Vissza, &QPushButton::clicked, this, guarded([this] { Button_Eloadas_VisszaClick(); }));

    connect(ListBox_Szomutato, &QListWidget::itemSelectionChanged, this,
            guarded([this] { ListBox_SzomutatoClick(); }));
    connect(ListBox_Szomutato, &QListWidget::itemDoubleClicked, this,
            guarded([this](QListWidgetItem*) { Megszolal(); }));
    connect(Image_Szomutato_Hanglejatszas, &ImageControl::clicked, this, guarded([this] { Megszolal(); }));
    connect(Edit_Szomutato_Szuro, &QLineEdit::textChanged, this, guarded([this](const QString&) { Szurlista(); }));
    Edit_Szomutato_Szuro->installEventFilter(new FocusWatcher(
        Edit_Szomutato_Szuro, [this] { Edit_Szomutato_SzuroEnter(); }, [this] { Edit_Szomutato_SzuroExit(); }));

    for (int i = 0; i < 20; ++i)
        connect(Button_Jatek_[i], &QPushButton::clicked, this, guarded([this, i] { Jatekgombmegnyomas(i); }));
    connect(Button_Modul_Jatek_UjJatek, &QPushButton::clicked, this, guarded([this] { Ujjatek(); }));

    connect(Image_Sound, &ImageControl::clicked, this, guarded([this] { Image_SoundClick(); }));
    for (int k = 1; k <= 4; ++k) {
        connect(Label_GyakTeszt_e[k], &Label::clicked, this, guarded([this, k] { Valaszlehetosegmegnyomas(k - 1); }));
        connect(Image_Speaker[k], &ImageControl::clicked, this, guarded([this, k] { Image_SpeakerClick(k - 1); }));
        connect(Label_GyakTeszt_h[k], &Label::clicked, this, guarded([this, k] { Label_GyakTeszt_hClick(k - 1); }));
    }
    connect(Button_GyakTeszt_Tovabb, &QPushButton::clicked, this, guarded([this] { Button_GyakTeszt_TovabbClick(); }));
    for (int q = 1; q <= 10; ++q)
        for (Label* result : Label_Result[q])
            connect(result, &Label::clicked, this, guarded([this, result] { ErtekeloSzoLejatszas(result); }));
}

} // namespace ejteto
