#include "pairs/pairs_module.h"

#include "accessibility/accessible_texts.h"
#include "listening/listen_controls.h"
#include "shared/control_menu.h"
#include "shared/module_wiring.h"
#include "ui/controls/label.h"
#include "ui/program_state.h"
#include "ui/registries.h"
#include "ui/spoken_notice.h"

#include <QPushButton>
#include <utility>

namespace ejteto {

PairsModule::PairsModule(QWidget* window, const ProgramState& state, const ContentTables& tables, RandomSource& random,
                         RecordingPlayer& player, Clock& clock, const Registries& registries)
    : programState_(state), registries_(registries), panel_(createPairsPanel(window)),
      game_(tables, random, player, clock, *this)
{
}

void PairsModule::wire(ModuleWiring& wiring)
{
    announcer_ = &wiring.notice;
    GuardedBindings& b = wiring.bindings;
    for (int i = 0; i < 20; ++i) {
        QPushButton* card = panel_.Button_Jatek_[static_cast<size_t>(i)];
        b.bind(card, &QPushButton::clicked, [this, i] { Jatekgombmegnyomas(i); });
        wiring.listening.addClickable(
            card,
            {[this, i] { game_.Jatekgombmegnyomas(i, programState_.CurrentLevel, Speed::Slow); },
             [this, i] { return wordModel(game_.turnedWord(i)); }},
            listenWaysDescription(ListenTarget::Card));
        wiring.menu.attach(card);
    }
    b.bind(panel_.Button_Modul_Jatek_UjJatek, &QPushButton::clicked, [this] { Ujjatek(); });
    b.bind(panel_.Button_Modul_Jatek_Bezar, &QPushButton::clicked,
           [&host = wiring.host] { host.closePanel(ModulePanel::Game); });
}

void PairsModule::open()
{
    panel_.Panel_Jatek->show();
    Ujjatek();
}

void PairsModule::Ujjatek() { game_.Ujjatek(programState_.CurrentLevel); }

void PairsModule::Jatekgombmegnyomas(int i) { game_.Jatekgombmegnyomas(i, programState_.CurrentLevel); }

void PairsModule::setInstruction(const QString& text)
{
    panel_.Label_Jatek_Leiras->setLabelText(text);
    announcer_->announce(text);
}

void PairsModule::dealButton(int i)
{
    QPushButton* b = registries_.GameButtons[static_cast<size_t>(i)];
    b->setText(QString());
    b->setAccessibleName(cardName(i + 1, CardSide::Down));
    b->show();
    turnedUp_ = 0;
}

void PairsModule::turnButton(int i, const QString& face)
{
    QPushButton* b = registries_.GameButtons[static_cast<size_t>(i)];
    b->setText(face);
    b->setAccessibleName(cardName(i + 1, CardSide::Up, face));
    announcer_->announce(turnedCardNotice(face));
    ++turnedUp_;
    // Playing holds the window thread: paint the turned face first.
    b->repaint();
}

void PairsModule::turnBack(int i)
{
    QPushButton* b = registries_.GameButtons[static_cast<size_t>(i)];
    b->setText(QString());
    b->setAccessibleName(cardName(i + 1, CardSide::Down));
    // Both cards of a miss turn back together: the miss is said once.
    if (turnedUp_ >= 2)
        announcer_->announce(pairNotice(false));
    turnedUp_ = 0;
}

void PairsModule::removeButton(int i)
{
    QPushButton* b = registries_.GameButtons[static_cast<size_t>(i)];
    b->setAccessibleName(cardName(i + 1, CardSide::Found));
    b->hide();
    if (std::exchange(turnedUp_, 0) > 0)
        announcer_->announce(pairNotice(true));
}

} // namespace ejteto
