// Record and compare driven through its controller, without a microphone and
// on paper time: what the learner sees and hears, in order.
#include "content/compare_controller.h"
#include "support/fake_run_world.h"

#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// A microphone on paper: every take lets the window's events pass ten times,
// ending early when asked, and is 100 ms long.
class PaperMicrophone : public VoiceRecorder {
public:
    explicit PaperMicrophone(RunLog& log) : log_(log) {}

    bool start() override { return plugged; }
    VoiceTake finish(EventPump& pump, const std::function<bool()>& stopAsked) override
    {
        log_.add(QStringLiteral("record"));
        for (int pass = 1; pass <= 10; ++pass) {
            pump.processPendingEvents();
            if (failing)
                throw std::runtime_error("the microphone went away");
            if (stopAsked()) {
                log_.add(QStringLiteral("stopped at pass %1").arg(pass));
                break;
            }
        }
        return VoiceTake{22050, 1, std::vector<int16_t>(2205)};
    }
    void playTake(const VoiceTake& take) override { log_.add(QStringLiteral("take %1 ms").arg(take.durationMs())); }

    bool plugged = true;
    bool failing = false;

private:
    RunLog& log_;
};

class NotedCue : public CompareView {
public:
    explicit NotedCue(RunLog& log) : log_(log) {}
    void showRecordingCue(bool on) override { log_.add(on ? QStringLiteral("cue on") : QStringLiteral("cue off")); }
    void tell(const QString& message) override { log_.add(QStringLiteral("tell ") + message); }

private:
    RunLog& log_;
};

class CompareControllerTest : public ::testing::Test {
protected:
    RunLog log;
    PaperMicrophone microphone{log};
    NotedPlayer player{log};
    PaperTime time{log};
    NotedCue view{log};
    CompareController compare{microphone, player, time, view};
};

TEST_F(CompareControllerTest, RecordsThenPlaysTheModelAndTheTakeInOrder)
{
    compare.press(CourseRecording::ofWord(QStringLiteral("sheep")));
    compare.press(CourseRecording::ofVowel(2));
    EXPECT_EQ(log.entries, QStringList({"cue on", "record", "cue off", "play sheep", "take 100 ms", //
                                        "cue on", "record", "cue off", "vowel 2", "take 100 ms"}));
    EXPECT_EQ(time.pumps, 20) << "the window's events ran all through both takes";
}

TEST_F(CompareControllerTest, APressDuringTheTakeEndsItAndStartsNoOther)
{
    time.onPump = [this](int pumpNo) {
        if (pumpNo == 3)
            compare.press(CourseRecording::ofWord(QStringLiteral("ship")));
    };
    compare.press(CourseRecording::ofWord(QStringLiteral("sheep")));
    EXPECT_EQ(log.entries,
              QStringList({"cue on", "record", "stopped at pass 3", "cue off", "play sheep", "take 100 ms"}));
    EXPECT_FALSE(compare.recording());
}

TEST_F(CompareControllerTest, WithoutAMicrophoneTheLearnerIsToldOnceAndNothingElseHappens)
{
    microphone.plugged = false;
    compare.press(CourseRecording::ofWord(QStringLiteral("sheep")));
    compare.press(CourseRecording::ofVowel(1));
    EXPECT_EQ(log.entries, QStringList({QStringLiteral("tell ") + CompareController::noMicrophoneText()}));

    // Plugged in later, the next press records.
    log.entries.clear();
    microphone.plugged = true;
    compare.press(CourseRecording::ofWord(QStringLiteral("sheep")));
    EXPECT_EQ(log.entries, QStringList({"cue on", "record", "cue off", "play sheep", "take 100 ms"}));
}

TEST_F(CompareControllerTest, AFailingMicrophoneTakesTheCueAwayAndTheNextPressRecords)
{
    microphone.failing = true;
    EXPECT_THROW(compare.press(CourseRecording::ofWord(QStringLiteral("sheep"))), std::runtime_error);
    EXPECT_EQ(log.entries, QStringList({"cue on", "record", "cue off"})) << "nothing is played after a failure";
    EXPECT_FALSE(compare.recording());

    log.entries.clear();
    microphone.failing = false;
    compare.press(CourseRecording::ofWord(QStringLiteral("sheep")));
    EXPECT_EQ(log.entries, QStringList({"cue on", "record", "cue off", "play sheep", "take 100 ms"}));
}

} // namespace
