#pragma once
// What the window says to a screen reader when something changes that the
// focus does not show: a verdict, the next question, a turned card, the
// chosen lesson. The modules call it; the window speaks through its notice
// object, tests keep what was said.
#include <QString>

namespace ejteto {

class Announcer {
public:
    virtual ~Announcer() = default;
    // Said once, after what the learner did has been handled; texts said
    // during one handler are spoken together, in order.
    virtual void announce(const QString& text) = 0;
};

// Says nothing: the modules' announcer until the window gives them its own.
class SilentAnnouncer : public Announcer {
public:
    void announce(const QString&) override {}
};

inline Announcer& silentAnnouncer()
{
    static SilentAnnouncer silent;
    return silent;
}

} // namespace ejteto
