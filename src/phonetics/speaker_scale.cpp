#include "phonetics/speaker_scale.h"

#include <algorithm>
#include <cmath>

namespace ejteto::phonetics {

namespace {

// Beyond these the estimate is a mismeasured F3, not a voice: a small
// child's tract is about 1.5 times shorter than a man's.
constexpr double kSmallest = 0.8;
constexpr double kLargest = 1.5;

} // namespace

void SpeakerScale::addTake(const VowelMeasurement& take, const VowelMeasurement& model)
{
    double sum = 0;
    int count = 0;
    for (const auto& [t, m] :
         {std::pair(take.onset, model.onset), std::pair(take.mid, model.mid), std::pair(take.offset, model.offset)})
        if (t.f3 > 0 && m.f3 > 0) {
            sum += std::log(t.f3 / m.f3);
            ++count;
        }
    if (count > 0)
        logRatios_.push_back(std::clamp(sum / count, std::log(kSmallest), std::log(kLargest)));
}

double SpeakerScale::factor() const
{
    if (logRatios_.empty())
        return 1.0;
    double sum = 0;
    for (double r : logRatios_)
        sum += r;
    return std::exp(sum / double(logRatios_.size()));
}

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
