#include "ui/today_tool.h"

#include "app/random_source.h"
#include "app/voice_paths.h"
#include "content/practice_item.h"
#include "content/voice_library.h"
#include "content/vowel_symbols.h"
#include "history/history_reader.h"
#include "history/history_recorder.h"
#include "media/gst_media_engine.h"
#include "phonetics/take_judge.h"
#include "shared/qt_run_clock.h"
#include "tool_windows/listening_drill/drill_sounds.h"
#include "ui/today_window.h"
#include "ui/tool_host.h"

namespace ejteto {

namespace {

// Answers of the session go to the learner's history as they are given.
class HistorySinks : public ListeningAnswerSink, public RunObserver {
public:
    explicit HistorySinks(HistoryRecorder& history) : history_(history) {}
    void recordAnswer(const ListeningAnswer& a) override { history_.recordListeningAnswer(a); }
    void runEnded(const RunReport& run) override { history_.runEnded(run); }
    void pairsGameFinished(const PairsGameReport&) override {}

private:
    HistoryRecorder& history_;
};

class CallTakes : public TakeMaker {
public:
    explicit CallTakes(std::function<void(const CourseRecording&)> say) : say_(std::move(say)) {}
    void sayAndJudge(const CourseRecording& model) override { say_(model); }

private:
    std::function<void(const CourseRecording&)> say_;
};

// How long the plan waits for answers still being written.
constexpr int kFlushMs = 2000;

} // namespace

struct TodayTool::Parts {
    Parts(const QString& mediaDir, std::unique_ptr<MediaEngine> engine, HistoryRecorder& history,
          std::function<void(const CourseRecording&)> say)
        : library(mediaDir, userVoicesDir()), sounds(library, std::move(engine)), sinks(history), takes(std::move(say))
    {
    }
    FolderVoiceLibrary library;
    DrillSounds sounds;
    HistorySinks sinks;
    CallTakes takes;
    QtRunClock realClock;
};

TodayTool::TodayTool(ToolHost& host, HistoryRecorder& history, const TodayToolServices& services)
{
    const MediaEngineFactory engines = services.engines ? services.engines : MediaEngineFactory(makeGstMediaEngine);
    auto say = services.sayAndJudge
                   ? services.sayAndJudge
                   : std::function<void(const CourseRecording&)>([&host](const CourseRecording& model) {
                         // A press while a take is recorded would end it.
                         if (!host.compare().recording())
                             host.compare().press(model);
                     });
    parts_ = std::make_unique<Parts>(host.mediaFolder(), engines(), history, std::move(say));
    Clock& clock = services.clock ? *services.clock : parts_->realClock;
    RandomSource& random = services.random ? *services.random : programRandom();
    window_ = std::make_unique<TodayWindow>([&host, &history, &clock] {
        // What was answered a moment ago counts in the plan.
        history.flush(kFlushMs);
        const HistoryReader reader(history.path());
        return planToday(reader.schedule(), CourseContrasts::from(host.contentTables()), clock.now().toUTC());
    });
    auto session = std::make_unique<TodaySession>(host.contentTables(), parts_->library, parts_->sounds, parts_->takes,
                                                  random, clock, *window_);
    session->setAnswerSinks(&parts_->sinks, &parts_->sinks);
    window_->setSession(std::move(session));
}

TodayTool::~TodayTool() = default;

void TodayTool::takeJudged(const phonetics::JudgedTake& take)
{
    // A take with no verdict (no voice heard) leaves the step waiting for another.
    if (!take.judged() || !take.verdict)
        return;
    takeJudged(take.target.sound, take.nearest() == take.target.sound,
               phonetics::verdictText(*take.verdict, [](int sound) { return symbolText(sound); }));
}

void TodayTool::takeJudged(int target, bool right, const QString& verdict)
{
    if (TodaySession* s = window_->session())
        s->takeJudged(target, right, verdict);
}

void TodayTool::reloadVoices() { parts_->library.rescan(); }

std::unique_ptr<TodayTool> installTodayPractice(ToolHost& host, HistoryRecorder& history,
                                                const TodayToolServices& services)
{
    auto tool = std::make_unique<TodayTool>(host, history, services);
    TodayWindow* window = &tool->window();
    TodayTool* today = tool.get();
    host.addTool({QStringLiteral("Mai gyakorlás"), QKeySequence(Qt::CTRL | Qt::Key_M),
                  [window, today, &host] {
                      if (!window->isVisible())
                          today->reloadVoices();
                      window->openOver(&host.mainWindow());
                  },
                  window});
    return tool;
}

} // namespace ejteto
