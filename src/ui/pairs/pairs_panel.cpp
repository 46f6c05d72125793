#include "pairs/pairs_panel.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "controls/layout_widgets.h"

namespace ejteto {

QList<QWidget*> PairsPanel::tabChain() const
{
    QList<QWidget*> chain(Button_Jatek_.begin(), Button_Jatek_.end());
    return chain << Button_Modul_Jatek_Bezar << Button_Modul_Jatek_UjJatek;
}

PairsPanel createPairsPanel(QWidget* window)
{
    PairsPanel c;
    c.Panel_Jatek =
        makePanel(window, QStringLiteral("Panel_Jatek"), {728, 40, 761, 505}, colorFromValue(colors::GameGreen));
    QWidget* p = c.Panel_Jatek;
    c.Label_Jatek_Cim = makeLabel(p, QStringLiteral("Label_Jatek_Cim"), {32, 24, 82, 43}, QStringLiteral("Játék"),
                                  gentiumFont(-37, true), colorFromValue(colors::Amber));
    c.Label_Jatek_Leiras = makeLabel(p, QStringLiteral("Label_Jatek_Leiras"), {32, 72, 600, 18},
                                     QStringLiteral("Klasszikus memóriajáték. Találd meg a szópárokat!"),
                                     gentiumFont(-15), colorFromValue(colors::Cream), Label::Sizing::Wrap);
    c.Label_Jatek_Leiras->setMinimumExtent({600, 0});

    static constexpr int kColumnLeft[5] = {32, 157, 281, 406, 530};
    for (int i = 0; i < 20; ++i) {
        c.Button_Jatek_[i] =
            makeButton(p, QStringLiteral("Button_Jatek_%1").arg(i), {kColumnLeft[i % 5], 112 + 96 * (i / 5), 105, 81},
                       QString(), arialFont(-21, true));
        c.Button_Jatek_[i]->setAccessibleName(cardName(i + 1, CardSide::Down));
        c.Button_Jatek_[i]->hide();
    }
    c.Button_Modul_Jatek_Bezar = makeButton(p, QStringLiteral("Button_Modul_Jatek_Bezar"), {648, 32, 75, 25},
                                            QStringLiteral("Bezár"), arialFont(15));
    c.Button_Modul_Jatek_UjJatek = makeButton(p, QStringLiteral("Button_Modul_Jatek_UjJatek"), {648, 66, 75, 25},
                                              QStringLiteral("Új játék"), arialFont(15));
    p->hide();
    return c;
}

} // namespace ejteto
