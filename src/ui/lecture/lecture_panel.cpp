#include "lecture/lecture_panel.h"

#include "app/color_value.h"
#include "controls/layout_widgets.h"
#include "media/video_surface.h"
#include "ui/controls/image_control.h"

namespace ejteto {

QList<QWidget*> LecturePanel::tabChain() const
{
    return {Button_Eloadas_LejatszasSzunet, Button_Eloadas_Vissza, Button_Modul_Eloadas_Bezar, MediaPlayer2_Display};
}

LecturePanel createLecturePanel(QWidget* window)
{
    LecturePanel c;
    c.Panel_Modul_Eloadas =
        makePanel(window, QStringLiteral("Panel_Modul_Eloadas"), {696, 40, 761, 505}, colorFromValue(colors::Black));
    QWidget* p = c.Panel_Modul_Eloadas;
    c.Shape_Eloadas = new ShapeControl(p, QStringLiteral("Shape_Eloadas"), {43, 226, 137, 137},
                                       colorFromValue(colors::Window), colorFromValue(colors::Black), true);
    c.Label_Modul_Eloadas_Cim =
        makeLabel(p, QStringLiteral("Label_Modul_Eloadas_Cim"), {32, 24, 214, 43}, QStringLiteral("Nnnnnnnnnn"),
                  gentiumFont(-37, true), colorFromValue(4279405));
    c.Label_Modul_Eloadas_Cim->setBackgroundColor(colorFromValue(colors::Black));
    c.Label_Modul_Eloadas_Leiras = makeLabel(p, QStringLiteral("Label_Modul_Eloadas_Leiras"), {32, 72, 299, 18},
                                             QStringLiteral("A videó a Lejátszás gomb megnyomására indul el."),
                                             gentiumFont(-15), colorFromValue(colors::Silver));
    c.Label_Modul_Eloadas_Leiras->setBackgroundColor(colorFromValue(colors::Black));
    c.Image_Mosaic_Eloadas = new ImageControl(p, QStringLiteral("Image_Mosaic_Eloadas"), {57, 239, 110, 110});

    // The lecture player shows its video here, disabled for mouse and keys.
    c.MediaPlayer2_Display = new VideoSurface(p);
    c.MediaPlayer2_Display->setObjectName(QStringLiteral("MediaPlayer2"));
    c.MediaPlayer2_Display->setGeometry(224, 128, 400, 300);
    c.MediaPlayer2_Display->setMinimumSize(400, 300);
    c.MediaPlayer2_Display->setEnabled(false);
    const QFont f = arialFont(15);
    c.Button_Eloadas_LejatszasSzunet = makeButton(p, QStringLiteral("Button_Eloadas_LejatszasSzunet"),
                                                  {224, 448, 73, 25}, QStringLiteral("Lejátszás"), f);
    c.Button_Eloadas_Vissza =
        makeButton(p, QStringLiteral("Button_Eloadas_Vissza"), {552, 448, 73, 25}, QStringLiteral("Vissza"), f);
    c.Button_Eloadas_Vissza->setEnabled(false);
    c.Button_Modul_Eloadas_Bezar =
        makeButton(p, QStringLiteral("Button_Modul_Eloadas_Bezar"), {648, 32, 75, 25}, QStringLiteral("Bezár"), f);
    p->hide();
    return c;
}

} // namespace ejteto
