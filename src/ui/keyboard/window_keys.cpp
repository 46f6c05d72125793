#include "keyboard/window_keys.h"

#include "ui/error_box.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace ejteto {

WindowKeys::WindowKeys(QWidget* mainWindow, QPushButton* aboutButton, QList<QWidget*> modulePanels,
                       const std::vector<ToolEntry>& tools, std::function<void()> openHelp)
    : mainWindow_(mainWindow), aboutButton_(aboutButton), modulePanels_(std::move(modulePanels)), tools_(tools),
      openHelp_(std::move(openHelp))
{
}

void WindowKeys::addToolWindow(ToolWindow* window)
{
    if (!isToolWindow(window))
        toolWindows_.emplace_back(window);
}

bool WindowKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    if (isRepeat(key))
        return false;
    QWidget* window = focus->window();
    if (window != mainWindow_ && !isToolWindow(window))
        return false;
    const QKeySequence pressed(key.keyCombination());
    for (const ToolEntry& tool : tools_) {
        if (!tool.key.isEmpty() && tool.key == pressed) {
            runGuarded(tool.open);
            return true;
        }
    }
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
    auto* tool = static_cast<ToolWindow*>(window);
    if (plain && key.key() == Qt::Key_F1) {
        tool->helpByKey();
        return true;
    }
    if (plain && key.key() == Qt::Key_Escape) {
        tool->closeByKey();
        return true;
    }
    return false;
}

bool WindowKeys::aboutButtonCovered() const
{
    return std::any_of(modulePanels_.begin(), modulePanels_.end(), [](QWidget* p) { return p->isVisible(); });
}

bool WindowKeys::isToolWindow(const QWidget* window) const
{
    return window && std::any_of(toolWindows_.begin(), toolWindows_.end(),
                                 [window](const QPointer<ToolWindow>& w) { return w == window; });
}

} // namespace ejteto
