#pragma once
// "Mai gyakorlás" as the main window offers it: the window with the
// session, its sounds and voices, the day's plan read from the learner's
// history, made once after the main window and opened by Ctrl+M and by its
// line in the tiles' right-click menu.
#include "media/media_engine.h"

#include <QString>
#include <functional>
#include <memory>

namespace ejteto {

class Clock;
class HistoryRecorder;
class RandomSource;
class TodayWindow;
class ToolHost;
struct CourseRecording;
namespace phonetics {
struct JudgedTake;
}

struct TodayToolServices {
    MediaEngineFactory engines;     // empty: GStreamer
    Clock* clock = nullptr;         // not owned; none: the wall clock
    RandomSource* random = nullptr; // not owned; none: the program's
    // Records the learner saying `model`; none: the main window's
    // record-and-compare (the judged take comes back through takeJudged).
    std::function<void(const CourseRecording& model)> sayAndJudge;
};

class TodayTool {
public:
    TodayTool(ToolHost& host, HistoryRecorder& history, const TodayToolServices& services = {});
    ~TodayTool();

    TodayWindow& window() { return *window_; }
    // A judged take: the saying step on screen hears of it.
    void takeJudged(const phonetics::JudgedTake& take);
    // The same, as its vowel, whether the vowel heard was it, and the verdict's text.
    void takeJudged(int target, bool right, const QString& verdict);
    // Reads the voice folders again: a voice recorded or imported since is heard.
    void reloadVoices();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    std::unique_ptr<TodayWindow> window_;
};

// Makes the tool and offers it on `host`: key Ctrl+M, menu line "Mai gyakorlás".
std::unique_ptr<TodayTool> installTodayPractice(ToolHost& host, HistoryRecorder& history,
                                                const TodayToolServices& services = {});

} // namespace ejteto
