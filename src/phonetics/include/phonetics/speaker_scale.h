#pragma once
// How much larger or smaller the learner's vocal tract is than the course
// voice's: a woman's or a child's formants lie 15-30 % higher for the same
// vowel. Estimated from the upper formants F2 and F3, as the ratio of each
// take's to the model's for the same vowel, averaged (geometrically) over
// the takes so far. F1 is left out: it follows the jaw more than the
// tract's length, and in a child's high voice the first harmonics pull it.
// The average is kept in the learner's history, so it carries over from
// one session to the next; a new learner starts again from 1.
#include "phonetics/vowel_measurement.h"

namespace ejteto::phonetics {

class SpeakerScale {
public:
    SpeakerScale() = default;
    // The scale as kept: `factor` from `takes` takes (none: a new learner).
    static SpeakerScale restored(double factor, int takes);

    // A take of the vowel whose course recording measured `model`.
    void addTake(const VowelMeasurement& take, const VowelMeasurement& model);
    // The factor that carries the course's formants to the learner's; 1
    // before the first take.
    double factor() const;
    int takeCount() const { return takes_; }

    // After this many takes each new one weighs as much as this share of
    // the whole, so the estimate still follows a learner whose voice (or
    // microphone) changes.
    static constexpr int kRemembered = 50;

private:
    double meanLog_ = 0;
    int takes_ = 0;
};

// `v` with every formant multiplied by `factor`.
VowelMeasurement scaled(const VowelMeasurement& v, double factor);

} // namespace ejteto::phonetics
