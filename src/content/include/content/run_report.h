#pragma once
// What a finished or abandoned practice or test run, and a finished pairs
// game, leave behind for the learner's history. The run controllers hand
// these to an observer; what keeps them (a database, a test's list) is not
// their concern.
#include "content/practice_run.h"
#include "content/question_set.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace ejteto {

// One question as it was asked: the four words by answer place, the sound of
// each, where the right one stood and what the learner chose first.
struct AskedQuestion {
    std::array<QString, kOptionCount> offered{};
    std::array<int, kOptionCount> sounds{}; // 0 for an empty place or a word of no sound
    int correctPlace = -1;
    int chosenPlace = -1; // the first answer given; -1 while none was
    int wrongTries = 0;   // practice: every wrong attempt on the question
};

enum class RunEnd { Finished, Abandoned };

struct RunReport {
    RunKind kind = RunKind::Practice;
    int lesson = 0;
    int level = 0; // -1 when none was chosen
    QDateTime startedAt;
    QDateTime endedAt;
    RunEnd end = RunEnd::Finished;
    int rightCount = 0;
    int wrongCount = 0;
    std::vector<AskedQuestion> questions; // the questions shown, in order
};

struct PairsGameReport {
    int level = 0;
    QDateTime startedAt;
    QDateTime endedAt;
    float seconds = 0;
    int steps = 0;
};

// Told of every run the moment it ends. Called on the window thread, so an
// implementation must return at once.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    virtual void runEnded(const RunReport& run) = 0;
    virtual void pairsGameFinished(const PairsGameReport& game) = 0;
};

} // namespace ejteto
