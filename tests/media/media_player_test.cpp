// The player's command rules over an engine that plays at once: the wait
// flag, commands with no file open, and what a playback opens and closes.
#include "app/app_error.h"
#include "media/media_player.h"
#include "support/failure_of.h"
#include "support/instant_media_engine.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ejteto {
namespace {

using testing::failureOf;
using testing::InstantMediaEngine;
using testing::MediaLog;

class MediaPlayerRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tone = dir.filePath(QStringLiteral("tone.wav"));
        QFile file(tone);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir;
    QString tone;
    std::shared_ptr<MediaLog> log = std::make_shared<MediaLog>();
    MediaPlayer player{std::make_unique<InstantMediaEngine>(log)};
};

TEST_F(MediaPlayerRulesTest, TheWaitFlagMakesOnlyTheNextPlayBlock)
{
    QSignalSpy finished(&player, &MediaPlayer::playFinished);
    player.setFileName(tone);
    player.Open();
    player.setWait(true);
    player.Play();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(player.Mode(), MediaPlayer::Stopped) << "returned at the end";

    player.Play(); // the flag was used up
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    EXPECT_EQ(finished.count(), 1);

    // Any other command uses the flag up as well.
    player.setWait(true);
    player.Stop();
    player.Play();
    EXPECT_EQ(player.Mode(), MediaPlayer::Playing);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(MediaPlayerRulesTest, ASlowPlayIsSlowForThatPlaybackOnly)
{
    playRecording(player, tone, 0.6);
    playRecording(player, tone);
    // The rate goes with the wait flag: a play in the background is never slowed.
    player.setFileName(tone);
    player.Open();
    player.setRate(0.6);
    player.Play();
    EXPECT_EQ(log->rates, QList<double>({0.6, 1.0, 1.0}));
}

TEST_F(MediaPlayerRulesTest, CommandsWithoutAnOpenFileRaiseNoDeviceOpen)
{
    EXPECT_EQ(player.Mode(), MediaPlayer::NotReady);
    for (auto command : {&MediaPlayer::Play, &MediaPlayer::Pause, &MediaPlayer::Stop, &MediaPlayer::Rewind})
        EXPECT_EQ(failureOf([&] { (player.*command)(); }), QStringLiteral("No MCI device open"));
    player.Close(); // closing nothing is no error

    // The same after a file was open and closed again.
    player.setFileName(tone);
    player.Open();
    player.Close();
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(failureOf([&] { player.Play(); }), QStringLiteral("No MCI device open"));
    EXPECT_TRUE(log->played.isEmpty());
}

TEST_F(MediaPlayerRulesTest, APlaybackOpensPlaysAndClosesEveryTime)
{
    QSignalSpy opened(&player, &MediaPlayer::opened);
    playRecording(player, tone);
    EXPECT_FALSE(player.isOpen());
    playRecording(player, tone);
    EXPECT_FALSE(player.isOpen());
    ASSERT_EQ(opened.count(), 2);
    EXPECT_EQ(opened.at(1).at(0).toString(), tone);
    EXPECT_EQ(log->played, QStringList({tone, tone}));

    // A recording that is not there: the service's text, nothing left open,
    // and the next one plays.
    const QString missing = dir.filePath(QStringLiteral("words/nincs.wav"));
    player.setFileName(tone);
    player.Open();
    EXPECT_EQ(failureOf([&] { playRecording(player, missing); }), QStringLiteral("Resource not found."));
    EXPECT_FALSE(player.isOpen()) << "the file open before was closed too";
    playRecording(player, tone);
    EXPECT_EQ(log->played, QStringList({tone, tone, tone}));
}

} // namespace
} // namespace ejteto
