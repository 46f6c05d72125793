#pragma once
// The world of a run without a window: a recording player that only notes
// what it was asked to play, and time that passes only on paper. Every call
// is also written to one shared log, so tests can check the order of what a
// learner would see and hear.
#include "content/recording_player.h"
#include "content/run_clock.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <stdexcept>

namespace ejteto::testing {

struct RunLog {
    QStringList entries;
    void add(const QString& entry) { entries << entry; }
};

class NotedPlayer : public RecordingPlayer {
public:
    explicit NotedPlayer(RunLog& log) : log_(log) {}
    // Logs "play <word>" or "vowel <id>", with "slow " before a slow one.
    void play(const CourseRecording& recording, Speed speed) override
    {
        const QString pace = speed == Speed::Slow ? QStringLiteral("slow ") : QString();
        if (recording.kind == CourseRecording::Kind::Vowel) {
            log_.add(pace + QStringLiteral("vowel %1").arg(recording.soundId));
            return;
        }
        if (failing)
            throw failure;
        log_.add(pace + QStringLiteral("play ") + recording.word);
        words << recording.word;
        if (onPlay)
            onPlay();
    }

    QStringList words;
    bool failing = false; // every play of a word raises `failure`
    std::runtime_error failure{"no recording"};
    std::function<void()> onPlay; // the recording's own time passing

private:
    RunLog& log_;
};

class PaperTime : public EventPump, public Clock {
public:
    explicit PaperTime(RunLog& log) : log_(log) {}
    void processPendingEvents() override
    {
        if (passEvents)
            QCoreApplication::processEvents();
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    QDateTime now() const override { return start.addMSecs(elapsedMs); }
    void sleep(int ms) override
    {
        elapsedMs += ms;
        if (ms != 15) // the slide's steps are counted, not logged one by one
            log_.add(QStringLiteral("sleep %1").arg(ms));
    }

    // Runs in the middle of a handler, at every event pass: what the learner
    // does while the window lets events through.
    std::function<void(int pumpNo)> onPump;
    // In a window test the window's own events run at every pass too.
    bool passEvents = false;
    int pumps = 0;
    qint64 elapsedMs = 0;
    QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 0));

private:
    RunLog& log_;
};

} // namespace ejteto::testing
