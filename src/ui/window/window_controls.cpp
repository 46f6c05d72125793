// The window's own controls in their places of the fixed layout. Controls of
// a parent are created bottom to top: labels, images and shapes first,
// windowed controls (panels, buttons, lists) after them, so they lie above.
#include "window/window_controls.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "content/sound_id.h"
#include "controls/layout_widgets.h"
#include "fonts/layout_fonts.h"
#include "ui/controls/image_control.h"
#include "ui/nevjegy_texts.h"
#include "ui/pictures.h"

#include <QComboBox>
#include <QPushButton>

namespace ejteto {

namespace {

void shrinkFontToFit(Label* label, QSize box)
{
    QFont f = label->font();
    while (f.pixelSize() > 8 &&
           QFontMetrics(f).boundingRect(QRect(QPoint(), box), Qt::TextWordWrap, label->text()).height() > box.height())
        f.setPixelSize(f.pixelSize() - 1);
    label->setLabelFont(f);
    label->resize(box);
}

void createMosaicAndTitles(QWidget* window, WindowControls& c, MosaicTiles& mosaic)
{
    for (const SoundId s : allSounds()) {
        const int n = s.value();
        const int column = (n - 1) % 4;
        const int row = (n - 1) / 4;
        ImageControl* tile = new ImageControl(window, QStringLiteral("Image_Mosaic_%1").arg(n),
                                              {15 + 120 * column, 58 + 120 * row, 110, 110});
        tile->setPressable();
        tile->setCheckable(true);
        tile->setAccessibleName(tileName(n, QString()));
        mosaic[static_cast<size_t>(n)] = tile;
    }

    const QColor cream = colorFromValue(colors::Cream);
    auto title = [&](const char* name, int top, QSize size, const QString& text, const QFont& font, QColor color,
                     Label::Sizing sizing) {
        Label* l =
            makeLabel(window, QString::fromLatin1(name), QRect(QPoint(510, top), size), text, font, color, sizing);
        l->setTransparent(true);
        return l;
    };
    c.Label_Cim = title("Label_Cim", 171, {220, 89}, QStringLiteral("Ejteto!"), gentiumFont(42, true),
                        colorFromValue(colors::Amber), Label::Sizing::Fixed);
    c.Label_Cim->setWordWrap(true);
    c.Label_Alcim = title("Label_Alcim", 261, {219, 50}, QStringLiteral("Bevezetés az angol magánhangzók világába"),
                          gentiumFont(23), cream, Label::Sizing::Wrap);
    c.Label_Bekezdes1 = title("Label_Bekezdes1", 326, {220, 112},
                              QStringLiteral("Ezzel a programmal megismerheted az angol magánhangzók legtöbbjét, "
                                             "megtudhatod, hogyan jelennek meg írásban szabályos és kivételes "
                                             "esetekben. Elsajátíthatod kiejtésüket és szimbólumukat, új tudásodat "
                                             "begyakorolhatod és tesztelheted is."),
                              arialFont(16), cream, Label::Sizing::Wrap);
    c.Label_Bekezdes1->setMinimumExtent({220, 88});
    c.Label_Bekezdes2 = title("Label_Bekezdes2", 449, {220, 88},
                              QStringLiteral("Amikor elhangzik egy angol hangzó vagy szó, azt hangoztasd te is!"),
                              arialFont(16), cream, Label::Sizing::Wrap);
    c.Label_Bekezdes2->setMinimumExtent({220, 88});
    // In the installed Arial substitute the first paragraph needs more lines
    // than its laid-out 112 pixels hold; it keeps its box and gives up a
    // pixel or two of font size instead of overprinting the second one.
    shrinkFontToFit(c.Label_Bekezdes1, QSize(220, 112));

    c.Label_Developer = title("Label_Developer", 495, {98, 30}, kDeveloperCredit, gentiumFont(-12),
                              colorFromValue(4740473), Label::Sizing::Wrap);
    c.Label_Developer->setPressable();
    c.Label_Developer->setAccessibleName(QStringLiteral("Névjegy"));
    c.Label_Developer->hide();
}

void createAboutButton(QWidget* window, WindowControls& c)
{
    c.BitBtn1 = makeButton(window, QStringLiteral("BitBtn1"), {510, 495, 25, 25}, QString(), window->font());
    c.BitBtn1->setIcon(QIcon(QPixmap::fromImage(informationSign())));
    c.BitBtn1->setIconSize(QSize(24, 24));
    // No Tab stop, as laid out: Ctrl+I presses it from the keyboard.
    c.BitBtn1->setFocusPolicy(Qt::NoFocus);
    c.BitBtn1->setAccessibleName(QStringLiteral("Névjegy"));
    c.BitBtn1->setAccessibleDescription(QStringLiteral("Billentyű: Ctrl+I"));
}

void createNameTables(QWidget* window, WindowControls& c)
{
    QStringList lessons{QStringLiteral("Lecke:")};
    for (const SoundId s : allSounds())
        lessons << QStringLiteral("%1.").arg(s.value());
    c.ComboBox_Lecke =
        makeComboBox(window, QStringLiteral("ComboBox_Lecke"), {0, 0, 80, 21}, lessons, arialFont(-11), 14);
    c.ComboBox_Lecke->hide();
    c.ComboBox_Modul = makeComboBox(
        window, QStringLiteral("ComboBox_Modul"), {0, 0, 80, 21},
        {QStringLiteral("Modul:"), QStringLiteral("Előadás"), QStringLiteral("Gyakorlat"), QStringLiteral("Teszt")},
        arialFont(-11), 14);
    c.ComboBox_Modul->hide();
}

void createControlPanel(QWidget* window, WindowControls& c)
{
    c.Panel_IranyitoPult = makePanel(window, QStringLiteral("Panel_IranyitoPult"), {0, 0, 761, 40},
                                     window->palette().color(QPalette::Button));
    QWidget* p = c.Panel_IranyitoPult;
    const QFont caption = arialFont(15, true);
    const QColor text = window->palette().color(QPalette::WindowText);
    c.Label_Cimke_Szint =
        makeLabel(p, QStringLiteral("Label_Cimke_Szint"), {15, 11, 31, 15}, QStringLiteral("Szint:"), caption, text);
    c.Label_Cimke_Modulvalasztas = makeLabel(p, QStringLiteral("Label_Cimke_Modulvalasztas"), {190, 11, 37, 15},
                                             QStringLiteral("Modul:"), caption, text);
    c.Label_Cimke_Extra =
        makeLabel(p, QStringLiteral("Label_Cimke_Extra"), {519, 11, 33, 15}, QStringLiteral("Extra:"), caption, text);

    c.ComboBox_Nehezseg =
        makeComboBox(p, QStringLiteral("ComboBox_Nehezseg"), {55, 7, 100, 23},
                     {QStringLiteral("Könnyű"), QStringLiteral("Közepes"), QStringLiteral("Nehéz")}, arialFont(15), 15);
    // Its caption tells screen readers the chosen item too ("Szint: Könnyű"):
    // Orca reads a focused list box by its label alone, without its value.
    c.Label_Cimke_Szint->setBuddy(c.ComboBox_Nehezseg);
    c.Label_Cimke_Szint->setAccessibleName(levelNotice(QString()));
    const QFont f = arialFont(15);
    c.Button_Inditas_Eloadas =
        makeButton(p, QStringLiteral("Button_Inditas_Eloadas"), {236, 6, 75, 25}, QStringLiteral("Előadás"), f);
    c.Button_Inditas_Gyakorlat =
        makeButton(p, QStringLiteral("Button_Inditas_Gyakorlat"), {323, 6, 75, 25}, QStringLiteral("Gyakorlat"), f);
    c.Button_Inditas_Teszt =
        makeButton(p, QStringLiteral("Button_Inditas_Teszt"), {410, 6, 75, 25}, QStringLiteral("Teszt"), f);
    c.Button_Szomutato =
        makeButton(p, QStringLiteral("Button_Szomutato"), {561, 6, 75, 25}, QStringLiteral("Szómutató"), f);
    c.Button_Jatek = makeButton(p, QStringLiteral("Button_Jatek"), {648, 6, 75, 25}, QStringLiteral("Játék"), f);
    c.Button_Inditas_Eloadas->setEnabled(false);
    c.Button_Inditas_Gyakorlat->setEnabled(false);
    c.Button_Inditas_Teszt->setEnabled(false);
}

} // namespace

QList<QWidget*> WindowControls::tabChain() const
{
    return {ComboBox_Nehezseg,    Button_Inditas_Eloadas, Button_Inditas_Gyakorlat,
            Button_Inditas_Teszt, Button_Szomutato,       Button_Jatek};
}

WindowControls createWindowControls(QWidget* window, MosaicTiles& mosaic)
{
    WindowControls c;
    // Graphic controls of the window itself lie below every windowed one.
    createMosaicAndTitles(window, c, mosaic);
    createAboutButton(window, c);
    createNameTables(window, c);
    createControlPanel(window, c);
    return c;
}

} // namespace ejteto
