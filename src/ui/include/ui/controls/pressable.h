#pragma once
// What the window's clickable pictures and labels share beyond their looks:
// they can be pressed from the keyboard and by a screen reader, not only
// with the mouse, show that they hold the keyboard focus, and can lie
// covered under a panel that was raised above them.
#include <qnamespace.h>

class QWidget;

namespace ejteto {

// How a pressable control presents itself to a screen reader.
enum class PressRole { Button, Link };

// A focus indicator drawn inside the control's own rectangle, so it takes no
// room and leaves no trace once the focus has gone: a white line round a
// black one, visible on every background the window uses.
void paintFocusFrame(QWidget* control);

// A control under a panel (the mosaic under a module panel, the answers
// under the results table) stays on its parent but is out of the keyboard's
// reach and hidden from screen readers until the panel goes away again.
// `reachableBy` is its focus policy while uncovered.
void setCovered(QWidget* control, bool covered, Qt::FocusPolicy reachableBy = Qt::TabFocus);
bool isCovered(const QWidget* control);

} // namespace ejteto
