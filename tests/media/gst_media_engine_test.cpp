// The GStreamer engine playing sound for real (to a fake sink that keeps
// real time): blocking playback, the service's failures, file names, and
// that the instant test engine fails with the same texts.
#include "media/media_fixtures.h"

#include "media/gst_media_engine.h"
#include "support/failure_of.h"
#include "support/instant_media_engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace ejteto {
namespace {

using testing::failureOf;
using testing::ScopedEnv;
using State = MediaEngine::State;

class GstMediaEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tone = dir.filePath(QStringLiteral("tone.wav"));
        testing::writeToneWav(tone, 0.3);
    }

    // Opens and plays `path` to its end; returns how long that took in ms.
    static qint64 playThrough(MediaEngine& engine, const QString& path)
    {
        QElapsedTimer clock;
        clock.start();
        engine.open(path);
        engine.playToEnd();
        return clock.elapsed();
    }

    QTemporaryDir dir;
    QString tone;
};

TEST_F(GstMediaEngineTest, PlayToEndReturnsOnlyWhenTheRecordingHasEnded)
{
    auto engine = makeGstMediaEngine();
    EXPECT_GE(playThrough(*engine, tone), 290);
    EXPECT_EQ(engine->state(), State::Stopped);

    // Played again from its end, it starts over and lasts as long.
    QElapsedTimer clock;
    clock.start();
    engine->playToEnd();
    EXPECT_GE(clock.elapsed(), 290);

    // Without waiting, it plays on in the background.
    engine->play();
    EXPECT_EQ(engine->state(), State::Playing);
}

TEST_F(GstMediaEngineTest, ASlowPlayLastsLongerAtTheSamePitch)
{
    const QString second = dir.filePath(QStringLiteral("second.wav"));
    testing::writeToneWav(second, 1.0);
    // The output keeps what reached it: mono 16-bit samples at 22050 Hz.
    const QString heard = dir.filePath(QStringLiteral("heard.raw"));
    ScopedEnv sink("EJTETO_AUDIO_SINK", "audioconvert ! audio/x-raw,format=S16LE,channels=1,rate=22050"
                                        " ! filesink sync=true location=\"" +
                                            heard.toUtf8() + "\"");
    auto engine = makeGstMediaEngine();
    engine->open(second);
    engine->playToEndAt(0.6);
    EXPECT_EQ(engine->state(), State::Stopped);

    QFile output(heard);
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    const QByteArray bytes = output.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    const qsizetype count = bytes.size() / 2;
    int crossings = 0;
    for (qsizetype i = 1; i < count; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    const double seconds = static_cast<double>(count) / 22050;
    // Read once the play has returned: a play that had not waited for the end
    // would leave the output short.
    EXPECT_NEAR(seconds, 1.0 / 0.6, 0.15) << "the second lasts 1/0.6 of itself at the output";
    EXPECT_NEAR(crossings / seconds / 2, 440, 10) << "still a 440 Hz tone: the pitch is unchanged";

    // Played again from its end, it runs at normal speed. Going back to the
    // start flushes the output, which begins its file anew.
    engine->playToEnd();
    EXPECT_NEAR(static_cast<double>(QFileInfo(heard).size()) / 2 / 22050, 1.0, 0.05);
}

TEST_F(GstMediaEngineTest, OpenFailuresCarryTheServiceTextAndLeaveNothingOpen)
{
    auto engine = makeGstMediaEngine();
    engine->open(tone);
    EXPECT_EQ(failureOf([&] { engine->open(dir.filePath(QStringLiteral("words/nincs.wav"))); }),
              QStringLiteral("Resource not found."));
    EXPECT_EQ(engine->state(), State::Closed) << "the file open before was closed too";

    // Bytes that are no recording at all fail with the service's own text.
    const QString garbage = dir.filePath(QStringLiteral("garbage.wav"));
    testing::writeBytes(garbage, QByteArray(2000, 'x'));
    const QString garbageError = failureOf([&] { engine->open(garbage); });
    EXPECT_NE(garbageError, QStringLiteral("(no error)"));
    EXPECT_FALSE(garbageError.isEmpty());
    EXPECT_EQ(engine->state(), State::Closed);

    EXPECT_GE(playThrough(*engine, tone), 290) << "the next file plays normally";
}

TEST_F(GstMediaEngineTest, EveryFileStartsAfreshOnThePlayersPipeline)
{
    // One pipeline serves the player's files one after the other: nothing of
    // a file, whether it played to its end or was left playing, reaches the
    // next one.
    const QString longTone = dir.filePath(QStringLiteral("long.wav"));
    testing::writeToneWav(longTone, 0.6);
    auto engine = makeGstMediaEngine();
    EXPECT_GE(playThrough(*engine, tone), 290);
    EXPECT_GE(playThrough(*engine, longTone), 590) << "not cut short by the end of the one before";
    engine->open(tone);
    engine->play();
    EXPECT_EQ(engine->state(), State::Playing);
    engine->close();
    EXPECT_EQ(engine->state(), State::Closed);
    EXPECT_GE(playThrough(*engine, longTone), 590) << "from its own start";

    // A pause leaves its notices behind; the next file is still judged on
    // its own: damaged content fails to open.
    engine->open(longTone);
    engine->play();
    engine->pause();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const QString garbage = dir.filePath(QStringLiteral("garbage.wav"));
    testing::writeBytes(garbage, QByteArray(2000, 'x'));
    EXPECT_NE(failureOf([&] { engine->open(garbage); }), QStringLiteral("(no error)"));
    EXPECT_EQ(engine->state(), State::Closed);
}

TEST_F(GstMediaEngineTest, ALazilyOpenedFileFailsAsAnOpenAndIsOpenedByItsFirstCommand)
{
    // What cannot be read, or is empty, fails at once, with the text a real
    // open gives.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder.wav")));
    const QString empty = dir.filePath(QStringLiteral("empty.wav"));
    testing::writeBytes(empty, QByteArray());
    for (const QString& path :
         {dir.filePath(QStringLiteral("nincs.wav")), dir.filePath(QStringLiteral("folder.wav")), empty}) {
        auto lazy = makeGstMediaEngine();
        const QString expected = failureOf([&] { makeGstMediaEngine()->open(path); });
        EXPECT_NE(expected, QStringLiteral("(no error)"));
        EXPECT_EQ(failureOf([&] { lazy->openLazily(path); }), expected) << path.toStdString();
        EXPECT_EQ(lazy->state(), State::Closed);
    }
    // A file that is no sound file at all fails at once too, in the service's
    // words for a file of no kind it knows.
    const QString garbage = dir.filePath(QStringLiteral("garbage.wav"));
    testing::writeBytes(garbage, QByteArray(2000, 'x'));
    EXPECT_EQ(failureOf([&] { makeGstMediaEngine()->openLazily(garbage); }),
              QStringLiteral("Could not determine type of stream."));

    // A readable file stands open at its start, and the first command opens
    // it for real: played, it lasts its whole length.
    auto engine = makeGstMediaEngine();
    engine->openLazily(tone);
    EXPECT_EQ(engine->state(), State::Stopped);
    QElapsedTimer clock;
    clock.start();
    engine->playToEnd();
    EXPECT_GE(clock.elapsed(), 290);
    EXPECT_EQ(engine->state(), State::Stopped);

    // Content that only the real open finds damaged (a sound file whose
    // sound data is cut off) fails at that command, in the service's words,
    // and leaves nothing open. The service names such a file either by the
    // parser's reason or by its general stream failure, whichever of its
    // two threads reports first.
    const QString cut = dir.filePath(QStringLiteral("cut.wav"));
    testing::writeBytes(cut, QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16));
    const auto serviceText = [](GstStreamError code) {
        gchar* text = gst_error_get_message(GST_STREAM_ERROR, code);
        const QString result = QString::fromUtf8(text);
        g_free(text);
        return result;
    };
    const QStringList damagedStream{serviceText(GST_STREAM_ERROR_WRONG_TYPE), serviceText(GST_STREAM_ERROR_FAILED)};
    engine->openLazily(cut);
    const QString failure = failureOf([&] { engine->play(); });
    EXPECT_TRUE(damagedStream.contains(failure)) << failure.toStdString();
    EXPECT_EQ(engine->state(), State::Closed);
}

TEST(GstreamerStartTest, TheFirstFileWaitsForAStartBegunInTheBackground)
{
    // In a process of its own, where GStreamer has not started yet.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QTemporaryDir dir;
            const QString tone = dir.filePath(QStringLiteral("tone.wav"));
            testing::writeToneWav(tone, 0.3);
            auto engine = makeGstMediaEngine();
            engine->prepareAhead();
            QElapsedTimer clock;
            clock.start();
            engine->open(tone);
            engine->playToEnd();
            std::exit(clock.elapsed() >= 290 && engine->state() == MediaEngine::State::Stopped ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(GstMediaEngineTest, TheInstantEngineFailsWithTheServicesOwnTexts)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder.wav")));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QStringList paths{dir.filePath(QStringLiteral("nincs.wav")), QStringLiteral("media/../nincs.wav"),
                            dir.filePath(QStringLiteral("folder.wav")), QStringLiteral("./folder.wav")};
    for (const QString& path : paths) {
        auto real = makeGstMediaEngine();
        testing::InstantMediaEngine instant;
        const QString expected = failureOf([&] { real->open(path); });
        EXPECT_NE(expected, QStringLiteral("(no error)")) << path.toStdString();
        EXPECT_EQ(failureOf([&] { instant.open(path); }), expected) << path.toStdString();
    }
    QDir::setCurrent(previous);
}

TEST_F(GstMediaEngineTest, ServiceFailureWhilePlayingEndsThePlaybackUnreported)
{
    const QString longTone = dir.filePath(QStringLiteral("long.wav"));
    testing::writeToneWav(longTone, 3.0);
    // An output that breaks down after the first few buffers.
    ScopedEnv sink("EJTETO_AUDIO_SINK", "identity error-after=3 ! fakesink sync=true");
    auto engine = makeGstMediaEngine();
    qint64 elapsed = 0;
    EXPECT_NO_THROW(elapsed = playThrough(*engine, longTone));
    EXPECT_LT(elapsed, 2500) << "it ended with the failure, not the file";
    EXPECT_EQ(engine->state(), State::Stopped);
}

TEST_F(GstMediaEngineTest, StalledOutputDoesNotFreezePlayToEndForGood)
{
    // An output that waits an hour before the first sample: the playback
    // makes no progress at all, and the play gives up instead of hanging.
    ScopedEnv sink("EJTETO_AUDIO_SINK", "fakesink sync=true ts-offset=3600000000000");
    auto engine = makeGstMediaEngine();
    qint64 elapsed = 0;
    EXPECT_NO_THROW(elapsed = playThrough(*engine, tone));
    EXPECT_LT(elapsed, 60000);
    EXPECT_EQ(engine->state(), State::Stopped);
}

TEST_F(GstMediaEngineTest, ClicksDuringPlayToEndRunAfterwardsInOrder)
{
    const QString longTone = dir.filePath(QStringLiteral("long.wav"));
    testing::writeToneWav(longTone, 0.6);
    QPushButton first(QStringLiteral("1")), second(QStringLiteral("2"));
    first.resize(40, 20);
    second.resize(40, 20);
    QStringList handled;
    QObject::connect(&first, &QPushButton::clicked, [&] { handled << QStringLiteral("1"); });
    QObject::connect(&second, &QPushButton::clicked, [&] { handled << QStringLiteral("2"); });

    // The events are made here; another thread posts them while the word
    // plays, as the window system queues a learner's clicks.
    std::vector<std::pair<QWidget*, QEvent*>> clicks;
    for (QWidget* target : {static_cast<QWidget*>(&first), static_cast<QWidget*>(&second)}) {
        const QPointF at(5, 5);
        clicks.emplace_back(target, new QMouseEvent(QEvent::MouseButtonPress, at, target->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        clicks.emplace_back(target, new QMouseEvent(QEvent::MouseButtonRelease, at, target->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
    std::thread learner([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        for (auto [target, event] : clicks)
            QCoreApplication::postEvent(target, event);
    });
    auto engine = makeGstMediaEngine();
    playThrough(*engine, longTone);
    learner.join();
    EXPECT_TRUE(handled.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(handled, QStringList({QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_F(GstMediaEngineTest, FileNamesAsWordsAndPlaceholdersSpellThem)
{
    auto engine = makeGstMediaEngine();
    // Words name their recordings as spelled; the path also has a doubled
    // separator, as joined paths do.
    for (const QString& word : {QStringLiteral("ice cream"), QStringLiteral("don't"), QStringLiteral("café #1?")}) {
        testing::writeToneWav(dir.filePath(word + QStringLiteral(".wav")), 0.05);
        EXPECT_NO_THROW(playThrough(*engine, dir.path() + QStringLiteral("//") + word + QStringLiteral(".wav")))
            << word.toStdString();
    }

    // A relative name resolves against the working directory.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("media")));
    testing::writeToneWav(dir.filePath(QStringLiteral("media/null.wav")), 0.1);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_NO_THROW(engine->open(QStringLiteral("media/null.wav")));
    QDir::setCurrent(previous);
    EXPECT_EQ(engine->state(), State::Stopped);
}

TEST_F(GstMediaEngineTest, PlaysThroughTheSystemOutputOrItsSilentStandIn)
{
    ScopedEnv sink("EJTETO_AUDIO_SINK", QByteArray());
    auto engine = makeGstMediaEngine();
    EXPECT_GE(playThrough(*engine, tone), 290) << "in real time even without a sound card";
}

} // namespace
} // namespace ejteto
