// The lecture panel: starting a lesson's video, play/pause, "Vissza", the
// video ending by itself, closing the panel, and starts that fail.
#include "support/main_window_fixture.h"

#include "contentkit/avi_writer.h"
#include "media/media_player.h"
#include "media/video_surface.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// The three frames of every test video, in order: 3 frames at 5 fps, so a
// video lasts 0.6 s and a frame stays on view for 0.2 s.
const QColor kFrames[] = {QColor(220, 30, 30), QColor(30, 200, 30), QColor(30, 30, 220)};
enum Frame { Red, Green, Blue, Other };

bool looksLike(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

void writeLectureVideo(const TinyInstall& install, int n)
{
    std::vector<QImage> frames;
    for (const QColor& c : kFrames) {
        QImage frame(160, 120, QImage::Format_RGB32);
        frame.fill(c);
        frames.push_back(frame);
    }
    contentkit::PcmAudio tone;
    for (int i = 0; i < tone.sampleRate * 6 / 10; ++i)
        tone.samples.push_back(static_cast<int16_t>(6000 * std::sin(2 * M_PI * 330.0 * i / tone.sampleRate)));
    contentkit::writeAvi(install.file(QStringLiteral("media/videos/%1.avi").arg(n)), frames, 5, tone);
}

// Which of the video's frames the lecture panel shows now.
Frame shownFrame(const FormView& f)
{
    QCoreApplication::processEvents();
    auto* display = f.form.findChild<VideoSurface*>(QStringLiteral("MediaPlayer2"));
    const QColor c = display->grab().toImage().pixelColor(40, 40);
    for (int i = 0; i < 3; ++i)
        if (looksLike(c, kFrames[i]))
            return static_cast<Frame>(i);
    return Other;
}

// Lets events run until `done` holds or `ms` have passed; says whether it held.
bool waitUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// The frames shown while the video plays on to its end, each change once.
std::vector<Frame> framesUntilTheEnd(const FormView& f)
{
    std::vector<Frame> seen;
    const bool ended = waitUntil([&] {
        const Frame now = shownFrame(f);
        if (seen.empty() || seen.back() != now)
            seen.push_back(now);
        return f.MediaPlayer2->Mode() != MediaPlayer::Playing;
    });
    EXPECT_TRUE(ended) << "the video never ended";
    return seen;
}

bool contains(const std::vector<Frame>& frames, Frame f)
{
    return std::find(frames.begin(), frames.end(), f) != frames.end();
}

class LectureTest : public MainWindowTest {
protected:
    // The videos really play: the tests watch their frames.
    LectureTest() { services.engines = {}; }

    FormView& startWithVideos(std::initializer_list<int> lessons)
    {
        TinyInstallOptions o;
        o.recordingMs = 50;
        auto custom = std::make_unique<TinyInstall>(o);
        for (int n : lessons)
            writeLectureVideo(*custom, n);
        return startOn(std::move(custom));
    }

    void startLecture(FormView& f, int lesson)
    {
        QTest::mouseClick(f.Image_Mosaic[lesson], Qt::LeftButton);
        QTest::mouseClick(f.Button_Inditas_Eloadas, Qt::LeftButton);
    }

    void press(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    void expectControlPanelEnabled(const FormView& f, bool enabled)
    {
        for (QPushButton* b : f.LauncherButtons)
            EXPECT_EQ(b->isEnabled(), enabled) << b->objectName().toStdString();
        for (QWidget* w :
             {static_cast<QWidget*>(f.Label_Cimke_Szint), static_cast<QWidget*>(f.ComboBox_Nehezseg),
              static_cast<QWidget*>(f.Label_Cimke_Modulvalasztas), static_cast<QWidget*>(f.Label_Cimke_Extra)})
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
    }
};

} // namespace

TEST_F(LectureTest, StartingShowsTheLessonsTitleTileAndOpenedVideo)
{
    FormView& f = startWithVideos({16});
    QSignalSpy opened(f.MediaPlayer2, &MediaPlayer::opened);
    startLecture(f, 16);

    EXPECT_EQ(f.CurrentModule, ModuleId::Lecture);
    EXPECT_TRUE(f.Panel_Modul_Eloadas->isVisible());
    expectControlPanelEnabled(f, false);
    EXPECT_EQ(f.Label_Modul_Eloadas_Cim->text(), QStringLiteral("Előadás: 16. lecke"));
    EXPECT_GE(f.Label_Modul_Eloadas_Cim->width(), f.Label_Modul_Eloadas_Cim->sizeHint().width())
        << "the title sizes itself to its text";
    EXPECT_TRUE(looksLike(f.Image_Mosaic_Eloadas->picture().pixelColor(55, 55), kInactiveTile))
        << "the tile as the mosaic shows it when not chosen";
    ASSERT_EQ(opened.count(), 1);
    EXPECT_TRUE(opened[0][0].toString().endsWith(QStringLiteral("media/videos/16.avi")));
    EXPECT_EQ(f.MediaPlayer2->Mode(), MediaPlayer::Stopped) << "opened, not playing";
    EXPECT_EQ(shownFrame(f), Red) << "the video stands at its start";
    EXPECT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Lejátszás"));
    EXPECT_FALSE(f.Button_Eloadas_Vissza->isEnabled());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LectureTest, PlayPauseResumeEndReplayAndBack)
{
    FormView& f = startWithVideos({16});
    startLecture(f, 16);
    MediaPlayer* player = f.MediaPlayer2;
    QPushButton* play = f.Button_Eloadas_LejatszasSzunet;

    press(play);
    EXPECT_EQ(play->text(), QStringLiteral("Szünet"));
    EXPECT_EQ(player->Mode(), MediaPlayer::Playing);
    EXPECT_TRUE(f.Button_Eloadas_Vissza->isEnabled());

    // Pause on the middle frame: longer than the rest of the video, and
    // neither the picture nor the player moves on.
    ASSERT_TRUE(waitUntil([&] { return shownFrame(f) == Green; }));
    press(play);
    EXPECT_EQ(play->text(), QStringLiteral("Lejátszás"));
    EXPECT_EQ(player->Mode(), MediaPlayer::Paused);
    EXPECT_TRUE(f.Button_Eloadas_Vissza->isEnabled());
    QTest::qWait(100);
    EXPECT_EQ(shownFrame(f), Green) << "the frame on view when paused stays";
    QTest::qWait(400);
    EXPECT_EQ(player->Mode(), MediaPlayer::Paused);
    EXPECT_EQ(shownFrame(f), Green);

    // A third press resumes from there, not from the start.
    press(play);
    EXPECT_EQ(play->text(), QStringLiteral("Szünet"));
    EXPECT_EQ(player->Mode(), MediaPlayer::Playing);
    const std::vector<Frame> resumed = framesUntilTheEnd(f);
    EXPECT_FALSE(contains(resumed, Red));
    EXPECT_EQ(resumed.back(), Blue);

    // Ended by itself: the caption is left as it was; a press plays again from the start.
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped);
    EXPECT_EQ(play->text(), QStringLiteral("Szünet"));
    press(play);
    EXPECT_EQ(play->text(), QStringLiteral("Szünet"));
    EXPECT_EQ(player->Mode(), MediaPlayer::Playing);
    const std::vector<Frame> replayed = framesUntilTheEnd(f);
    EXPECT_TRUE(contains(replayed, Red));
    EXPECT_EQ(replayed.back(), Blue);

    // "Vissza" stops at the start and disables itself.
    press(f.Button_Eloadas_Vissza);
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped);
    EXPECT_EQ(play->text(), QStringLiteral("Lejátszás"));
    EXPECT_FALSE(f.Button_Eloadas_Vissza->isEnabled());
    EXPECT_TRUE(waitUntil([&] { return shownFrame(f) == Red; }, 1000));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LectureTest, BackWhilePlayingStopsAtTheStart)
{
    FormView& f = startWithVideos({16});
    startLecture(f, 16);
    MediaPlayer* player = f.MediaPlayer2;
    press(f.Button_Eloadas_LejatszasSzunet);
    ASSERT_TRUE(waitUntil([&] { return shownFrame(f) == Green; }));
    press(f.Button_Eloadas_Vissza);
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped);
    EXPECT_TRUE(waitUntil([&] { return shownFrame(f) == Red; }, 1000));
    QTest::qWait(300);
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped) << "stopped, not playing on";
    EXPECT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Lejátszás"));

    // Playing again starts from the start.
    press(f.Button_Eloadas_LejatszasSzunet);
    EXPECT_EQ(framesUntilTheEnd(f).front(), Red);
}

TEST_F(LectureTest, ClosingWhilePlayingStopsAndTheNextStartBeginsAtTheStart)
{
    FormView& f = startWithVideos({16});
    startLecture(f, 16);
    MediaPlayer* player = f.MediaPlayer2;
    press(f.Button_Eloadas_LejatszasSzunet);
    ASSERT_TRUE(waitUntil([&] { return shownFrame(f) == Green; }));

    press(f.Button_Modul_Eloadas_Bezar);
    EXPECT_FALSE(f.Panel_Modul_Eloadas->isVisible());
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped);
    EXPECT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Lejátszás"));
    EXPECT_TRUE(f.Button_Eloadas_Vissza->isEnabled()) << "closing leaves \"Vissza\" alone";
    expectControlPanelEnabled(f, true);

    QSignalSpy opened(player, &MediaPlayer::opened);
    press(f.Button_Inditas_Eloadas);
    ASSERT_EQ(opened.count(), 1) << "the video is opened afresh";
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped);
    EXPECT_EQ(shownFrame(f), Red);
    EXPECT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Lejátszás"));
    EXPECT_TRUE(f.Button_Eloadas_Vissza->isEnabled()) << "as the last lecture left it";

    // "Vissza" on a video already at its start: stopped there, and disabled.
    press(f.Button_Eloadas_Vissza);
    EXPECT_EQ(player->Mode(), MediaPlayer::Stopped);
    EXPECT_FALSE(f.Button_Eloadas_Vissza->isEnabled());
    EXPECT_EQ(shownFrame(f), Red);

    // Playing from this fresh start runs through every frame.
    press(f.Button_Eloadas_LejatszasSzunet);
    EXPECT_EQ(framesUntilTheEnd(f).front(), Red);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LectureTest, AStartThatCannotOpenItsTileOrVideoGivesTheControlPanelBack)
{
    FormView& f = startWithVideos({16});
    QTest::mouseClick(f.Image_Mosaic[5], Qt::LeftButton);

    // No video for lesson 5.
    press(f.Button_Inditas_Eloadas);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_FALSE(errors[0].isEmpty());
    EXPECT_FALSE(f.Panel_Modul_Eloadas->isVisible());
    expectControlPanelEnabled(f, true);
    EXPECT_EQ(f.CurrentLesson, 5);

    // The video is there now, but the tile picture is missing.
    writeLectureVideo(*install, 5);
    ASSERT_TRUE(QFile::remove(install->file(QStringLiteral("images/lecke_i_5.jpg"))));
    press(f.Button_Inditas_Eloadas);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_FALSE(f.Panel_Modul_Eloadas->isVisible());
    expectControlPanelEnabled(f, true);

    // Another lecture starts and plays normally.
    install->writeJpeg(QStringLiteral("images/lecke_i_5.jpg"), {110, 110}, kInactiveTile);
    startLecture(f, 16);
    EXPECT_EQ(errors.size(), 2) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(f.Panel_Modul_Eloadas->isVisible());
    EXPECT_EQ(f.Label_Modul_Eloadas_Cim->text(), QStringLiteral("Előadás: 16. lecke"));
    press(f.Button_Eloadas_LejatszasSzunet);
    EXPECT_EQ(f.MediaPlayer2->Mode(), MediaPlayer::Playing);
    press(f.Button_Modul_Eloadas_Bezar);

    // A failure after a lecture had been open leaves that video stopped.
    ASSERT_TRUE(QFile::remove(install->file(QStringLiteral("media/videos/16.avi"))));
    press(f.Button_Inditas_Eloadas);
    ASSERT_EQ(errors.size(), 3);
    EXPECT_FALSE(f.Panel_Modul_Eloadas->isVisible());
    expectControlPanelEnabled(f, true);
    EXPECT_NE(f.MediaPlayer2->Mode(), MediaPlayer::Playing);
}
