#include "keyboard/window_keys.h"

#include "ui/error_box.h"
#include "ui/nevjegy.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace ejteto {

WindowKeys::WindowKeys(QWidget* mainWindow, QPushButton* aboutButton, QList<QWidget*> modulePanels,
                       std::function<void()> openHelp)
    : mainWindow_(mainWindow), aboutButton_(aboutButton), modulePanels_(std::move(modulePanels)),
      openHelp_(std::move(openHelp))
{
}

void WindowKeys::setAboutWindow(TForm_About* about) { about_ = about; }

bool WindowKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    if (isRepeat(key))
        return false;
    QWidget* window = focus->window();
    const bool plain = key.modifiers() == Qt::NoModifier;
    if (window == mainWindow_) {
        if (key.key() == Qt::Key_F1 && plain) {
            openHelp_();
            return true;
        }
        if (key.key() == Qt::Key_I && key.modifiers() == Qt::ControlModifier) {
            if (!aboutButtonCovered())
                aboutButton_->click();
            return true;
        }
        return false;
    }
    if (about_ && window == about_ && plain) {
        if (key.key() == Qt::Key_F1) {
            // The About window's address is the help page.
            runGuarded([this] { about_->Label_URLClick(); });
            return true;
        }
        if (key.key() == Qt::Key_Escape) {
            about_->Button_Bezar->click();
            return true;
        }
    }
    return false;
}

bool WindowKeys::aboutButtonCovered() const
{
    return std::any_of(modulePanels_.begin(), modulePanels_.end(), [](QWidget* p) { return p->isVisible(); });
}

} // namespace ejteto
