#include "keyboard/panel_focus.h"

#include <QWidget>

namespace ejteto {

QWidget* firstReachable(const QList<QWidget*>& chain)
{
    for (QWidget* w : chain)
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    return nullptr;
}

QWidget* focusFirstReachable(const QList<QWidget*>& chain)
{
    QWidget* first = firstReachable(chain);
    if (first)
        first->setFocus(Qt::TabFocusReason);
    return first;
}

} // namespace ejteto
