#pragma once
// How much larger or smaller the learner's vocal tract is than the course
// voice's: a woman's or a child's formants lie 15-30 % higher for the same
// vowel. Estimated from the upper formant F3, which follows the tract's
// length more than the vowel, as the ratio of each take's F3 to the model's
// for the same vowel, averaged (geometrically) over the run's takes so far.
// Kept in memory only, for one run.
#include "phonetics/vowel_measurement.h"

#include <vector>

namespace ejteto::phonetics {

class SpeakerScale {
public:
    // A take of the vowel whose course recording measured `model`.
    void addTake(const VowelMeasurement& take, const VowelMeasurement& model);
    // The factor that carries the course's formants to the learner's; 1
    // before the first take.
    double factor() const;
    int takeCount() const { return static_cast<int>(logRatios_.size()); }

private:
    std::vector<double> logRatios_;
};

// `v` with every formant multiplied by `factor`.
VowelMeasurement scaled(const VowelMeasurement& v, double factor);

} // namespace ejteto::phonetics
