#pragma once
// The pairs game's sequence: dealing, and each press with its turn, its
// recording and the test of the attempt. The rules themselves live in
// content/pairs_game.h; this class moves the game's state between them, the
// view and the recording player.
#include "app/random_source.h"
#include "content/pairs_game.h"
#include "content/pairs_view.h"
#include "content/recording_player.h"
#include "content/run_clock.h"
#include "content/run_report.h"
#include "content/tables.h"

#include <array>

namespace ejteto {

struct PairsGameState {
    GameWordArray PairWords{}; // slot p the first word of pair p, slot 10 + p its partner
    GameWordArray GameWords{}; // the word behind each button
    PairsPressState press;
    double GameStartTime = 0; // local date and time as days, time of day as fraction
    float GameSeconds = 0;
    // Buttons face up or down on the board; found ones (and all before the
    // first deal) are not.
    std::array<bool, kGameButtons> onBoard{};
};

class PairsController {
public:
    PairsController(const ContentTables& tables, RandomSource& random, RecordingPlayer& player, Clock& clock,
                    PairsView& view);

    // Deals a new game at `level`. Content that cannot give a game raises
    // its error before anything on the board changes.
    void Ujjatek(int level);
    // A press of game button `i` at `level`, its word played at `speed`.
    // Pressed again, the turned button counts nothing; asked for slowly, it
    // plays its word slowly once more (the learner has heard it already).
    void Jatekgombmegnyomas(int i, int level, Speed speed = Speed::Normal);
    // The word of button `i` while it is the one turned up; empty for a
    // face-down or found button, whose word the learner must not hear.
    QString turnedWord(int i) const;

    // Told of every finished game; null: nobody.
    void setObserver(RunObserver* observer) { observer_ = observer; }

    const PairsGameState& state() const { return state_; }

private:
    const ContentTables& tables_;
    RandomSource& random_;
    RecordingPlayer& player_;
    Clock& clock_;
    PairsView& view_;
    PairsGameState state_;
    RunObserver* observer_ = nullptr;
    QDateTime dealtAt_;
    int dealtLevel_ = 0;
};

} // namespace ejteto
