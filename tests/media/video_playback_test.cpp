// A lecture video as the lecture panel plays it: in the background, with
// pause toggling, stop and rewind, and its pictures on a video surface.
#include "media/media_fixtures.h"

#include "media/gst_media_engine.h"
#include "media/media_player.h"
#include "media/video_surface.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace ejteto {
namespace {

bool hasPicture(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (qGray(image.pixel(x, y)) > 40)
                return true;
    return false;
}

// A one-second video, written once per suite.
class WithVideo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        videoDir = new QTemporaryDir;
        video = videoDir->filePath(QStringLiteral("1.avi"));
        testing::writeTestAvi(video, 5);
    }
    static void TearDownTestSuite() { delete videoDir; }

    static inline QTemporaryDir* videoDir = nullptr;
    static inline QString video;
};

class VideoPlaybackTest : public WithVideo {
protected:
    void SetUp() override
    {
        surface.resize(400, 300);
        player.setFileName(video);
        player.Open();
    }

    bool waitForMode(int mode)
    {
        return QTest::qWaitFor([&] { return player.Mode() == mode; }, 10000);
    }

    VideoSurface surface;
    MediaPlayer player{makeGstMediaEngine(), &surface};
};

TEST_F(VideoPlaybackTest, PlayPauseResumeAndEndingByItself)
{
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);
    player.Play();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    player.Pause();
    EXPECT_EQ(player.Mode(), MediaPlayer::Paused);
    player.Pause();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);

    // The event loop keeps running while the video plays; it ends by itself.
    EXPECT_TRUE(waitForMode(MediaPlayer::Stopped));
    EXPECT_TRUE(hasPicture(surface.grab().toImage()));
    player.Pause(); // nothing to pause at the end
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);

    // Played again from its end, it starts over and runs its full length.
    QElapsedTimer clock;
    clock.start();
    player.Play();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    EXPECT_TRUE(waitForMode(MediaPlayer::Stopped));
    EXPECT_GE(clock.elapsed(), 800);
}

TEST_F(VideoPlaybackTest, StopKeepsThePlaceRewindGoesBackToTheStart)
{
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

TEST_F(VideoPlaybackTest, TheFirstPictureShowsOnceOpenedAndClosingLeavesBlack)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return hasPicture(surface.grab().toImage()); }, 5000));
    player.Close();
    EXPECT_FALSE(hasPicture(surface.grab().toImage()));
}

TEST_F(VideoPlaybackTest, OpeningAnotherFileClosesTheFirst)
{
    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("tone.wav"));
    testing::writeToneWav(tone, 0.3);
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
    EXPECT_FALSE(hasPicture(surface.grab().toImage())) << "the video's picture went with it";
}

using VideoSurfaceLifetimeTest = WithVideo;

TEST_F(VideoSurfaceLifetimeTest, TheVideoAreaMayGoWhileTheVideoPlays)
{
    // As when the window is torn down during a lecture: the player outlives
    // its display and keeps working, with nothing drawn on the area gone.
    auto surface = std::make_unique<VideoSurface>();
    MediaPlayer player{makeGstMediaEngine(), surface.get()};
    player.setFileName(video);
    player.Open();
    player.Play();
    QTest::qWait(300);
    surface.reset();
    QTest::qWait(300); // pictures keep coming from the streaming thread
    player.Pause();
    EXPECT_EQ(player.Mode(), MediaPlayer::Paused);
    player.Rewind();
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped);
    player.Close();
    EXPECT_EQ(player.Mode(), MediaPlayer::NotReady);
}

} // namespace
} // namespace ejteto
