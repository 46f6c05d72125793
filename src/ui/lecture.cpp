// The lecture module: the lesson's video on the black panel, with a
// play/pause button and a button that stops and returns to the start.
#include "app/paths.h"
#include "media/jpeg_loader.h"
#include "media/media_player.h"
#include "ui/form1.h"

namespace ejteto {

namespace {
const QString kPlayCaption = QStringLiteral("Lejátszás");
const QString kPauseCaption = QStringLiteral("Szünet");
} // namespace

void TForm1::Button_Inditas_EloadasClick()
{
    const int n = ComboBox_Lecke->currentIndex();
    CurrentModule = 1;
    IranyitoPult_Deaktivalas();
    Label_Modul_Eloadas_Cim->setLabelText(QStringLiteral("Előadás: ") + ComboBox_Lecke->itemText(n) +
                                          QStringLiteral(" lecke"));
    try {
        Image_Mosaic_Eloadas->setPicture(loadJpeg(inactiveTilePath(AppDir, n)));
        // Opening closes the previous video, so every start stands at the
        // beginning and does not play yet.
        MediaPlayer2->setFileName(lectureVideoPath(MediaDir, n));
        MediaPlayer2->Open();
    } catch (...) {
        // The panel is not shown, so its Close button cannot give the control
        // panel back: do what closing it would, then let the error box report
        // the failure. The next start of any lecture works as usual.
        Bezargombmegnyomas(3);
        throw;
    }
    Panel_Modul_Eloadas->show();
}

void TForm1::Button_Eloadas_LejatszasSzunetClick()
{
    if (MediaPlayer2->Mode() == MediaPlayer::Playing) {
        MediaPlayer2->Pause();
        Button_Eloadas_LejatszasSzunet->setText(kPlayCaption);
        return;
    }
    // Stopped, paused or just opened: play on from where the video stands
    // (a video at its end starts again from the beginning).
    MediaPlayer2->Play();
    Button_Eloadas_LejatszasSzunet->setText(kPauseCaption);
    Button_Eloadas_Vissza->setEnabled(true);
}

void TForm1::Button_Eloadas_VisszaClick()
{
    MediaPlayer2->Stop();
    MediaPlayer2->Rewind(); // returns when the seek is done
    Button_Eloadas_LejatszasSzunet->setText(kPlayCaption);
    Button_Eloadas_Vissza->setEnabled(false);
}

} // namespace ejteto
