#include "content/memory_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ejteto {

namespace {

// FSRS-4.5's published defaults, w0..w16.
constexpr std::array<double, 17> kW = {0.4872, 1.4003, 3.7145, 13.8206, 5.1618, 1.2298, 0.8975, 0.031, 1.6474,
                                       0.1367, 1.0461, 2.1072, 0.0793,  0.3246, 1.587,  0.2272, 2.8755};
constexpr double kDecay = -0.5;
constexpr double kFactor = 19.0 / 81.0; // so that an item's retrievability is 0.9 after `stability` days
constexpr double kMinStability = 0.01;

double clampDifficulty(double d) { return std::clamp(d, 1.0, 10.0); }

int grade(Rating r) { return static_cast<int>(r); }

double intervalFor(double stability)
{
    const double days = stability / kFactor * (std::pow(MemoryModel::kRetention, 1.0 / kDecay) - 1.0);
    return std::clamp(days, MemoryModel::kRelearnDays, MemoryModel::kMaxIntervalDays);
}

} // namespace

double MemoryModel::retrievability(double elapsedDays, double stability)
{
    if (stability <= 0)
        return 0;
    return std::pow(1.0 + kFactor * std::max(0.0, elapsedDays) / stability, kDecay);
}

double MemoryModel::initialDifficulty(Rating rating) { return clampDifficulty(kW[4] - (grade(rating) - 3) * kW[5]); }

ReviewOutcome MemoryModel::review(const MemoryState& before, Rating rating, double elapsedDays)
{
    MemoryState s = before;
    const int g = grade(rating);
    if (!before.seen()) {
        s.stability = kW[static_cast<size_t>(g - 1)];
        s.difficulty = initialDifficulty(rating);
    } else {
        const double t = std::max(0.0, elapsedDays);
        const double r = retrievability(t, before.stability);
        const double d = before.difficulty;
        // Difficulty moves with the rating and reverts a little to the default.
        s.difficulty = clampDifficulty(kW[7] * initialDifficulty(Rating::Good) + (1 - kW[7]) * (d - kW[6] * (g - 3)));
        if (rating == Rating::Again) {
            const double forgot = kW[11] * std::pow(d, -kW[12]) * (std::pow(before.stability + 1, kW[13]) - 1) *
                                  std::exp(kW[14] * (1 - r));
            s.stability = std::min(forgot, before.stability);
        } else {
            const double hard = rating == Rating::Hard ? kW[15] : 1.0;
            const double easy = rating == Rating::Easy ? kW[16] : 1.0;
            s.stability = before.stability * (1 + std::exp(kW[8]) * (11 - d) * std::pow(before.stability, -kW[9]) *
                                                      (std::exp(kW[10] * (1 - r)) - 1) * hard * easy);
        }
    }
    s.stability = std::max(s.stability, kMinStability);
    ++s.reviews;
    if (rating == Rating::Again)
        ++s.lapses;
    const double interval =
        rating == Rating::Again ? kRelearnDays : std::max(1.0, std::round(intervalFor(s.stability)));
    return {s, std::min(interval, kMaxIntervalDays)};
}

} // namespace ejteto
