#include "controls/modifier_clicks.h"

#include <QMouseEvent>
#include <QWidget>
#include <optional>

namespace ejteto {

namespace {

// Shift alone or Ctrl alone (the keypad flag aside); anything else is a
// plain click as far as listening goes.
std::optional<ListenWay> wayOf(const QMouseEvent& e)
{
    if (e.button() != Qt::LeftButton)
        return std::nullopt;
    const Qt::KeyboardModifiers held = e.modifiers() & ~Qt::KeypadModifier;
    if (held == Qt::ShiftModifier)
        return ListenWay::Slow;
    if (held == Qt::ControlModifier)
        return ListenWay::Compare;
    return std::nullopt;
}

} // namespace

ModifierClicks::ModifierClicks(QWidget* target, Gesture gesture, std::function<void(ListenWay)> listen,
                               std::function<bool(QPoint)> chooseRow)
    : target_(target), gesture_(gesture), listen_(std::move(listen)), chooseRow_(std::move(chooseRow))
{
    target_->installEventFilter(this);
}

ModifierClicks::~ModifierClicks() = default;

bool ModifierClicks::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != target_ || !target_->isEnabled())
        return false;
    const QEvent::Type type = e->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*e);
    const QPoint at = mouse.position().toPoint();

    if (gesture_ == Gesture::DoubleClick) {
        // The single clicks go on to the list and select as always.
        if (type != QEvent::MouseButtonDblClick)
            return false;
        const std::optional<ListenWay> way = wayOf(mouse);
        if (!way || (chooseRow_ && !chooseRow_(at)))
            return false;
        listen_(*way);
        return true;
    }

    if (type == QEvent::MouseButtonRelease) {
        if (!pressed_ || mouse.button() != Qt::LeftButton)
            return false;
        pressed_ = false;
        // Let go outside the control, the click is taken back, as a plain one is.
        if (target_->rect().contains(at))
            listen_(pressedWay_);
        return true;
    }
    // A press; the second press of a double click counts as a press too.
    const std::optional<ListenWay> way = wayOf(mouse);
    if (!way)
        return false;
    pressed_ = true;
    pressedWay_ = *way;
    return true;
}

} // namespace ejteto
