// The GStreamer microphone recording from test signals in real time: when a
// take ends (asked, quiet after the voice, or at its longest), what it keeps,
// its playback, and a machine without a microphone.
#include "media/media_fixtures.h"

#include "media/gst_voice_recorder.h"
#include "support/failure_of.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cmath>
#include <gtest/gtest.h>

namespace ejteto {
namespace {

using testing::failureOf;
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

// A take of `ms` of a loud 440 Hz tone.
VoiceTake toneTake(int ms)
{
    VoiceTake take{QByteArray(), 22050, 1};
    for (int i = 0; i < 22050 * ms / 1000; ++i) {
        const auto value = static_cast<qint16>(8000 * std::sin(2 * M_PI * 440.0 * i / 22050));
        take.samples.append(reinterpret_cast<const char*>(&value), 2);
    }
    return take;
}

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
    EXPECT_LT(recorded, 800);
    EXPECT_NEAR(take.durationMs(), 300, 120);
    EXPECT_GT(pump.passes, 5) << "the window's events ran while it recorded";
}

TEST_F(VoiceRecorderTest, QuietAfterTheVoiceEndsTheTakeWhichKeepsTheVoice)
{
    // One 0.45 s beep, then nothing for ten seconds.
    const VoiceTake take =
        record("audiotestsrc wave=ticks freq=440 sine-periods-per-tick=200 tick-interval=10000000000", {});
    EXPECT_GE(recorded, 1000) << "0.45 s of voice and 0.7 s of quiet";
    EXPECT_LT(recorded, 1700);
    EXPECT_EQ(take.sampleRate, 22050);
    EXPECT_EQ(take.channels, 1);
    EXPECT_NEAR(take.durationMs(), 450 + 200, 100) << "the voice and a short margin, not the quiet after it";
}

TEST_F(VoiceRecorderTest, QuietBeforeAnyVoiceRunsToTheLongestTake)
{
    RecordingLimits limits;
    limits.longestMs = 900;
    const VoiceTake take = record("audiotestsrc wave=silence", limits);
    EXPECT_GE(recorded, 800);
    EXPECT_EQ(take.durationMs(), 900) << "all of it kept: nothing was heard to cut it to";
}

TEST_F(VoiceRecorderTest, ATakePlaysForItsLength)
{
    auto recorder = makeGstVoiceRecorder();
    QElapsedTimer played;
    played.start();
    recorder->playTake(toneTake(500));
    EXPECT_GE(played.elapsed(), 480);
    EXPECT_LT(played.elapsed(), 3000);
}

TEST_F(VoiceRecorderTest, ASourceThatCannotStartIsNoMicrophone)
{
    const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", "alsasrc device=ejteto-no-such-device");
    auto recorder = makeGstVoiceRecorder();
    EXPECT_FALSE(recorder->start());
    EXPECT_TRUE(recorder->finish(pump, [] { return false; }).isEmpty());

    // A source named wrongly is a fault of the set-up, reported as such.
    const ScopedEnv misnamed("EJTETO_AUDIO_SOURCE", "ejteto-no-such-element");
    EXPECT_NE(failureOf([&] { recorder->start(); }), QStringLiteral("(no error)"));
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
