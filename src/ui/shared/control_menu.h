#pragma once
// The right-click menu of the controls that play a recording and stand for
// a vowel or a word of their own (the mosaic tiles, the game cards): it lists
// what their keys and modified clicks do (the recording slowly, the
// learner's take beside it) and the learning tools with their keys, so a
// learner finds every way without the help page. The Menu key and
// Shift+F10 open it on the focused control, as the desktop's menus do.
#include "ui/tool_window.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QPoint;
class QWidget;

namespace ejteto {

class ListenControls;

class ControlMenu : public QObject {
public:
    // `tools` is the main window's list of learning tools, read each time
    // the menu opens.
    ControlMenu(const ListenControls& listening, const std::vector<ToolEntry>& tools);
    ~ControlMenu() override;

    // `control` is one of `listening`'s controls.
    void attach(QWidget* control);

    // The menu on screen, for tests; null when none is open.
    QMenu* openMenu() const { return menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void popUp(QWidget* control, const QPoint& globalPosition);
    void addLine(const QString& text, std::function<void()> work);

    const ListenControls& listening_;
    const std::vector<ToolEntry>& tools_;
    QPointer<QMenu> menu_;
};

} // namespace ejteto
