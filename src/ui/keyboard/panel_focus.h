#pragma once
// Where the keyboard focus goes when a panel comes into view: to its first
// control that can take the focus now, so Enter, Esc and the answer keys
// work at once, whether the panel was opened by mouse or by key.
#include <QList>

class QWidget;

namespace ejteto {

// The first control of `chain` that is shown, enabled and reachable by Tab;
// null when there is none.
QWidget* firstReachable(const QList<QWidget*>& chain);
// Gives that control the focus; returns it (null: the focus stays).
QWidget* focusFirstReachable(const QList<QWidget*>& chain);

} // namespace ejteto
