#include "content/pairs_controller.h"

namespace ejteto {

PairsController::PairsController(const ContentTables& tables, RandomSource& random, RecordingPlayer& player,
                                 Clock& clock, PairsView& view)
    : tables_(tables), random_(random), player_(player), clock_(clock), view_(view)
{
}

void PairsController::Ujjatek(int level)
{
    state_.PairWords = drawPairWords(tables_, level, random_);
    view_.setInstruction(pairsInstruction(level));
    state_.GameWords = arrangeGameWords(state_.PairWords, shuffleGamePositions(random_));
    for (int i = 0; i < kGameButtons; ++i) {
        view_.dealButton(i);
        state_.onBoard[static_cast<size_t>(i)] = true;
    }
    state_.press = PairsPressState{};
    dealtAt_ = clock_.now();
    dealtLevel_ = level;
    state_.GameStartTime = dayCountOf(dealtAt_);
}

void PairsController::Jatekgombmegnyomas(int i, int level, Speed speed)
{
    // A found button cannot be pressed; a call for one (or for no button at
    // all) must not count as a press either.
    if (i < 0 || i >= kGameButtons || !state_.onBoard[static_cast<size_t>(i)])
        return;
    const PairsPressState before = state_.press;
    if (!beginGamePress(state_.press, i)) {
        if (speed == Speed::Slow)
            player_.playWord(state_.GameWords[static_cast<size_t>(i)], speed);
        return;
    }

    const QString word = state_.GameWords[static_cast<size_t>(i)];
    view_.turnButton(i, turnedButtonText(level, word));
    try {
        player_.playWord(word, speed);
    } catch (...) {
        // The word could not be heard: take the press back, so the attempt
        // goes on as if the button had never been turned.
        view_.turnBack(i);
        state_.press = before;
        throw;
    }

    const int previous = state_.press.PreviousPress;
    const PressOutcome outcome = finishGamePress(state_.press, tables_, level, state_.GameWords);
    switch (outcome) {
    case PressOutcome::Waiting:
        break;
    case PressOutcome::Matched:
    case PressOutcome::Finished:
        for (const int found : {i, previous}) {
            view_.removeButton(found);
            state_.onBoard[static_cast<size_t>(found)] = false;
        }
        break;
    case PressOutcome::Missed:
        view_.turnBack(i);
        view_.turnBack(previous);
        break;
    }
    if (outcome == PressOutcome::Finished) {
        const QDateTime now = clock_.now();
        state_.GameSeconds = gameSecondsBetween(state_.GameStartTime, dayCountOf(now));
        view_.setInstruction(pairsResultText(state_.GameSeconds, state_.press.StepCount));
        if (observer_ != nullptr)
            observer_->pairsGameFinished({dealtLevel_, dealtAt_, now, state_.GameSeconds, state_.press.StepCount});
    }
}

QString PairsController::turnedWord(int i) const
{
    const PairsPressState& p = state_.press;
    const bool turned = i >= 0 && i < kGameButtons && state_.onBoard[static_cast<size_t>(i)] && p.PressCount == 1 &&
                        p.CurrentPress == i;
    return turned ? state_.GameWords[static_cast<size_t>(i)] : QString();
}

} // namespace ejteto
