#pragma once
// What record-and-compare shows. The window implements it without moving a
// control (its title); tests keep it in memory.
#include <QString>

namespace ejteto {

class CompareView {
public:
    virtual ~CompareView() = default;

    // The sign that the microphone is on, shown until it is off again.
    virtual void showRecordingCue(bool on) = 0;
    // A message for the learner, such as the missing microphone.
    virtual void tell(const QString& message) = 0;
};

} // namespace ejteto
