#pragma once
// How well the learner knows one practice item, and when it is worth asking
// again: FSRS-4.5 (the free spaced-repetition scheduler Anki uses) with its
// published default parameters. Each item keeps two numbers: stability, the
// days after which the chance of still knowing it has fallen to 90 %, and
// difficulty, 1..10, how much each review can raise that stability. An
// answer rates the review; the next review is due when the chance of
// knowing it has fallen to the retention aimed at.
//
// Why FSRS and not Leitner boxes: it was fitted to hundreds of millions of
// real reviews, it takes the real time since the last review into account
// (a learner who comes back late is neither punished nor over-credited), and
// its defaults work well before anything is known of this learner.
#include <optional>

namespace ejteto {

enum class Rating {
    Again = 1, // wrong
    Hard = 2,  // right, but slowly or uncertainly
    Good = 3,  // right
    Easy = 4,  // right at once
};

struct MemoryState {
    double stability = 0;  // days
    double difficulty = 0; // 1..10
    int reviews = 0;
    int lapses = 0; // reviews rated Again

    bool seen() const { return reviews > 0; }
};

struct ReviewOutcome {
    MemoryState state;
    double intervalDays = 0; // until the item is due again
};

class MemoryModel {
public:
    // The retention the intervals aim at.
    static constexpr double kRetention = 0.9;
    // A wrong answer's item comes back within the same sitting.
    static constexpr double kRelearnDays = 10.0 / (24 * 60);
    // Never further out than this: a course is not learnt for a decade.
    static constexpr double kMaxIntervalDays = 365;

    // The chance of still knowing an item of `stability` after `elapsedDays`.
    static double retrievability(double elapsedDays, double stability);
    // The state after a review rated `rating`, `elapsedDays` after the last
    // one (ignored for an item never seen; a negative time, from a clock
    // that went back, counts as none), and the interval until the next.
    static ReviewOutcome review(const MemoryState& before, Rating rating, double elapsedDays);

private:
    static double initialDifficulty(Rating rating);
};

} // namespace ejteto
