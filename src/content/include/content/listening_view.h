#pragma once
// What the listening drill shows: the trial with its three vowel choices, the
// verdict right after a choice, notices, and the summary of a round. The tool
// window implements it; tests keep it in memory.
#include <QString>
#include <array>
#include <vector>

namespace ejteto {

struct ListeningVerdict {
    bool right = false;
    int chosenPlace = 0; // 0..2, the place the learner chose
    int rightPlace = 0;  // 0..2, the place of the vowel heard
    int soundId = 0;     // the vowel heard
    int chosenSound = 0; // the vowel chosen
    QString word;        // the word heard; empty for the bare vowel
};

// A pair the learner mixed up: heard `heard`, chose `chosen`, `count` times.
struct ListeningConfusion {
    int heard = 0;
    int chosen = 0;
    int count = 0;
};

struct ListeningSummary {
    int right = 0;
    int total = 0;
    std::vector<ListeningConfusion> confusions; // most frequent first
    bool noisyNext = false;                     // the next round starts with noise
};

class ListeningView {
public:
    virtual ~ListeningView() = default;

    // Trial `trialNo` of `total`: the three sound ids in the order of keys
    // 1..3, and whether noise is mixed in. On screen at once: the sound plays
    // right after and holds the window.
    virtual void showTrial(int trialNo, int total, const std::array<int, 3>& options, bool noisy) = 0;
    virtual void showVerdict(const ListeningVerdict& verdict) = 0;
    virtual void showSummary(const ListeningSummary& summary) = 0;
    // A note the learner should read once (no other voices, no confusables).
    virtual void showNotice(const QString& text) = 0;
};

} // namespace ejteto
