#pragma once
// The lecture module: the lesson's video on the black panel, with a
// play/pause button and a button that stops and returns to the start.
#include "lecture/lecture_panel.h"
#include "ui/announcer.h"

#include <QString>

namespace ejteto {

class MediaPlayer;
struct ModuleWiring;
struct ProgramState;

class LectureModule {
public:
    // `player` is MediaPlayer2, made with the window (it opens its
    // placeholder then); from now on its videos show on this panel.
    LectureModule(QWidget* window, const ProgramState& state, MediaPlayer& player);

    const LecturePanel& panel() const { return panel_; }
    // Binds the panel's buttons and says its play state through `wiring`.
    void wire(ModuleWiring& wiring);

    // Title, the lesson's tile and its video opened at the start, then the
    // panel shown. A tile or video that cannot be opened raises its error
    // before the panel shows.
    void start(int lesson, const QString& lessonLabel);
    void Button_Eloadas_LejatszasSzunetClick();
    void Button_Eloadas_VisszaClick();
    // Closing a panel after a lecture: the video stops where it is and the
    // play button reads "Lejátszás" again.
    void stopForClose();

private:
    const ProgramState& state_;
    LecturePanel panel_;
    MediaPlayer* player_;
    Announcer* announcer_ = &silentAnnouncer();
};

} // namespace ejteto
