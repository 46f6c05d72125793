#include "keyboard/mosaic_keys.h"

#include "ui/controls/image_control.h"

#include <QKeyEvent>
#include <algorithm>

namespace ejteto {

namespace {
constexpr int kColumns = 4;
constexpr int kTiles = 16;
} // namespace

MosaicKeys::MosaicKeys(const std::array<ImageControl*, 17>& tiles) : tiles_(tiles) { applyFocusPolicies(); }

bool MosaicKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    const auto at = std::find(tiles_.begin() + 1, tiles_.end(), focus);
    if (at == tiles_.end() || !isPlain(key))
        return false;
    const int n = static_cast<int>(at - tiles_.begin());
    const int column = (n - 1) % kColumns;
    int next = n;
    switch (key.key()) {
    case Qt::Key_Left:
        next = column > 0 ? n - 1 : n;
        break;
    case Qt::Key_Right:
        next = column < kColumns - 1 ? n + 1 : n;
        break;
    case Qt::Key_Up:
        next = n > kColumns ? n - kColumns : n;
        break;
    case Qt::Key_Down:
        next = n <= kTiles - kColumns ? n + kColumns : n;
        break;
    default:
        return false;
    }
    // At an edge the focus stays where it is.
    follow(next);
    tiles_[static_cast<size_t>(next)]->setFocus(Qt::OtherFocusReason);
    return true;
}

void MosaicKeys::follow(int n)
{
    if (n < 1 || n > kTiles)
        return;
    tabStop_ = n;
    applyFocusPolicies();
}

void MosaicKeys::setCovered(bool covered)
{
    covered_ = covered;
    for (int n = 1; n <= kTiles; ++n)
        ejteto::setCovered(tiles_[static_cast<size_t>(n)], covered, Qt::NoFocus);
    applyFocusPolicies();
}

void MosaicKeys::applyFocusPolicies()
{
    for (int n = 1; n <= kTiles; ++n)
        tiles_[static_cast<size_t>(n)]->setFocusPolicy(!covered_ && n == tabStop_ ? Qt::TabFocus : Qt::NoFocus);
}

} // namespace ejteto
