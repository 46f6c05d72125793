// Choosing a lesson in the mosaic, the control panel around module panels,
// and playing recordings through the hidden player.
#include "support/main_window_fixture.h"

#include "media/media_player.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace ejteto;
using namespace ejteto::testing;

namespace {
bool looksLike(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 && std::abs(a.blue() - b.blue()) < 8;
}
} // namespace

TEST_F(MainWindowTest, ClickingTileSixteenChoosesItsLessonAndPlaysItsVowelToTheEnd)
{
    services.engines = {}; // the real sound: the click waits for its end
    TinyInstallOptions o;
    o.recordingMs = 400;
    FormView& f = start(o);
    EXPECT_TRUE(f.MediaPlayer1->isOpen()) << "the placeholder is open until the first recording";
    QStringList opened;
    QObject::connect(f.MediaPlayer1, &MediaPlayer::opened, [&](const QString& p) { opened << p; });

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(f.Image_Mosaic[16], Qt::LeftButton, {}, QPoint(50, 50));
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 400) << "the click returns only after the vowel has played";
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("media/phones/16.wav"))) << opened[0].toStdString();
    EXPECT_FALSE(f.MediaPlayer1->isOpen()) << "nothing stays open after playing";

    EXPECT_EQ(f.ComboBox_Lecke->currentIndex(), 16);
    EXPECT_EQ(f.ComboBox_Lecke->currentText(), QStringLiteral("16."));
    EXPECT_EQ(f.CurrentLesson, 16);
    for (QPushButton* b : {f.Button_Inditas_Eloadas, f.Button_Inditas_Gyakorlat, f.Button_Inditas_Teszt})
        EXPECT_TRUE(b->isEnabled());
    for (int n = 1; n <= 16; ++n)
        EXPECT_TRUE(looksLike(f.MosaicImages[n]->picture().pixelColor(55, 55), n == 16 ? kActiveTile : kInactiveTile))
            << "tile " << n;

    // Another tile: only that one is active now.
    QTest::mouseClick(f.Image_Mosaic[3], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(looksLike(f.MosaicImages[3]->picture().pixelColor(55, 55), kActiveTile));
    EXPECT_TRUE(looksLike(f.MosaicImages[16]->picture().pixelColor(55, 55), kInactiveTile));
    EXPECT_EQ(f.CurrentLesson, 3);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, AMissingRecordingIsReportedAndTheNextOnePlays)
{
    FormView& f = start();
    QFile::remove(install->file(QStringLiteral("media/phones/5.wav")));
    QTest::mouseClick(f.Image_Mosaic[5], Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_FALSE(errors[0].isEmpty());
    EXPECT_TRUE(errors[0].endsWith(QLatin1Char('.')));
    EXPECT_FALSE(f.MediaPlayer1->isOpen());
    // The lesson was chosen before the sound failed.
    EXPECT_EQ(f.CurrentLesson, 5);
    EXPECT_TRUE(f.Button_Inditas_Teszt->isEnabled());

    QSignalSpy played(f.MediaPlayer1, &MediaPlayer::playFinished);
    QTest::mouseClick(f.Image_Mosaic[2], Qt::LeftButton);
    EXPECT_EQ(played.count(), 1);
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(MainWindowTest, LevelChangesAloneNeverEnableTheModuleButtons)
{
    FormView& f = start();
    f.ComboBox_Nehezseg->setCurrentIndex(2);
    EXPECT_EQ(f.CurrentLevel, 2);
    EXPECT_EQ(f.CurrentLesson, 0);
    EXPECT_FALSE(f.Button_Inditas_Gyakorlat->isEnabled());
}

TEST_F(MainWindowTest, AModulePanelDisablesTheControlPanelUntilItsCloseButton)
{
    FormView& f = start();
    QTest::mouseClick(f.Image_Mosaic[2], Qt::LeftButton);
    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    EXPECT_TRUE(f.Panel_Szomutato->isVisible());
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.Button_Inditas_Eloadas, f.Button_Inditas_Gyakorlat, f.Button_Inditas_Teszt,
                                         f.Button_Szomutato, f.Button_Jatek, f.Label_Cimke_Szint, f.ComboBox_Nehezseg,
                                         f.Label_Cimke_Modulvalasztas, f.Label_Cimke_Extra})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(f.Panel_IranyitoPult->isEnabled());

    QTest::mouseClick(f.Button_Modul_Szomutato_Bezar, Qt::LeftButton);
    EXPECT_FALSE(f.Panel_Szomutato->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{f.Button_Inditas_Eloadas, f.Button_Inditas_Teszt, f.Button_Jatek,
                                                      f.ComboBox_Nehezseg, f.Label_Cimke_Extra})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(MainWindowTest, ClosingAnyPanelAfterALectureStopsTheVideoAndResetsItsButton)
{
    FormView& f = start();
    ASSERT_TRUE(QDir().mkpath(install->file(QStringLiteral("media/videos"))));
    ASSERT_TRUE(QFile::copy(install->file(QStringLiteral("media/null.avi")),
                            install->file(QStringLiteral("media/videos/4.avi"))));
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton);
    QTest::mouseClick(f.Button_Inditas_Eloadas, Qt::LeftButton);
    QTest::mouseClick(f.Button_Eloadas_LejatszasSzunet, Qt::LeftButton);
    ASSERT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Szünet"));
    QTest::mouseClick(f.Button_Modul_Eloadas_Bezar, Qt::LeftButton);
    EXPECT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Lejátszás"));
    EXPECT_EQ(f.MediaPlayer2->Mode(), int(MediaPlayer::Stopped));

    // The word index closed after a lecture stops the lecture player once more.
    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    QTest::mouseClick(f.Button_Modul_Szomutato_Bezar, Qt::LeftButton);
    EXPECT_EQ(f.Button_Eloadas_LejatszasSzunet->text(), QStringLiteral("Lejátszás"));
    EXPECT_EQ(f.MediaPlayer2->Mode(), int(MediaPlayer::Stopped));
    EXPECT_TRUE(f.Button_Inditas_Eloadas->isEnabled());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, ClickingTheChosenTileAgainReloadsThePicturesAndPlaysAgain)
{
    FormView& f = start();
    QSignalSpy played(f.MediaPlayer1, &MediaPlayer::playFinished);
    QTest::mouseClick(f.Image_Mosaic[8], Qt::LeftButton);
    // Something else painted into the tile meanwhile is replaced by the reload.
    f.MosaicImages[8]->clearPicture();
    QTest::mouseClick(f.Image_Mosaic[8], Qt::LeftButton);
    EXPECT_EQ(played.count(), 2);
    EXPECT_TRUE(looksLike(f.MosaicImages[8]->picture().pixelColor(10, 10), kActiveTile));
}

TEST_F(MainWindowTest, KeyboardFocusFollowsTheLaidOutTabOrder)
{
    FormView& f = start();
    auto next = [](QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (n->focusPolicy() == Qt::NoFocus || n->objectName().isEmpty())
            n = n->nextInFocusChain();
        return n;
    };
    EXPECT_EQ(next(f.ComboBox_Nehezseg), f.Button_Inditas_Eloadas);
    EXPECT_EQ(next(f.Button_Inditas_Teszt), f.Button_Szomutato);
    EXPECT_EQ(next(f.ListBox_Szomutato), f.Edit_Szomutato_Szuro);
    EXPECT_EQ(next(f.Edit_Szomutato_Szuro), f.Button_Modul_Szomutato_Bezar);
    EXPECT_EQ(next(f.Button_Jatek_[3]), f.Button_Jatek_[4]);
    EXPECT_EQ(next(f.Button_Jatek_[19]), f.Button_Modul_Jatek_Bezar);
    EXPECT_EQ(next(f.Button_Modul_Jatek_Bezar), f.Button_Modul_Jatek_UjJatek);
    EXPECT_EQ(next(f.Button_GyakTeszt_Tovabb), f.Button_Modul_GyakTeszt_Bezar);
    EXPECT_EQ(next(f.Button_Eloadas_LejatszasSzunet), f.Button_Eloadas_Vissza);
    EXPECT_EQ(f.BitBtn1->focusPolicy(), Qt::NoFocus);
}
