#include "keyboard/key_dispatcher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>

namespace ejteto {

KeyDispatcher::KeyDispatcher(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

KeyDispatcher::~KeyDispatcher()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void KeyDispatcher::watch(QWidget* window) { windows_.emplace_back(window); }

void KeyDispatcher::add(std::unique_ptr<KeyConcern> concern) { concerns_.push_back(std::move(concern)); }

bool KeyDispatcher::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* target = static_cast<QWidget*>(watched);
    // A key travels from the focused control up through its parents; it is
    // decided once, where it starts.
    QWidget* focus = QApplication::focusWidget();
    if (focus ? target != focus : !target->isWindow())
        return false;
    const bool inWatchedWindow = std::any_of(windows_.begin(), windows_.end(),
                                             [&](const QPointer<QWidget>& w) { return w == target->window(); });
    if (!inWatchedWindow)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*e);
    for (const std::unique_ptr<KeyConcern>& concern : concerns_)
        if (concern->keyPressed(target, key))
            return true;
    return false;
}

bool isRepeat(const QKeyEvent& key) { return key.isAutoRepeat(); }

bool isPlain(const QKeyEvent& key)
{
    return (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

bool takesText(const QWidget* focus) { return qobject_cast<const QLineEdit*>(focus) != nullptr; }

} // namespace ejteto
