#include "practice/practice_panel.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "controls/layout_widgets.h"
#include "fonts/layout_fonts.h"
#include "ui/controls/image_control.h"
#include "ui/pictures.h"

namespace ejteto {

QList<QWidget*> PracticePanel::tabChain() const
{
    // The vowel's speaker by the task line, then the answer places in place
    // order, each speaker, word and "HU" as they stand in the row; then the
    // buttons in their laid-out order; the results table comes last, as it
    // lies above the panel.
    return answerArea() << Button_GyakTeszt_Tovabb << Button_Modul_GyakTeszt_Bezar << resultWords();
}

QList<QWidget*> PracticePanel::resultWords() const
{
    QList<QWidget*> words;
    for (size_t q = 1; q <= 10; ++q)
        for (Label* word : Label_Result[q])
            words << word;
    return words;
}

QList<QWidget*> PracticePanel::answerArea() const
{
    QList<QWidget*> area{Image_Sound};
    for (size_t k = 1; k <= 4; ++k)
        area << Image_Speaker[k] << Label_GyakTeszt_e[k] << Label_GyakTeszt_h[k];
    return area;
}

namespace {

void createRunPanel(QWidget* window, PracticePanel& c)
{
    const QColor blue = colorFromValue(colors::PracticeBlue);
    const QColor lightBlue = colorFromValue(colors::LightBlue);
    const QColor cream = colorFromValue(colors::Cream);
    const QColor amber = colorFromValue(colors::Amber);
    c.Panel_Modul_GyakTeszt = makePanel(window, QStringLiteral("Panel_Modul_GyakTeszt"), {744, 40, 761, 505}, blue);
    QWidget* p = c.Panel_Modul_GyakTeszt;

    const QString remaining = QStringLiteral("Hátralévő kérdések száma: 9");
    c.Label_GyakTesztStatusz_s1 = makeLabel(p, QStringLiteral("Label_GyakTesztStatusz_s1"), {32, 452, 189, 17},
                                            remaining, arialFont(-15), lightBlue);
    c.Label_GyakTesztStatusz_s2 = makeLabel(p, QStringLiteral("Label_GyakTesztStatusz_s2"), {32, 476, 189, 17},
                                            remaining, arialFont(-15), lightBlue);
    // The cloaks lie above the status lines: only the strip between them shows.
    c.Cloak1 = new ShapeControl(p, QStringLiteral("Cloak1"), {0, 408, 761, 45}, blue, blue, false);
    c.Cloak2 = new ShapeControl(p, QStringLiteral("Cloak2"), {0, 470, 761, 35}, blue, blue, false);

    c.Label_Modul_GyakTeszt_Cim =
        makeLabel(p, QStringLiteral("Label_Modul_GyakTeszt_Cim"), {32, 24, 0, 0},
                  QStringLiteral("Label_Modul_GyakTeszt_Cim"), gentiumFont(-37, true), lightBlue);
    c.Label_Modul_GyakTeszt_Leiras = makeLabel(p, QStringLiteral("Label_Modul_GyakTeszt_Leiras"), {32, 72, 0, 0},
                                               QStringLiteral("Label_Modul_GyakTeszt_Leiras"), gentiumFont(-15), cream);
    c.Label_GyakTeszt_Feladat = makeLabel(p, QStringLiteral("Label_GyakTeszt_Feladat"), {32, 128, 284, 22},
                                          QStringLiteral("Melyik szóban ejtjük ezt a hangot?"), arialFont(-19), amber);
    c.Label_GyakTeszt_Feladat->setBackgroundColor(blue);

    for (int k = 1; k <= 4; ++k) {
        const int x = 72 + 304 * ((k - 1) % 2);
        const int y = 208 + 128 * ((k - 1) / 2);
        c.Image_Speaker[k] = new ImageControl(p, QStringLiteral("Image_Speaker_%1").arg(k), {x, y + 10, 36, 32});
        c.Image_Speaker[k]->setMinimumSize(32, 32);
        c.Image_Speaker[k]->setPressable();
        c.Image_Speaker[k]->setFocusPolicy(Qt::TabFocus);
        c.Image_Speaker[k]->setAccessibleName(listenName(QString()));
        c.Label_GyakTeszt_e[k] = makeLabel(p, QStringLiteral("Label_GyakTeszt_e%1").arg(k), {x + 56, y, 0, 0},
                                           QStringLiteral("Label_GyakTeszt_e%1").arg(k), arialFont(-37, true), amber);
        c.Label_GyakTeszt_e[k]->setBackgroundColor(blue);
        c.Label_GyakTeszt_e[k]->setPressable();
        c.Label_GyakTeszt_e[k]->setFocusPolicy(Qt::TabFocus);
        c.Label_GyakTeszt_e[k]->setAccessibleDescription(QStringLiteral("%1. válaszlehetőség").arg(k));
        c.Label_GyakTeszt_h[k] = makeLabel(p, QStringLiteral("Label_GyakTeszt_h%1").arg(k), {x, y + 51, 20, 16},
                                           QStringLiteral("HU"), arialFont(-14, true), cream);
        c.Label_GyakTeszt_h[k]->setPressable();
        c.Label_GyakTeszt_h[k]->setFocusPolicy(Qt::TabFocus);
        c.Label_GyakTeszt_h[k]->setAccessibleName(meaningName(QString()));
        c.Label_GyakTeszt_m[k] =
            makeLabel(p, QStringLiteral("Label_GyakTeszt_m%1").arg(k), {x + 28, y + 51, 0, 0},
                      QStringLiteral("Label_GyakTeszt_m%1").arg(k), arialFont(-12), colorFromValue(colors::White));
    }

    c.Image_Sound = new ImageControl(p, QStringLiteral("Image_Sound"), {338, 126, 36, 32});
    c.Image_Sound->setMinimumSize(32, 32);
    c.Image_Sound->setPicture(loudspeakerPicture());
    c.Image_Sound->setPressable();
    c.Image_Sound->setFocusPolicy(Qt::TabFocus);
    c.Image_Sound->setAccessibleName(vowelSpeakerName(0));
    c.Image_IPA = new ImageControl(p, QStringLiteral("Image_IPA"), {392, 115, 85, 50});

    c.Button_Modul_GyakTeszt_Bezar = makeButton(p, QStringLiteral("Button_Modul_GyakTeszt_Bezar"), {648, 32, 75, 25},
                                                QStringLiteral("Bezár"), arialFont(15));
    c.Button_GyakTeszt_Tovabb = makeButton(p, QStringLiteral("Button_GyakTeszt_Tovabb"), {646, 292, 75, 25},
                                           QStringLiteral("Tovább"), arialFont(15));
    p->hide();
}

void createResultsTable(QWidget* window, PracticePanel& c)
{
    c.Panel_Ertekelo =
        makePanel(window, QStringLiteral("Panel_Ertekelo"), {752, 144, 689, 329}, colorFromValue(colors::Cream));
    QWidget* p = c.Panel_Ertekelo;
    p->setFont(layoutFont(QStringLiteral("MS Sans Serif"), -11, true));
    const QFont f = arialFont(-13);
    const QColor black = colorFromValue(colors::Black);
    for (int q = 1; q <= 9; ++q) {
        const QPoint at = q <= 5 ? QPoint(40, 48 + 56 * (q - 1)) : QPoint(392, 48 + 56 * (q - 6));
        c.Label_Number[q] = makeLabel(p, QStringLiteral("Label%1").arg(q), QRect(at, QSize(11, 16)),
                                      QStringLiteral("%1.").arg(q), f, black);
    }
    c.Label_Number[10] = makeLabel(p, QStringLiteral("Label10"), {385, 272, 18, 16}, QStringLiteral("10."), f, black);

    static constexpr char kOption[4] = {'a', 'b', 'c', 'd'};
    for (int q = 1; q <= 10; ++q) {
        const int base = q <= 5 ? 72 : 424;
        for (int j = 0; j < 4; ++j) {
            const QString name = QStringLiteral("Label%1%2").arg(q).arg(QLatin1Char(kOption[j]));
            c.Label_Result[q][j] =
                makeLabel(p, name, {base + 56 * j, 48 + 56 * ((q - 1) % 5), q == 10 ? 52 : 45, 16}, name, f, black);
            c.Label_Result[q][j]->setPressable();
            c.Label_Result[q][j]->setFocusPolicy(Qt::TabFocus);
        }
    }
    c.Shape_Ertekelo = new ShapeControl(p, QStringLiteral("Shape_Ertekelo"), {344, 40, 1, 265},
                                        colorFromValue(colors::White), black, true);
    p->hide();
}

} // namespace

PracticePanel createPracticePanel(QWidget* window)
{
    PracticePanel c;
    createRunPanel(window, c);
    createResultsTable(window, c);
    return c;
}

} // namespace ejteto
