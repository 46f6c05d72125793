#include "keyboard/grid_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace ejteto {

namespace {
bool reachable(const QWidget* w) { return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus; }
} // namespace

bool GridKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    if (!isPlain(key))
        return false;
    int dRow = 0, dColumn = 0;
    switch (key.key()) {
    case Qt::Key_Left:
        dColumn = -1;
        break;
    case Qt::Key_Right:
        dColumn = 1;
        break;
    case Qt::Key_Up:
        dRow = -1;
        break;
    case Qt::Key_Down:
        dRow = 1;
        break;
    default:
        return false;
    }
    for (int r = 0; r < int(rows_.size()); ++r) {
        for (int c = 0; c < int(rows_[size_t(r)].size()); ++c) {
            if (rows_[size_t(r)][size_t(c)] != focus)
                continue;
            // The next reachable control that way; none: the key is still
            // the table's, and the focus stays.
            for (int nr = r + dRow, nc = c + dColumn;
                 nr >= 0 && nr < int(rows_.size()) && nc >= 0 && nc < int(rows_[size_t(nr)].size());
                 nr += dRow, nc += dColumn) {
                if (QWidget* next = rows_[size_t(nr)][size_t(nc)]; reachable(next)) {
                    next->setFocus(Qt::OtherFocusReason);
                    break;
                }
            }
            return true;
        }
    }
    return false;
}

} // namespace ejteto
