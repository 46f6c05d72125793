#include "history/history_recorder.h"

#include <QMetaObject>
#include <chrono>

namespace ejteto {

HistoryRecorder::HistoryRecorder(const QString& path, QObject* context, MessageSink sink,
                                 const HistoryStoreOptions& options, Opening opening)
    : path_(path), context_(context), sink_(std::move(sink)), openAsked_(opening == Opening::AtOnce)
{
    thread_ = std::thread([this, options] { work(options); });
}

HistoryRecorder::~HistoryRecorder()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void HistoryRecorder::open()
{
    {
        const std::lock_guard lock(mutex_);
        openAsked_ = true;
    }
    wake_.notify_all();
}

void HistoryRecorder::runEnded(const RunReport& run)
{
    post([run](HistoryStore& s) { return s.recordRun(run); });
}

void HistoryRecorder::pairsGameFinished(const PairsGameReport& game)
{
    post([game](HistoryStore& s) { return s.recordPairsGame(game); });
}

void HistoryRecorder::recordTake(const TakeReport& take)
{
    post([take](HistoryStore& s) { return s.recordTake(take); });
}

void HistoryRecorder::recordListeningAnswer(const ListeningAnswerReport& answer)
{
    post([answer](HistoryStore& s) { return s.recordListeningAnswer(answer); });
}

void HistoryRecorder::useCourse(const CourseContrasts& contrasts)
{
    post([contrasts](HistoryStore& s) { return s.useCourse(contrasts); });
}

void HistoryRecorder::startNewSpeaker(const QDateTime& at)
{
    post([at](HistoryStore& s) { return s.startNewSpeaker(at); });
}

void HistoryRecorder::clear()
{
    post([](HistoryStore& s) { return s.clear(); });
}

void HistoryRecorder::post(Write write)
{
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(write));
        ++handedOver_;
    }
    wake_.notify_one();
}

bool HistoryRecorder::flush(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    const uint64_t target = handedOver_;
    return done_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return tried_ >= target; });
}

QString HistoryRecorder::unavailableReason() const
{
    const std::lock_guard lock(mutex_);
    return unavailableReason_;
}

void HistoryRecorder::tell(const QString& message)
{
    if (message.isEmpty() || context_.isNull())
        return;
    QMetaObject::invokeMethod(
        context_.data(), [sink = sink_, message] { sink(message); }, Qt::QueuedConnection);
}

void HistoryRecorder::work(HistoryStoreOptions options)
{
    {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return openAsked_ || stopping_; });
    }
    // The connection belongs to this thread: made, used and closed here.
    HistoryStore store(path_, options);
    tell(store.opening().message);
    if (!store.available()) {
        const std::lock_guard lock(mutex_);
        unavailableReason_ = store.opening().message;
    }
    // Reports that failed wait here, oldest first, for the next try.
    std::deque<Write> waiting;
    bool faultTold = false;
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        const bool last = stopping_;
        std::deque<Write> batch;
        batch.swap(queue_);
        const uint64_t count = batch.size();
        lock.unlock();

        if (store.available()) {
            for (Write& w : batch)
                waiting.push_back(std::move(w));
            while (!waiting.empty()) {
                const HistoryWrite result = waiting.front()(store);
                if (!result.ok()) {
                    if (!faultTold)
                        tell(result.error);
                    faultTold = true;
                    break;
                }
                faultTold = false;
                waiting.pop_front();
            }
        }

        lock.lock();
        tried_ += count;
        lock.unlock();
        done_.notify_all();
        if (last)
            return;
    }
}

} // namespace ejteto
