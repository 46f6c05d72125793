#include "shared/module_wiring.h"

#include <QEvent>
#include <QWidget>

namespace ejteto {

namespace {

// Runs handlers when a widget gains or loses the keyboard focus.
class FocusWatcher : public QObject {
public:
    FocusWatcher(QWidget* control, std::function<void()> gained, std::function<void()> lost)
        : QObject(control), gained_(std::move(gained)), lost_(std::move(lost))
    {
        setObjectName(QStringLiteral("FocusWatcher"));
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn)
            runGuarded(gained_);
        else if (e->type() == QEvent::FocusOut)
            runGuarded(lost_);
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> gained_, lost_;
};

} // namespace

void GuardedBindings::bindFocus(QWidget* control, std::function<void()> gained, std::function<void()> lost)
{
    focusWatchers_.push_back(new FocusWatcher(control, std::move(gained), std::move(lost)));
}

void GuardedBindings::clear()
{
    for (const QMetaObject::Connection& c : connections_)
        QObject::disconnect(c);
    connections_.clear();
    // A control loses the focus as it is destroyed; its watcher must be gone
    // by then.
    for (const QPointer<QObject>& watcher : focusWatchers_)
        delete watcher.data();
    focusWatchers_.clear();
}

} // namespace ejteto
