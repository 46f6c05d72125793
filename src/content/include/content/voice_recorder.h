#pragma once
// The microphone, as record-and-compare needs it: a take recorded while the
// window goes on handling its events, kept in memory only, and played back
// through the same sound output as the course's recordings.
#include "audio/pcm_audio.h"
#include "content/run_clock.h"

#include <functional>
#include <memory>

namespace ejteto {

// The learner's own recording, held as every sound is in memory. It is never
// written to a file.
using VoiceTake = PcmAudio;

class VoiceRecorder {
public:
    virtual ~VoiceRecorder() = default;

    // Opens the microphone and starts a take. False when there is none: no
    // source can start. A source named wrongly in the environment raises
    // AppError instead.
    virtual bool start() = 0;
    // Goes on with the started take until it is long enough, the learner has
    // spoken and then been quiet for a while, or `stopAsked` returns true.
    // Meanwhile the window handles its events through `pump` (that is how a
    // second press arrives). Closes the microphone and returns the take.
    virtual VoiceTake finish(EventPump& pump, const std::function<bool()>& stopAsked) = 0;
    // Plays `take` to its end, blocking as a course recording does.
    virtual void playTake(const VoiceTake& take) = 0;
};

using VoiceRecorderFactory = std::function<std::unique_ptr<VoiceRecorder>()>;

} // namespace ejteto
