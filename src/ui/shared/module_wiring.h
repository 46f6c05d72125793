#pragma once
// What a module unit binds its panel through, and the little it asks of the
// window. Each module binds its own controls' signals (through the error
// wrapper), the other two ways of hearing them, their right-click menu, their
// keys and what they tell screen readers; the window keeps the control
// panel, the lesson choice and switching the panels.
#include "ui/error_box.h"
#include "ui/module_host.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace ejteto {

class ControlMenu;
class KeyDispatcher;
class ListenControls;
class SpokenNotice;
struct ReplayTargets;

// Every binding of a handler to a control goes through here: the handler
// runs under the error wrapper, and every binding is kept so that the window
// can undo them all before its modules go away.
class GuardedBindings {
public:
    // `context` ends every binding when it is destroyed (the window).
    explicit GuardedBindings(QObject* context) : context_(context) {}
    ~GuardedBindings() { clear(); }
    GuardedBindings(const GuardedBindings&) = delete;
    GuardedBindings& operator=(const GuardedBindings&) = delete;

    template <class Sender, class Signal, class Handler>
    void bind(Sender* sender, Signal signal, Handler handler)
    {
        connections_.push_back(QObject::connect(sender, signal, context_, guarded(std::move(handler))));
    }
    // `gained` and `lost` run when `control` gains and loses the keyboard focus.
    void bindFocus(QWidget* control, std::function<void()> gained, std::function<void()> lost);
    // Undoes every binding: no handler runs after this.
    void clear();

private:
    QObject* context_;
    std::vector<QMetaObject::Connection> connections_;
    std::vector<QPointer<QObject>> focusWatchers_; // children of their controls
};

struct ModuleWiring {
    GuardedBindings& bindings;
    ListenControls& listening; // Shift/Ctrl clicks, L and F
    ControlMenu& menu;         // the tiles' and cards' right-click menu
    SpokenNotice& notice;      // what screen readers are told
    ModuleHost& host;
};

} // namespace ejteto
