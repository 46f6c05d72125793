#pragma once
// Follows a take as it grows and tells when it has what it needs: the
// learner has spoken and then been quiet for a while, or it is as long as a
// take may be. Loudness is measured as GStreamer's `level` reports it, the
// RMS of a stretch in dB below full scale, here over 50 ms stretches of the
// take itself, so where the voice lies is known to the sample. The recorder
// follows its takes with it, and the vowel analysis finds the voice of a
// finished take (or of a file) with the same rule.
#include <QtGlobal>
#include <utility>

namespace ejteto {

// When a take ends by itself, and what counts as voice.
struct RecordingLimits {
    // A take never runs longer.
    int longestMs = 3000;
    // Quiet for this long after the learner has spoken ends the take.
    int quietMs = 700;
    // A 50 ms stretch whose loudness (RMS, in dB below full scale) is above
    // this counts as voice. Speech into a desktop or headset microphone
    // measures about -35 to -15 dB, a quiet room -60 to -50 dB: -40 lies
    // between them. A wrong guess costs at most the full length: too noisy a
    // room never falls quiet, too soft a voice never starts the quiet rule.
    double voiceDb = -40.0;
};

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
    // The samples [first, last) of the voice itself, without the margin;
    // empty (first == last) when no voice was heard.
    std::pair<qsizetype, qsizetype> voiceOnly() const;

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
