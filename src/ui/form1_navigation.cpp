// Lesson selection in the mosaic, the control panel, closing module panels,
// and playing a word or the lesson's vowel.
#include "app/paths.h"
#include "media/media_player.h"
#include "ui/form1.h"
#include "ui/nevjegy.h"

#include <QCoreApplication>

namespace ejteto {

void TForm1::Mozaikmegnyomas(int n)
{
    for (int i = 1; i <= 16; ++i)
        loadPicture(MosaicImages[i], inactiveTilePath(AppDir, i));
    loadPicture(MosaicImages[n], activeTilePath(AppDir, n));
    // Paint the new pictures before the vowel holds the window.
    QCoreApplication::processEvents();
    ComboBox_Lecke->setCurrentIndex(n);
    Gombellenorzes();
    Image_SoundClick();
}

void TForm1::Gombellenorzes()
{
    if (ComboBox_Lecke->currentIndex() > 0) {
        Button_Inditas_Eloadas->setEnabled(true);
        Button_Inditas_Gyakorlat->setEnabled(true);
        Button_Inditas_Teszt->setEnabled(true);
    }
    Button_Szomutato->setEnabled(true);
    Button_Jatek->setEnabled(true);
    CurrentLevel = ComboBox_Nehezseg->currentIndex();
    CurrentLesson = ComboBox_Lecke->currentIndex();
}

void TForm1::IranyitoPult_Deaktivalas()
{
    for (QPushButton* b : LauncherButtons)
        b->setEnabled(false);
    Label_Cimke_Szint->setEnabled(false);
    ComboBox_Nehezseg->setEnabled(false);
    Label_Cimke_Modulvalasztas->setEnabled(false);
    Label_Cimke_Extra->setEnabled(false);
}

void TForm1::Bezargombmegnyomas(int i)
{
    ModulePanels[static_cast<size_t>(i)]->hide();
    Panel_Ertekelo->hide();
    if (CurrentModule == 1) {
        // A lecture whose video failed to open leaves the player empty;
        // closing must still give the control panel back.
        if (MediaPlayer2->isOpen())
            MediaPlayer2->Stop();
        Button_Eloadas_LejatszasSzunet->setText(QStringLiteral("Lejátszás"));
    }
    Label_Cimke_Szint->setEnabled(true);
    ComboBox_Nehezseg->setEnabled(true);
    Label_Cimke_Modulvalasztas->setEnabled(true);
    Label_Cimke_Extra->setEnabled(true);
    Gombellenorzes();
}

void TForm1::Hanglejatszas(const QString& word)
{
    playRecording(*MediaPlayer1, wordRecordingPath(MediaDir, word));
}

void TForm1::Image_SoundClick()
{
    playRecording(*MediaPlayer1, vowelRecordingPath(MediaDir, CurrentLesson));
}

void TForm1::Label_DeveloperClick()
{
    if (aboutWindow_)
        aboutWindow_->showOver(this);
}

} // namespace ejteto
