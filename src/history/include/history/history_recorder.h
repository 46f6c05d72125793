#pragma once
// Writes the history on a thread of its own, so the window thread only hands
// a report over and goes on: the store's transactions, its waits for another
// running copy and its disk syncs never hold the window. A report that
// cannot be written is kept and tried again with the next one and at the
// end; the learner hears of a fault once, not with every run.
#include "history/history_store.h"

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace ejteto {

class HistoryRecorder : public RunObserver {
public:
    using MessageSink = std::function<void(const QString& message)>;

    // When the store is opened: at once, or when open() is called (the
    // program's start opens it after the window's first paint, so the
    // database's start does not compete with the window's). What is handed
    // over before waits for it.
    enum class Opening { AtOnce, WhenAsked };

    // Opens the store at `path` on the recorder's thread. Messages for the
    // learner reach `sink` on the thread of `context` (the window's), from
    // its event loop; with no context they are dropped.
    HistoryRecorder(const QString& path, QObject* context, MessageSink sink, const HistoryStoreOptions& options = {},
                    Opening opening = Opening::AtOnce);
    // Writes what still waits, then ends the thread.
    ~HistoryRecorder() override;
    HistoryRecorder(const HistoryRecorder&) = delete;
    HistoryRecorder& operator=(const HistoryRecorder&) = delete;

    void runEnded(const RunReport& run) override;
    void pairsGameFinished(const PairsGameReport& game) override;
    void recordTake(const TakeReport& take);
    void recordListeningAnswer(const ListeningAnswerReport& answer);
    // The course's confusable vowels for the schedule (HistoryStore::useCourse).
    void useCourse(const CourseContrasts& contrasts);
    // A new learner (HistoryStore::startNewSpeaker), after every take handed over before.
    void startNewSpeaker(const QDateTime& at);
    // Forgets the whole history, after everything handed over before.
    void clear();
    // Lets a recorder made with Opening::WhenAsked open its store; once is
    // enough, later calls change nothing. The destructor opens it too, so
    // nothing handed over is lost.
    void open();

    // Waits up to `timeoutMs` until everything handed over so far has been
    // tried; true when it has.
    bool flush(int timeoutMs);
    const QString& path() const { return path_; }
    // Why nothing is being kept this time (the store could not be opened);
    // empty while the history is kept, and until the store has been opened.
    QString unavailableReason() const;

private:
    using Write = std::function<HistoryWrite(HistoryStore&)>;
    void post(Write write);
    void work(HistoryStoreOptions options);
    void tell(const QString& message);

    QString path_;
    QPointer<QObject> context_;
    MessageSink sink_;

    mutable std::mutex mutex_;
    QString unavailableReason_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<Write> queue_;
    uint64_t handedOver_ = 0; // counted on the window thread's side
    uint64_t tried_ = 0;      // counted on the recorder's
    bool stopping_ = false;
    bool openAsked_ = true;
    std::thread thread_;
};

} // namespace ejteto
