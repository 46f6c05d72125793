#include "word_index/word_index_panel.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "controls/layout_widgets.h"
#include "ui/controls/image_control.h"

namespace ejteto {

QList<QWidget*> WordIndexPanel::tabChain() const
{
    // The laid-out stops keep their order; the speaker of the chosen word
    // follows them.
    return {ListBox_Szomutato, Edit_Szomutato_Szuro, Button_Modul_Szomutato_Bezar, Image_Szomutato_Hanglejatszas};
}

WordIndexPanel createWordIndexPanel(QWidget* window)
{
    WordIndexPanel c;
    c.Panel_Szomutato =
        makePanel(window, QStringLiteral("Panel_Szomutato"), {712, 40, 761, 505}, colorFromValue(colors::Window));
    QWidget* p = c.Panel_Szomutato;
    const QColor cream = colorFromValue(colors::Cream);
    const QColor lightBlue = colorFromValue(colors::LightBlue);
    c.Label_Szomutato_Cim = makeLabel(p, QStringLiteral("Label_Szomutato_Cim"), {32, 24, 174, 43},
                                      QStringLiteral("Szómutató"), gentiumFont(-37, true), lightBlue);
    c.Label_Szomutato_Leiras = makeLabel(
        p, QStringLiteral("Label_Szomutato_Leiras"), {32, 72, 504, 72},
        QStringLiteral("Ez itt a teljes szókészlet. A szűrő segítségével szűkíthetsz a szavak listáján – mivel ez "
                       "a szavak belsejében is keres, használhatod egyes betűkapcsolatok (pl. 'ea', 'ou') "
                       "különböző lehetséges kiejtésének vizsgálatára. A listában megjelenített szavakat kettős "
                       "kattintással is lejátszhatod."),
        gentiumFont(-15), cream, Label::Sizing::Wrap);
    c.Label_Szomutato_Talalatok = makeLabel(p, QStringLiteral("Label_Szomutato_Talalatok"), {32, 176, 80, 22},
                                            QStringLiteral("Találatok:"), arialFont(-19), cream);
    c.Label_Szomutato_Szuro = makeLabel(p, QStringLiteral("Label_Szomutato_Szuro"), {288, 176, 77, 22},
                                        QStringLiteral("Keresés:"), arialFont(-19), cream);
    c.Label_Szomutato_Hang = makeLabel(p, QStringLiteral("Label_Szomutato_Hang"), {288, 260, 49, 22},
                                       QStringLiteral("Hang:"), arialFont(-19), cream);
    c.Image_IPA_2 = new ImageControl(p, QStringLiteral("Image_IPA_2"), {288, 291, 85, 50});
    c.Image_IPA_2->setMinimumSize(75, 50);
    c.Label_Szomutato_Magyar = makeLabel(p, QStringLiteral("Label_Szomutato_Magyar"), {288, 361, 137, 22},
                                         QStringLiteral("Magyar jelentés:"), arialFont(-19), cream);
    c.Label_Szomutato_Magyar_Ertek = makeLabel(p, QStringLiteral("Label_Szomutato_Magyar_Ertek"), {288, 393, 0, 0},
                                               QString(), arialFont(-15), lightBlue);
    c.Image_Szomutato_Hanglejatszas =
        new ImageControl(p, QStringLiteral("Image_Szomutato_Hanglejatszas"), {292, 437, 36, 32});
    c.Image_Szomutato_Hanglejatszas->setMinimumSize(32, 32);
    c.Image_Szomutato_Hanglejatszas->setPressable();
    c.Image_Szomutato_Hanglejatszas->setFocusPolicy(Qt::TabFocus);
    c.Image_Szomutato_Hanglejatszas->setAccessibleName(listenName(QString()));

    c.ListBox_Szomutato =
        makeListBox(p, QStringLiteral("ListBox_Szomutato"), {32, 204, 217, 265}, arialFont(-19), 22, lightBlue);
    c.Edit_Szomutato_Szuro =
        makeEdit(p, QStringLiteral("Edit_Szomutato_Szuro"), {288, 204, 217, 28}, arialFont(-19), cream);
    // Screen readers name the list and the box by the captions above them.
    c.ListBox_Szomutato->setAccessibleName(QStringLiteral("Találatok"));
    c.Label_Szomutato_Talalatok->setBuddy(c.ListBox_Szomutato);
    c.Edit_Szomutato_Szuro->setAccessibleName(QStringLiteral("Keresés"));
    c.Label_Szomutato_Szuro->setBuddy(c.Edit_Szomutato_Szuro);
    c.Button_Modul_Szomutato_Bezar = makeButton(p, QStringLiteral("Button_Modul_Szomutato_Bezar"), {648, 32, 75, 25},
                                                QStringLiteral("Bezár"), arialFont(15));
    p->hide();
    return c;
}

} // namespace ejteto
