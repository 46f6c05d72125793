#pragma once
// One session of "Mai gyakorlás": the day's plan turned into steps, heard,
// chosen and said one after the other, each answer handed on for the
// learner's history as it is given; a summary at the end says what went
// well and when to come back. Plain logic, driven through a view, the
// drill's player and voices, a clock and the random source.
#include "app/random_source.h"
#include "content/listening_answer_sink.h"
#include "content/listening_player.h"
#include "content/run_clock.h"
#include "content/run_report.h"
#include "content/today_plan.h"
#include "content/voice_library.h"

#include <QDateTime>
#include <array>
#include <vector>

namespace ejteto {

// Trials on each hearing contrast: each vowel of the pair twice.
constexpr int kTrialsPerContrast = 4;

struct TodayStep {
    enum class Kind { Hearing, Choosing, Saying };
    Kind kind = Kind::Hearing;
    int planned = 0;              // index into the session's planned items
    int lesson = 0;               // the lesson's vowel
    std::array<int, 2> options{}; // hearing: the two vowels in key order; choosing: the words' vowels
    ListeningSound sound;         // hearing: what plays
    int rightSound = 0;           // hearing: the vowel heard; choosing: the lesson's
    std::array<QString, 2> words; // choosing: the two words in key order
    CourseRecording model;        // saying: the word or vowel to say
};

struct TodaySummary {
    int hearingRight = 0, hearingTotal = 0;
    int choosingRight = 0, choosingTotal = 0;
    int sayingRight = 0, sayingTotal = 0;
    std::vector<PracticeItem> improved; // answered right every time
    std::vector<PracticeItem> missed;   // answered wrong at least once
    QDateTime comeBack;                 // when something is next due (local time); invalid: nothing kept
    bool finished = false;              // false: closed early
};

class TodayView {
public:
    virtual ~TodayView() = default;
    // Step `stepNo` of `total` is on screen; a hearing step's sound plays right after.
    virtual void showStep(const TodayStep& step, int stepNo, int total) = 0;
    // The verdict on the step: right or not, and the text that says so.
    virtual void showVerdict(bool right, const QString& text) = 0;
    virtual void showSummary(const TodaySummary& summary) = 0;
};

// Where a saying step's take is made: the learner is recorded saying
// `model`, and the take is judged; the verdict comes back through
// TodaySession::takeJudged.
class TakeMaker {
public:
    virtual ~TakeMaker() = default;
    virtual void sayAndJudge(const CourseRecording& model) = 0;
};

class TodaySession {
public:
    enum class Phase { Idle, Asking, Judged, Finished };

    TodaySession(const ContentTables& tables, VoiceLibrary& library, ListeningPlayer& player, TakeMaker& takes,
                 RandomSource& random, Clock& clock, TodayView& view);

    void setAnswerSinks(ListeningAnswerSink* heard, RunObserver* chosen)
    {
        heardSink_ = heard;
        chosenSink_ = chosen;
    }

    // Begins a session on `plan`: the first step is shown (and heard).
    void start(const TodayPlan& plan);
    // Hearing and choosing: the learner's choice of place 0..1. Saying: the
    // learner asks to be recorded (any place).
    void choose(int place);
    // The verdict of the take of the saying step on screen.
    void takeJudged(int targetSound, bool right, const QString& verdictText);
    // After a verdict: the next step, or the summary after the last.
    void next();
    // Hearing: the sound once more.
    void replay();
    // Closes the session early: what was answered is kept; the summary says so.
    void close();

    Phase phase() const { return phase_; }
    const std::vector<TodayStep>& steps() const { return steps_; }
    int stepIndex() const { return index_; }
    const TodaySummary& summary() const { return summary_; }

private:
    void buildSteps(const TodayPlan& plan);
    void show();
    void judged(bool right, const QString& text, Rating rating);
    void sendChosenRuns(RunEnd end);
    void finish(bool finished);
    QString wordOf(int sound);

    const ContentTables& tables_;
    VoiceLibrary& library_;
    ListeningPlayer& player_;
    TakeMaker& takes_;
    RandomSource& random_;
    Clock& clock_;
    TodayView& view_;
    ListeningAnswerSink* heardSink_ = nullptr;
    RunObserver* chosenSink_ = nullptr;

    Phase phase_ = Phase::Idle;
    std::vector<PlannedItem> items_;
    std::vector<Rating> worst_; // per planned item; Easy: not answered yet
    std::vector<bool> answered_;
    QDateTime nextDue_;
    std::vector<TodayStep> steps_;
    int index_ = 0;
    QDateTime shownAt_;
    std::vector<RunReport> chosenRuns_; // choosing answers, one run per lesson, sent at the end
    QDateTime startedAt_;
    TodaySummary summary_;
};

} // namespace ejteto
