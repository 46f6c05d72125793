#pragma once
// The microphone, as record-and-compare needs it: a take recorded while the
// window goes on handling its events, kept in memory only, and played back
// through the same sound output as the course's recordings.
#include "content/run_clock.h"

#include <QByteArray>
#include <functional>
#include <memory>

namespace ejteto {

// The learner's own recording: 16-bit signed little-endian samples,
// interleaved. It is never written to a file.
struct VoiceTake {
    QByteArray samples;
    int sampleRate = 0;
    int channels = 0;

    bool isEmpty() const { return samples.isEmpty(); }
    qint64 durationMs() const
    {
        const qint64 frames = sampleRate > 0 && channels > 0 ? samples.size() / (2 * channels) : 0;
        return sampleRate > 0 ? frames * 1000 / sampleRate : 0;
    }
};

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
