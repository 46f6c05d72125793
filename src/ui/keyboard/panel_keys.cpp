#include "keyboard/panel_keys.h"

#include "ui/controls/label.h"

#include <QKeyEvent>
#include <QPushButton>

namespace ejteto {

PanelKeys::PanelKeys(const QList<ModulePanelKeys>& panels, QWidget* practicePanel, QWidget* resultsPanel,
                     QPushButton* next, const std::array<Label*, 4>& answers)
    : panels_(panels), practicePanel_(practicePanel), resultsPanel_(resultsPanel), next_(next), answers_(answers)
{
}

bool PanelKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    if (focus->window() != practicePanel_->window() || !isPlain(key) || isRepeat(key))
        return false;
    const int k = key.key();
    if (k == Qt::Key_Escape) {
        for (const ModulePanelKeys& p : panels_) {
            if (p.panel->isVisible() && p.close->isEnabled()) {
                p.close->click();
                return true;
            }
        }
        return false;
    }
    if (!practicePanel_->isVisible())
        return false;
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        // Before an answer is chosen Enter presses the focused control.
        if (!next_->isEnabled())
            return false;
        next_->click();
        return true;
    }
    if (k >= Qt::Key_1 && k <= Qt::Key_4 && !resultsPanel_->isVisible()) {
        Label* answer = answers_[static_cast<size_t>(k - Qt::Key_1)];
        if (!answer->isVisible())
            return false;
        answer->setFocus(Qt::OtherFocusReason);
        answer->press();
        return true;
    }
    return false;
}

} // namespace ejteto
