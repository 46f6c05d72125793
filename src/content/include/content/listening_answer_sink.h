#pragma once
// Every answer of the listening drill, as it is given: what the learner heard
// (which word or bare vowel, in which voice, with or without noise), which
// three vowels were offered and which one was chosen. A history keeps them
// to show listening scores beside the test scores.
#include <QDateTime>
#include <QString>
#include <array>

namespace ejteto {

struct ListeningAnswer {
    int lesson = 0;               // the lesson the drill was opened on
    QString word;                 // the word heard; empty when it was the bare vowel
    int soundId = 0;              // the vowel it had: the right answer
    QString voice;                // the voice folder; empty for the model voice
    std::array<int, 3> offered{}; // the three sound ids, in the order shown
    int chosen = 0;               // the sound id the learner chose
    bool right = false;
    int snrDb = 0;         // signal-to-noise ratio of the noise mixed in
    bool noisy = false;    // false: no noise, snrDb means nothing
    int trialNo = 0;       // 1..20 in its round
    qint64 responseMs = 0; // from the sound's end to the choice
    QDateTime at;          // when the answer was given, local time
};

class ListeningAnswerSink {
public:
    virtual ~ListeningAnswerSink() = default;
    // Called once per answer, right after it was judged. A sink that cannot
    // store raises its error; the drill has shown the verdict already.
    virtual void recordAnswer(const ListeningAnswer& answer) = 0;
};

} // namespace ejteto
