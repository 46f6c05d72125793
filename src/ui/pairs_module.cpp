#include "pairs_module.h"

#include "accessibility/accessible_texts.h"
#include "controls/label.h"
#include "ui/registries.h"

#include <QPushButton>
#include <utility>

namespace ejteto {

PairsModule::PairsModule(QWidget* window, const ContentTables& tables, RandomSource& random, RecordingPlayer& player,
                         Clock& clock, const Registries& registries)
    : registries_(registries), panel_(createGamePanel(window)), game_(tables, random, player, clock, *this)
{
}

void PairsModule::showPanel() { panel_.Panel_Jatek->show(); }

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
