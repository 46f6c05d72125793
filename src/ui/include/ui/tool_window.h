#pragma once
// The program's small windows beside the main one (the About window and the
// learning tools): stay-on-top tool windows that never block the main
// window, drawn in the program's own fixed colours, shown where the learner
// left them. Esc closes one and F1 opens the help page, through the main
// window's keys; nothing of the main window's fixed layout changes for them.
#include <QKeySequence>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

namespace ejteto {

// Where a tool window's frame of `tool` size first goes, beside the main
// window's frame `main` on the screen's free area `screen`: to its right
// where the screen has room, else below it, else left of it, else above it,
// so it never covers the mosaic; on a screen with room on no side, against
// the screen's right edge, over the window's title texts rather than its
// tiles. Always inside `screen` where the tool fits on it.
QPoint placeBeside(const QRect& main, const QSize& tool, const QRect& screen);

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // `title` is the window's Hungarian title and the name screen readers
    // give it. `extraFlags` add to the stay-on-top tool window's own.
    ToolWindow(const QString& objectName, const QString& title, QWidget* parent = nullptr,
               Qt::WindowFlags extraFlags = {});

    // Shows the window without blocking. The first time it goes beside
    // `mainWindow` (placeBeside), or centred over it when so set; afterwards
    // it comes back where the learner left it. Does nothing while it is
    // already visible.
    void showOver(QWidget* mainWindow);

    // Esc in the window: it hides.
    virtual void closeByKey();
    // F1 in the window: the help page, through the opener the main window
    // gives every tool window it knows.
    virtual void helpByKey();
    void setHelpOpener(std::function<void()> open) { openHelp_ = std::move(open); }

protected:
    // The About window's layout centres it over the main window the first time.
    void centreOnFirstShowing() { centreFirst_ = true; }
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void placeFirst(QWidget* mainWindow);

    std::function<void()> openHelp_;
    bool centreFirst_ = false;
    bool placed_ = false; // shown at least once
    QPoint lastPosition_; // where it was when last hidden
};

// A learning tool the main window offers: its key (a Ctrl+letter, so typing
// in the word index's filter box is never taken from it) and its line in
// the right-click menu of the mosaic tiles and the game cards both run
// `open`. `window`, when the tool has one, gets Esc and F1.
struct ToolEntry {
    QString menuText;
    QKeySequence key;
    std::function<void()> open;
    ToolWindow* window = nullptr;
};

} // namespace ejteto
