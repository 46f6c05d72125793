#pragma once
// Time as the learning modules see it. A handler that pauses or lets the
// window repaint in its middle does so through these, so a whole run can be
// driven in a test without real waiting.
#include <QDateTime>

namespace ejteto {

// Lets the window handle its pending events (repaint and input) in the
// middle of a handler.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time.
    virtual QDateTime now() const = 0;
    // Holds the window thread for `ms` milliseconds without handling events.
    virtual void sleep(int ms) = 0;
};

} // namespace ejteto
