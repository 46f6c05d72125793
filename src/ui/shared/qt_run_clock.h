#pragma once
// Real time on the window thread: an event pass runs the window's pending
// events, a sleep holds the thread without handling any.
#include "content/run_clock.h"

namespace ejteto {

class QtRunClock : public EventPump, public Clock {
public:
    void processPendingEvents() override;
    QDateTime now() const override;
    void sleep(int ms) override;
};

} // namespace ejteto
