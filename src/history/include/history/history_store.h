#pragma once
// The learner's history: one SQLite file (through Qt SQL) that keeps every
// practice and test run with its answers, every finished pairs game, and the
// analysed vowel takes and listening-drill answers. One store is one
// connection, used on the thread that made it.
//
// Opening never throws. A file that cannot be read as a history (not a
// database, damaged) is put aside under a new name beside it and a fresh one
// is begun; a file written by a newer program, locked by another running
// copy, or in a folder that cannot be written leaves the store unavailable.
// Either way `opening().message` says so once, in Hungarian.
#include "content/listening_answer_sink.h"
#include "content/practice_item.h"
#include "content/run_report.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <array>
#include <cstdint>

namespace ejteto {

enum class HistoryFault;

// The schema this program writes; files with a higher `user_version` come
// from a newer program and are left alone.
constexpr int kHistorySchemaVersion = 5;

// $XDG_DATA_HOME/ejteto/history.sqlite, ~/.local/share when that is unset
// or not an absolute folder.
QString defaultHistoryPath();

struct HistoryStoreOptions {
    // How long a write waits for another running copy's transaction.
    int busyTimeoutMs = 5000;
};

enum class HistoryState {
    Ready,         // the file as it was, or a new one where there was none
    StartedAfresh, // the old file was unreadable and now lies beside the new one
    Unavailable,   // no history this time; `message` says why
};

struct HistoryOpening {
    HistoryState state = HistoryState::Unavailable;
    QString message;   // empty when there is nothing to tell the learner
    QString keptAside; // StartedAfresh: where the old file is now
};

// F1, F2 and F3 in Hz at one moment of a vowel; 0 when not measured.
struct TakeFormants {
    double f1 = 0, f2 = 0, f3 = 0;
};

// A judged take of the vowel feedback: what the learner was repeating, what
// was heard, and the measurements it was judged by. The voice itself is
// never kept.
struct TakeReport {
    QDateTime takenAt;
    int targetSound = 0; // sound id 1..16
    QString word;        // the word repeated; empty for the vowel alone
    // "right", "wrong", or why the take was not judged: "no_voice",
    // "too_short", "clipped", "rate_too_low", "no_formants", "no_course",
    // "unknown_target". Rows of older files hold the sentence shown.
    QString verdict;
    int nearestSound = 0;                 // the vowel heard; 0 when not judged
    std::array<int, 2> confusables{};     // the target's two confusable vowels
    std::array<double, 3> distanceBark{}; // to the target and to each confusable
    // Ways to move towards the target, space-separated of "open", "close",
    // "back" and "front": at the vowel's onset, middle and offset.
    QString movesOnset, movesMid, movesOffset;
    TakeFormants onset, mid, offset;
    // The factor the course's vowels were carried by. The history keeps the
    // newest judged take's, counting the judged takes, as the scale the next
    // session starts from.
    double speakerScale = 1;
};

// One answer of the listening drill, every field of it.
using ListeningAnswerReport = ListeningAnswer;

// The outcome of one write: the new row's id, or why nothing was written
// (the transaction was rolled back).
struct HistoryWrite {
    int64_t id = 0;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class HistoryStore {
public:
    explicit HistoryStore(const QString& path = defaultHistoryPath(), const HistoryStoreOptions& options = {});
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    const HistoryOpening& opening() const { return opening_; }
    bool available() const { return opening_.state != HistoryState::Unavailable; }
    const QString& path() const { return path_; }

    // Each in one transaction of its own.
    HistoryWrite recordRun(const RunReport& run);
    HistoryWrite recordPairsGame(const PairsGameReport& game);
    HistoryWrite recordTake(const TakeReport& take);
    HistoryWrite recordListeningAnswer(const ListeningAnswerReport& answer);
    // The course's confusable vowels, which turn answers into the items of
    // the schedule. The schedule is rebuilt from every kept answer when it
    // was built with others (or with none: a file from an older program).
    // Until this is called, answers are kept and the schedule is brought up
    // to date afterwards.
    HistoryWrite useCourse(const CourseContrasts& contrasts);
    // A new learner: the speaker's scale kept so far is forgotten, and the
    // next session starts from 1 (the takes stay).
    HistoryWrite startNewSpeaker(const QDateTime& at);
    // Empties every table in one transaction; the file stays.
    HistoryWrite clear();

    // For the queries of the progress window and the export.
    QSqlDatabase database() const;

private:
    HistoryOpening open();
    // Opens the connection and brings the file to the current schema.
    HistoryFault connect(QString& detail);
    void disconnect();
    HistoryWrite failed(const QSqlError& error) const;
    // One row of `statement`, in a transaction of its own.
    HistoryWrite insertOne(const QString& statement, const QVariantList& values,
                           const std::vector<ItemReview>& reviews = {}, const QDateTime& at = {});
    // Inside a write transaction: the schedule moved on by `reviews`.
    QSqlError schedule(const std::vector<ItemReview>& reviews, const QDateTime& at);

    QString path_;
    HistoryStoreOptions options_;
    QString connection_;
    HistoryOpening opening_;
    CourseContrasts contrasts_; // empty until useCourse()
};

} // namespace ejteto
