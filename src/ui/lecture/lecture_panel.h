#pragma once
// The lecture's black panel: the lesson's tile in its frame, the video area
// and the play/pause, back and close buttons.
#include <QList>

class QPushButton;
class QWidget;

namespace ejteto {

class ImageControl;
class Label;
class ShapeControl;
class VideoSurface;

struct LecturePanel {
    QWidget* Panel_Modul_Eloadas = nullptr;
    ShapeControl* Shape_Eloadas = nullptr;
    Label* Label_Modul_Eloadas_Cim = nullptr;
    Label* Label_Modul_Eloadas_Leiras = nullptr;
    ImageControl* Image_Mosaic_Eloadas = nullptr;
    VideoSurface* MediaPlayer2_Display = nullptr; // the lecture player's video area
    QPushButton* Button_Eloadas_LejatszasSzunet = nullptr;
    QPushButton* Button_Eloadas_Vissza = nullptr;
    QPushButton* Button_Modul_Eloadas_Bezar = nullptr;

    // Focusable controls in their tab order.
    QList<QWidget*> tabChain() const;
};

// Lays the panel out on `window`, hidden, at its laid-out place.
LecturePanel createLecturePanel(QWidget* window);

} // namespace ejteto
