// The media player as the playback sequence and the lecture use it: opening,
// blocking and background play, pause toggling, stop and rewind, the errors
// the callers rely on, and video frames reaching the widget.
#include "media/media_fixtures.h"

#include "app/app_error.h"
#include "media/media_player.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace ejteto {
namespace {

using testing::ScopedEnv;

class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tone = dir.filePath("tone.wav");
        testing::writeToneWav(tone, 0.3);
    }

    // Runs `body`, expecting an AppError, and returns its message.
    template <class F>
    static QString errorOf(F body)
    {
        try {
            body();
        } catch (const AppError& e) {
            return e.message();
        }
        ADD_FAILURE() << "no error raised";
        return {};
    }

    QTemporaryDir dir;
    QString tone;
};

TEST_F(MediaPlayerTest, BlockingPlayReturnsOnlyAfterTheRecordingHasEnded)
{
    MediaPlayer player;
    QSignalSpy finished(&player, &MediaPlayer::playFinished);
    player.setFileName(tone);
    player.Open();
    ASSERT_TRUE(player.isOpen());
    player.setWait(true);
    QElapsedTimer clock;
    clock.start();
    player.Play();
    EXPECT_GE(clock.elapsed(), 290);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);

    // The wait flag was used up: the next play returns at once.
    clock.restart();
    player.Play();
    EXPECT_LT(clock.elapsed(), 250);
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(MediaPlayerTest, CommandsWithoutAnOpenFileRaiseNoDeviceOpen)
{
    MediaPlayer player;
    EXPECT_EQ(player.Mode(), MediaPlayer::NotReady);
    EXPECT_EQ(errorOf([&] { player.Play(); }), "No MCI device open");
    EXPECT_EQ(errorOf([&] { player.Pause(); }), "No MCI device open");
    EXPECT_EQ(errorOf([&] { player.Stop(); }), "No MCI device open");
    EXPECT_EQ(errorOf([&] { player.Rewind(); }), "No MCI device open");
    player.Close(); // closing nothing is no error

    // The same after a file was open and closed again.
    player.setFileName(tone);
    player.Open();
    player.Close();
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(errorOf([&] { player.Play(); }), "No MCI device open");
}

TEST_F(MediaPlayerTest, FailedOpenReportsTheServiceMessageAndLeavesNothingOpen)
{
    MediaPlayer player;
    player.setFileName(tone);
    player.Open();

    const QString missing = dir.filePath("words/nincs.wav");
    EXPECT_EQ(errorOf([&] { playRecording(player, missing); }), "Resource not found.");
    EXPECT_FALSE(player.isOpen()); // the file open before was closed too
    EXPECT_EQ(player.Mode(), MediaPlayer::NotReady);

    // Bytes that are no recording at all fail with the service's own text.
    const QString garbage = dir.filePath("garbage.wav");
    testing::writeBytes(garbage, QByteArray(2000, 'x'));
    const QString garbageError = errorOf([&] { playRecording(player, garbage); });
    EXPECT_FALSE(garbageError.isEmpty());
    EXPECT_FALSE(player.isOpen());

    // The next playback works normally.
    QSignalSpy finished(&player, &MediaPlayer::playFinished);
    playRecording(player, tone);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(player.isOpen());
}

TEST_F(MediaPlayerTest, SameRecordingTwiceOpensAndClosesItEachTime)
{
    MediaPlayer player;
    QSignalSpy opened(&player, &MediaPlayer::opened);
    QSignalSpy finished(&player, &MediaPlayer::playFinished);
    QElapsedTimer clock;
    clock.start();
    playRecording(player, tone);
    EXPECT_FALSE(player.isOpen());
    playRecording(player, tone);
    EXPECT_FALSE(player.isOpen());
    EXPECT_GE(clock.elapsed(), 580); // both played in full
    ASSERT_EQ(opened.count(), 2);
    EXPECT_EQ(opened.at(1).at(0).toString(), tone);
    EXPECT_EQ(finished.count(), 2);
}

TEST_F(MediaPlayerTest, ServiceFailureWhilePlayingIsNotReportedAndTheFileIsClosed)
{
    const QString longTone = dir.filePath("long.wav");
    testing::writeToneWav(longTone, 3.0);
    // An output that breaks down after the first few buffers.
    ScopedEnv sink("EJTETO_AUDIO_SINK", "identity error-after=3 ! fakesink sync=true");
    MediaPlayer player;
    QSignalSpy finished(&player, &MediaPlayer::playFinished);
    QElapsedTimer clock;
    clock.start();
    EXPECT_NO_THROW(playRecording(player, longTone));
    EXPECT_LT(clock.elapsed(), 2500); // it ended with the failure, not the file
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(player.isOpen());
}

TEST_F(MediaPlayerTest, StalledOutputDoesNotFreezeABlockingPlayForGood)
{
    // An output that waits an hour before the first sample: the playback
    // makes no progress at all, and the play gives up instead of hanging.
    ScopedEnv sink("EJTETO_AUDIO_SINK", "fakesink sync=true ts-offset=3600000000000");
    MediaPlayer player;
    QElapsedTimer clock;
    clock.start();
    EXPECT_NO_THROW(playRecording(player, tone));
    EXPECT_LT(clock.elapsed(), 60000);
    EXPECT_FALSE(player.isOpen());
}

TEST_F(MediaPlayerTest, ClicksDuringABlockingPlayRunAfterwardsInOrder)
{
    const QString longTone = dir.filePath("long.wav");
    testing::writeToneWav(longTone, 0.6);
    QPushButton first("1"), second("2");
    first.resize(40, 20);
    second.resize(40, 20);
    QStringList handled;
    QObject::connect(&first, &QPushButton::clicked, [&] { handled << "1"; });
    QObject::connect(&second, &QPushButton::clicked, [&] { handled << "2"; });

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
    MediaPlayer player;
    playRecording(player, longTone);
    learner.join();
    EXPECT_TRUE(handled.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(handled, QStringList({"1", "2"}));
}

TEST_F(MediaPlayerTest, RelativeFileNameResolvesAgainstTheWorkingDirectory)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("media"));
    testing::writeToneWav(dir.filePath("media/null.wav"), 0.1);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    MediaPlayer player;
    player.setFileName("media/null.wav");
    EXPECT_NO_THROW(player.Open());
    QDir::setCurrent(previous);
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);
}

TEST_F(MediaPlayerTest, WordFileNamesWithSpacesApostrophesAndAccentsPlay)
{
    // Words name their recordings as spelled; the path also has a doubled
    // separator, as joined paths do.
    MediaPlayer player;
    for (const QString& word : {QStringLiteral("ice cream"), QStringLiteral("don't"),
                               QStringLiteral("café #1?")}) {
        testing::writeToneWav(dir.filePath(word + ".wav"), 0.05);
        EXPECT_NO_THROW(playRecording(player, dir.path() + "//" + word + ".wav")) << word.toStdString();
    }
}

TEST_F(MediaPlayerTest, PlaysThroughTheSystemOutputOrItsSilentStandIn)
{
    ScopedEnv sink("EJTETO_AUDIO_SINK", QByteArray());
    MediaPlayer player;
    QElapsedTimer clock;
    clock.start();
    EXPECT_NO_THROW(playRecording(player, tone));
    EXPECT_GE(clock.elapsed(), 290); // in real time even without a sound card
    EXPECT_FALSE(player.isOpen());
}

// The lecture's use: a video in the background, with pause toggling.
class VideoPlayerTest : public MediaPlayerTest {
protected:
    static void SetUpTestSuite()
    {
        videoDir = new QTemporaryDir;
        video = videoDir->filePath("1.avi");
        testing::writeTestAvi(video, 5); // one second
    }
    static void TearDownTestSuite() { delete videoDir; }

    static bool hasPicture(const QImage& image)
    {
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 7)
                if (qGray(image.pixel(x, y)) > 40)
                    return true;
        return false;
    }

    static inline QTemporaryDir* videoDir = nullptr;
    static inline QString video;
};

TEST_F(VideoPlayerTest, PlayPauseResumeAndEndingByItself)
{
    MediaPlayer player;
    player.resize(400, 300);
    player.setFileName(video);
    player.Open();
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);

    player.Play();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    player.Pause();
    EXPECT_EQ(player.Mode(), MediaPlayer::Paused);
    player.Pause();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);

    // The event loop keeps running while the video plays; it ends by itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.Mode() == MediaPlayer::Stopped; }, 10000));
    EXPECT_TRUE(hasPicture(player.grab().toImage()));
    player.Pause(); // nothing to pause at the end
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);

    // Played again from its end, it starts over and runs its full length.
    QElapsedTimer clock;
    clock.start();
    player.Play();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.Mode() == MediaPlayer::Stopped; }, 10000));
    EXPECT_GE(clock.elapsed(), 800);
}

TEST_F(VideoPlayerTest, StopKeepsThePlaceRewindGoesBackToTheStart)
{
    MediaPlayer player;
    player.resize(400, 300);
    player.setFileName(video);
    player.Open();
    player.Play();
    QTest::qWait(500);
    player.Stop();
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);

    // Play after Stop goes on from where it stopped: only about half remains.
    QElapsedTimer clock;
    clock.start();
    player.setWait(true);
    player.Play();
    EXPECT_LT(clock.elapsed(), 900);

    player.Rewind();
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);
    clock.restart();
    player.setWait(true);
    player.Play();
    EXPECT_GE(clock.elapsed(), 800); // the whole second again
}

TEST_F(VideoPlayerTest, FramesAreDrawnAtTheTopLeftAndCloseLeavesBlack)
{
    MediaPlayer player;
    player.resize(500, 400); // larger than the video: no scaling
    QSignalSpy opened(&player, &MediaPlayer::opened);
    player.setFileName(video);
    player.Open();
    EXPECT_EQ(opened.count(), 1);
    // The first picture shows once opened, before playing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return hasPicture(player.grab().toImage()); }, 5000));
    const QImage shown = player.grab().toImage();
    EXPECT_TRUE(hasPicture(shown.copy(0, 0, 400, 300)));
    EXPECT_FALSE(hasPicture(shown.copy(400, 0, 100, 400)));
    EXPECT_FALSE(hasPicture(shown.copy(0, 300, 500, 100)));

    player.Close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(hasPicture(player.grab().toImage()));
}

TEST_F(VideoPlayerTest, OpeningAnotherFileClosesTheFirst)
{
    MediaPlayer player;
    player.setFileName(video);
    player.Open();
    player.Play();
    player.setFileName(tone);
    player.Open();
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);
    EXPECT_EQ(player.fileName(), tone);
    player.setWait(true);
    QElapsedTimer clock;
    clock.start();
    player.Play();
    EXPECT_LT(clock.elapsed(), 900); // the tone's length, not the video's
}

} // namespace
} // namespace ejteto
