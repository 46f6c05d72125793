#pragma once
// Reads the history for the progress window and the export, on a connection
// of its own: the write-ahead log lets it read while the recorder (or another
// running copy) writes, so a read never waits for a write.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
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

struct LessonProgress {
    int lesson = 0;
    int runs = 0; // practice and test runs, finished or abandoned
    int abandoned = 0;
    std::vector<int> testScores; // right answers of every finished test, oldest first
};

// A vowel the learner took for another: `count` answers chose a word of
// `chosenSound` where the word of `expectedSound` was right.
struct Confusion {
    int expectedSound = 0;
    int chosenSound = 0;
    int count = 0;
};

struct HistorySummary {
    std::vector<LessonProgress> lessons; // lessons with at least one run, by number
    std::vector<Confusion> confusions;   // most frequent first
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

    std::vector<StoredRun> runs() const; // oldest first
    HistorySummary summary(int confusionCount = 8) const;

private:
    QSqlDatabase database() const;
    // Runs a query; a failure becomes the reader's problem.
    bool exec(QSqlQuery& q, const QString& statement) const;
    QString path_;
    QString connection_;
    mutable QString problem_;
    bool empty_ = false; // no file yet
};

} // namespace ejteto
