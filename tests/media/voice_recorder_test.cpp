// The GStreamer microphone recording from test signals in real time: when a
// take ends (asked, quiet after the voice, or at its longest), what it keeps,
// its playback, and the system's stand-in for a missing microphone.
#include "media/gst_voice_recorder.h"
#include "support/scoped_env.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace ejteto {
namespace {

using testing::ScopedEnv;

// The window's event pump, counting its passes; a learner may press again
// at any pass.
class CountingPump : public EventPump {
public:
    void processPendingEvents() override
    {
        ++passes;
        if (onPass)
            onPass();
    }
    int passes = 0;
    std::function<void()> onPass;
};

class VoiceRecorderTest : public ::testing::Test {
protected:
    // Starts a take from `source` and records it to its end.
    VoiceTake record(const QByteArray& source, const RecordingLimits& limits)
    {
        const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", source);
        auto recorder = makeGstVoiceRecorder(limits);
        EXPECT_TRUE(recorder->start());
        clock.start();
        VoiceTake take = recorder->finish(pump, [this] { return pressed; });
        recorded = clock.elapsed();
        return take;
    }

    CountingPump pump;
    bool pressed = false;
    QElapsedTimer clock;
    qint64 recorded = 0; // ms the take was recorded for
};

TEST_F(VoiceRecorderTest, APressEndsTheTakeEarly)
{
    pump.onPass = [this] { pressed = clock.elapsed() >= 300; };
    const VoiceTake take = record("audiotestsrc wave=sine", {});
    EXPECT_NEAR(take.durationMs(), 300, 120);
    EXPECT_GT(pump.passes, 5) << "the window's events ran while it recorded";
}

TEST_F(VoiceRecorderTest, QuietAfterTheVoiceEndsTheTakeWhichKeepsTheVoiceAndPlaysItBack)
{
    // One 0.45 s beep, then nothing for ten seconds.
    const VoiceTake take =
        record("audiotestsrc wave=ticks freq=440 sine-periods-per-tick=200 tick-interval=10000000000", {});
    EXPECT_GE(recorded, 1000) << "0.45 s of voice and 0.7 s of quiet";
    EXPECT_LT(recorded, RecordingLimits{}.longestMs) << "ended by the quiet, not by the longest take";
    EXPECT_EQ(take.sampleRate, 22050);
    EXPECT_EQ(take.channels, 1);
    EXPECT_NEAR(take.durationMs(), 450 + 200, 100) << "the voice and a short margin, not the quiet after it";

    QElapsedTimer played;
    played.start();
    makeGstVoiceRecorder()->playTake(take);
    EXPECT_GE(played.elapsed(), take.durationMs() - 20) << "played through the output in real time";
}

TEST_F(VoiceRecorderTest, QuietBeforeAnyVoiceRunsToTheLongestTake)
{
    RecordingLimits limits;
    limits.longestMs = 900;
    const VoiceTake take = record("audiotestsrc wave=silence", limits);
    EXPECT_GE(recorded, 800);
    EXPECT_EQ(take.durationMs(), 900) << "all of it kept: nothing was heard to cut it to";
}

TEST_F(VoiceRecorderTest, TheSystemsSilentStandInIsNoMicrophone)
{
    if (QFileInfo::exists(QStringLiteral("/dev/snd")) || qEnvironmentVariableIsSet("PULSE_SERVER"))
        GTEST_SKIP() << "this machine may have a microphone";
    const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", QByteArray());
    EXPECT_FALSE(makeGstVoiceRecorder()->start());
}

} // namespace
} // namespace ejteto
