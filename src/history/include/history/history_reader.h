#pragma once
// Reads the history for the progress window and the export, on a connection
// of its own: the write-ahead log lets it read while the recorder (or another
// running copy) writes, so a read never waits for a write.
#include "content/today_plan.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace ejteto {

// One row of the runs table: a practice or test run or a pairs game.
struct StoredRun {
    int64_t id = 0;
    QString kind;   // "practice", "test" or "pairs"
    int lesson = 0; // 0 for a pairs game
    int level = 0;
    QString startedAt; // UTC, ISO 8601
    QString endedAt;
    QString outcome; // "finished" or "abandoned"
    int rightCount = 0;
    int wrongCount = 0;
    double seconds = 0; // pairs games
    int steps = 0;      // pairs games
};

// One row of the takes table: a take of the vowel feedback, as judged.
// Takes kept by a version before 3 have only the target, the sentence
// shown as `verdict` and the middle formants; the rest reads 0 or empty.
struct StoredTake {
    int64_t id = 0;
    QString takenAt;     // UTC, ISO 8601
    int targetSound = 0; // 1..16
    QString word;        // empty for the vowel alone
    QString verdict;     // "right", "wrong", or why not judged (see TakeReport)
    int nearestSound = 0;
    std::array<int, 2> confusables{};
    std::array<double, 3> distanceBark{};
    QString movesOnset, movesMid, movesOffset;
    std::array<double, 3> onset{}, mid{}, offset{}; // F1, F2, F3 in Hz
    double speakerScale = 0;                        // 0: not kept
};

// The learner's speaker scale as kept: the factor and how many takes it was
// estimated from; no takes for a new learner (the factor is then 1).
struct KeptSpeakerScale {
    double factor = 1;
    int takes = 0;
};

// One row of the listening_answers table: an answer of the listening drill.
// Answers kept by a version before 3 have only the time, the sounds played
// and chosen and the word.
struct StoredListeningAnswer {
    int64_t id = 0;
    QString answeredAt; // UTC, ISO 8601
    int lesson = 0;
    QString word; // empty for the bare vowel
    int playedSound = 0;
    QString voice; // empty for the model voice
    std::array<int, 3> offered{};
    int chosenSound = 0;
    bool right = false;
    bool noisy = false;
    int snrDb = 0;
    int trialNo = 0;
    qint64 responseMs = 0;
};

struct LessonProgress {
    int lesson = 0;
    int runs = 0; // practice and test runs, finished or abandoned
    int abandoned = 0;
    std::vector<int> testScores; // right answers of every finished test, oldest first
    // The lesson's vowel heard in the drill and judged in takes.
    int hearingRight = 0, hearingTotal = 0;
    int sayingRight = 0, sayingTotal = 0;
    QString nextDue = QString(); // the soonest due item of the lesson, UTC ISO 8601; empty: none
    int daysPractised = 0;       // days with a run, a drill answer or a take of the lesson (UTC days)
};

// A vowel the learner took for another: `count` answers chose a word of
// `chosenSound` where the word of `expectedSound` was right.
struct Confusion {
    int expectedSound = 0;
    int chosenSound = 0;
    int count = 0;
};

// A vowel taken for another, by where it happened: heard in the drill,
// said in a take (found nearest another vowel), chosen in practice and tests.
struct SkillConfusion {
    int expectedSound = 0;
    int chosenSound = 0;
    int hearing = 0;
    int saying = 0;
    int choosing = 0;
    int total() const { return hearing + saying + choosing; }
};

struct HistorySummary {
    std::vector<LessonProgress> lessons;       // lessons with a run, a drill answer or a take, by number
    std::vector<Confusion> confusions;         // practice and tests, most frequent first
    std::vector<SkillConfusion> allConfusions; // all three sources, most frequent first
    int pairsGames = 0;
};

// The statements summary() runs, in order.
QStringList summaryStatements(int confusionCount = 8);

class HistoryReader {
public:
    explicit HistoryReader(const QString& path);
    ~HistoryReader();
    HistoryReader(const HistoryReader&) = delete;
    HistoryReader& operator=(const HistoryReader&) = delete;

    // Empty when the history can be read (a missing file reads as an empty
    // history); otherwise why not, in Hungarian.
    const QString& problem() const { return problem_; }

    std::vector<StoredRun> runs() const;                         // oldest first
    std::vector<StoredTake> takes() const;                       // oldest first
    std::vector<StoredListeningAnswer> listeningAnswers() const; // oldest first
    HistorySummary summary(int confusionCount = 8) const;
    // The scale the next session starts from.
    KeptSpeakerScale speakerScale() const;
    // Every item of the schedule; none in a file from an older program.
    std::vector<ScheduledItem> schedule() const;

private:
    QSqlDatabase database() const;
    // Runs a query; a failure becomes the reader's problem.
    bool exec(QSqlQuery& q, const QString& statement) const;
    QString path_;
    QString connection_;
    mutable QString problem_;
    bool empty_ = false; // no file yet
    int version_ = 0;    // the file's schema
};

} // namespace ejteto
