#pragma once
// The order of the listening drill: a round of twenty trials on a lesson,
// each a word or a bare vowel in a random voice; the learner chooses one of
// three vowels, is told at once, may hear the sound again and the right vowel
// in the model voice, and goes on. Every answer goes to the answer sink.
// Once nine of the last ten answers are right, noise is mixed in at the
// signal-to-noise ratio the learner chose. Plain logic, driven through a
// view, a sound player, a clock and the random source.
#include "app/random_source.h"
#include "content/listening_answer_sink.h"
#include "content/listening_player.h"
#include "content/listening_round.h"
#include "content/listening_view.h"
#include "content/run_clock.h"
#include "content/voice_library.h"

#include <QSet>
#include <deque>
#include <optional>

namespace ejteto {

class ListeningController {
public:
    enum class Phase {
        Idle,      // no round yet
        Listening, // a trial has played; a choice is awaited
        Judged,    // the verdict is shown; next() goes on
        Finished,  // the summary is shown; startRound() begins another
    };

    ListeningController(const ContentTables& tables, VoiceLibrary& library, ListeningPlayer& player,
                        RandomSource& random, Clock& clock, ListeningView& view);

    // Where every answer goes; none: answers are judged and forgotten.
    void setAnswerSink(ListeningAnswerSink* sink) { sink_ = sink; }
    // The noise of the harder step; none: never any noise.
    void setNoise(std::optional<int> snrDb) { snrDb_ = snrDb; }

    // A new round on `lesson` (1..16); plays its first trial. Raises an
    // AppError with a Hungarian message when no lesson is chosen or nothing
    // of it can be heard.
    void startRound(int lesson);
    // The learner's choice of place 0..2; ignored unless a choice is awaited.
    void choose(int place);
    // After the verdict: the next trial, or the summary after the last one.
    void next();
    // The trial's sound once more, in the same voice and noise.
    void replay();
    // After the verdict: the vowel that was heard, alone, in the model voice.
    void playRightVowel();

    Phase phase() const { return phase_; }
    int lesson() const { return lesson_; }
    int trialNo() const { return trialNo_; }
    int rightCount() const { return right_; }
    const std::array<int, 3>& options() const { return choices_.sounds; }
    // What the current trial played; an empty recording before the first.
    const ListeningSound& sound() const { return sound_; }
    const ListeningDeck& deck() const { return deck_; }
    bool noisyNow() const;

private:
    void playTrial();

    const ContentTables& tables_;
    VoiceLibrary& library_;
    ListeningPlayer& player_;
    RandomSource& random_;
    Clock& clock_;
    ListeningView& view_;
    ListeningAnswerSink* sink_ = nullptr;
    std::optional<int> snrDb_ = 10;

    Phase phase_ = Phase::Idle;
    int lesson_ = 0;
    int trialNo_ = 0;
    int right_ = 0;
    ListeningChoices choices_;
    ListeningDeck deck_;
    ListeningDeck::Pick pick_;
    ListeningSound sound_;
    QDateTime heardAt_;
    std::vector<ListeningConfusion> confusions_;
    std::deque<bool> recent_; // the last answers, across rounds
    bool toldModelOnly_ = false;
    QSet<int> toldNearest_;
};

} // namespace ejteto
