#include "lecture/lecture_module.h"

#include "accessibility/accessible_texts.h"
#include "app/paths.h"
#include "media/jpeg_loader.h"
#include "media/media_player.h"
#include "shared/module_wiring.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/program_state.h"
#include "ui/spoken_notice.h"

#include <QPushButton>

namespace ejteto {

namespace {
const QString kPlayCaption = QStringLiteral("Lejátszás");
const QString kPauseCaption = QStringLiteral("Szünet");
} // namespace

LectureModule::LectureModule(QWidget* window, const ProgramState& state, MediaPlayer& player)
    : state_(state), panel_(createLecturePanel(window)), player_(&player)
{
    player_->setDisplay(panel_.MediaPlayer2_Display);
}

void LectureModule::wire(ModuleWiring& wiring)
{
    announcer_ = &wiring.notice;
    GuardedBindings& b = wiring.bindings;
    b.bind(panel_.Button_Eloadas_LejatszasSzunet, &QPushButton::clicked,
           [this] { Button_Eloadas_LejatszasSzunetClick(); });
    b.bind(panel_.Button_Eloadas_Vissza, &QPushButton::clicked, [this] { Button_Eloadas_VisszaClick(); });
    b.bind(panel_.Button_Modul_Eloadas_Bezar, &QPushButton::clicked,
           [&host = wiring.host] { host.closePanel(ModulePanel::Lecture); });
}

void LectureModule::start(int lesson, const QString& lessonLabel)
{
    panel_.Label_Modul_Eloadas_Cim->setLabelText(QStringLiteral("Előadás: ") + lessonLabel + QStringLiteral(" lecke"));
    panel_.Image_Mosaic_Eloadas->setPicture(loadJpeg(inactiveTilePath(state_.AppDir, lesson)));
    // Opening closes the previous video, so every start stands at the
    // beginning and does not play yet.
    player_->setFileName(lectureVideoPath(state_.MediaDir, lesson));
    player_->Open();
    panel_.Panel_Modul_Eloadas->show();
}

void LectureModule::Button_Eloadas_LejatszasSzunetClick()
{
    MediaPlayer* player = player_;
    if (player->Mode() == MediaPlayer::Playing) {
        player->Pause();
        panel_.Button_Eloadas_LejatszasSzunet->setText(kPlayCaption);
        announcer_->announce(lecturePlayNotice(false));
        return;
    }
    // Stopped, paused or just opened: play on from where the video stands
    // (a video at its end starts again from the beginning).
    player->Play();
    panel_.Button_Eloadas_LejatszasSzunet->setText(kPauseCaption);
    panel_.Button_Eloadas_Vissza->setEnabled(true);
    announcer_->announce(lecturePlayNotice(true));
}

void LectureModule::Button_Eloadas_VisszaClick()
{
    player_->Stop();
    player_->Rewind(); // returns when the seek is done
    panel_.Button_Eloadas_LejatszasSzunet->setText(kPlayCaption);
    panel_.Button_Eloadas_Vissza->setEnabled(false);
    announcer_->announce(QStringLiteral("Az előadás az elejére állt; a gomb most: Lejátszás"));
}

void LectureModule::stopForClose()
{
    // A lecture whose video failed to open leaves the player empty; closing
    // must still give the control panel back.
    if (player_->isOpen())
        player_->Stop();
    panel_.Button_Eloadas_LejatszasSzunet->setText(kPlayCaption);
}

} // namespace ejteto
