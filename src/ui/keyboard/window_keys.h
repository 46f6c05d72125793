#pragma once
// Keys of the windows themselves: F1 opens the bundled help page from the
// main window and from the About window; Ctrl+I presses the About button
// (it is no Tab stop), as long as no module panel covers it; Esc hides the
// About window, which has no close box.
#include "keyboard/key_dispatcher.h"

#include <QList>
#include <QPointer>
#include <functional>

class QPushButton;

namespace ejteto {

class TForm_About;

class WindowKeys : public KeyConcern {
public:
    WindowKeys(QWidget* mainWindow, QPushButton* aboutButton, QList<QWidget*> modulePanels,
               std::function<void()> openHelp);

    void setAboutWindow(TForm_About* about);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    bool aboutButtonCovered() const;

    QWidget* mainWindow_;
    QPushButton* aboutButton_;
    QList<QWidget*> modulePanels_;
    std::function<void()> openHelp_;
    QPointer<TForm_About> about_; // may go before the main window
};

} // namespace ejteto
