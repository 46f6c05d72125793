#include "phonetics/speaker_scale.h"

#include <algorithm>
#include <cmath>

namespace ejteto::phonetics {

namespace {

// Beyond these the estimate is a mismeasured formant, not a voice: a small
// child's tract is about 1.5 times shorter than a man's.
constexpr double kSmallest = 0.8;
constexpr double kLargest = 1.5;

} // namespace

SpeakerScale SpeakerScale::restored(double factor, int takes)
{
    SpeakerScale s;
    if (takes > 0 && std::isfinite(factor) && factor > 0) {
        s.meanLog_ = std::clamp(std::log(factor), std::log(kSmallest), std::log(kLargest));
        s.takes_ = takes;
    }
    return s;
}

void SpeakerScale::addTake(const VowelMeasurement& take, const VowelMeasurement& model)
{
    double sum = 0;
    int count = 0;
    for (const auto& [t, m] :
         {std::pair(take.onset, model.onset), std::pair(take.mid, model.mid), std::pair(take.offset, model.offset)})
        for (const auto& [said, wanted] : {std::pair(t.f2, m.f2), std::pair(t.f3, m.f3)})
            if (said > 0 && wanted > 0) {
                sum += std::log(said / wanted);
                ++count;
            }
    if (count == 0)
        return;
    const double logRatio = std::clamp(sum / count, std::log(kSmallest), std::log(kLargest));
    ++takes_;
    meanLog_ += (logRatio - meanLog_) / std::min(takes_, kRemembered);
}

double SpeakerScale::factor() const { return takes_ > 0 ? std::exp(meanLog_) : 1.0; }

VowelMeasurement scaled(const VowelMeasurement& v, double factor)
{
    VowelMeasurement out = v;
    for (FormantPoint* p : {&out.onset, &out.mid, &out.offset}) {
        p->f1 *= factor;
        p->f2 *= factor;
        p->f3 *= factor;
    }
    return out;
}

} // namespace ejteto::phonetics
