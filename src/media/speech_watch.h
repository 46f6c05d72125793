#pragma once
// Follows a take as it grows and tells when it has what it needs: the
// learner has spoken and then been quiet for a while, or it is as long as a
// take may be. Loudness is measured as GStreamer's `level` reports it, the
// RMS of a stretch in dB below full scale, here over 50 ms stretches of the
// take itself, so where the voice lies is known to the sample.
#include "media/gst_voice_recorder.h"

#include <QtGlobal>
#include <utility>

namespace ejteto {

class SpeechWatch {
public:
    SpeechWatch(const RecordingLimits& limits, int sampleRate);

    // Takes in the next mono samples of the take.
    void add(const qint16* samples, qsizetype count);
    qsizetype sampleCount() const { return total_; }
    qsizetype longestSamples() const { return longest_; }

    // The take is long enough, or the learner spoke and has been quiet since.
    bool done() const;
    // The samples [first, last) worth hearing: the voice with a short margin
    // either side; the whole take when no voice was heard.
    std::pair<qsizetype, qsizetype> voicedSpan() const;

private:
    void closeStretch();

    double voiceDb_;
    qsizetype stretch_; // samples per measured stretch
    qsizetype longest_; // samples of the longest take
    qsizetype quiet_;   // samples of quiet that end a take
    qsizetype margin_;  // samples kept before and after the voice

    double sumOfSquares_ = 0;
    qsizetype inStretch_ = 0;
    qsizetype total_ = 0;
    int loudRun_ = 0;           // loud stretches in a row
    qsizetype runStart_ = 0;    // where that run began
    qsizetype voiceStart_ = -1; // -1 until the learner has spoken
    qsizetype voiceEnd_ = -1;
};

} // namespace ejteto
