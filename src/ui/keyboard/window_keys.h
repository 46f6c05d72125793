#pragma once
// Keys of the windows themselves: F1 opens the bundled help page from the
// main window and from every tool window; Ctrl+I presses the About button
// (it is no Tab stop), as long as no module panel covers it; each learning
// tool's own key opens it from any of the program's windows; Esc closes a
// tool window (the About window has no close box).
#include "keyboard/key_dispatcher.h"
#include "ui/tool_window.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <vector>

class QPushButton;

namespace ejteto {

class WindowKeys : public KeyConcern {
public:
    // `tools` is the main window's list of learning tools, read at each key.
    WindowKeys(QWidget* mainWindow, QPushButton* aboutButton, QList<QWidget*> modulePanels,
               const std::vector<ToolEntry>& tools, std::function<void()> openHelp);

    // A tool window whose Esc and F1 these keys are.
    void addToolWindow(ToolWindow* window);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    bool aboutButtonCovered() const;
    bool isToolWindow(const QWidget* window) const;

    QWidget* mainWindow_;
    QPushButton* aboutButton_;
    QList<QWidget*> modulePanels_;
    const std::vector<ToolEntry>& tools_;
    std::function<void()> openHelp_;
    std::vector<QPointer<ToolWindow>> toolWindows_; // may go before the main window
};

} // namespace ejteto
