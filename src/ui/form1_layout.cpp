// The fixed layout of the main window: every control with its place, size,
// font, colours, text and initial state. Controls are created bottom to top:
// within a parent, labels, images and shapes first, windowed controls (panels,
// buttons, lists, edit boxes, media players) after them, so they lie above.
#include "media/gst_media_engine.h"
#include "media/media_player.h"
#include "media/video_surface.h"
#include "controls/fonts.h"
#include "ui/form1.h"
#include "layout_widgets.h"
#include "pictures.h"
#include "ui/nevjegy.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

namespace ejteto {

namespace {
QFont arial(int h, bool bold = false) { return layoutFont(QStringLiteral("Arial"), h, bold); }
QFont gentium(int h, bool bold = false) { return layoutFont(QStringLiteral("Gentium"), h, bold); }

void shrinkFontToFit(Label* label, QSize box)
{
    QFont f = label->font();
    while (f.pixelSize() > 8 &&
           QFontMetrics(f).boundingRect(QRect(QPoint(), box), Qt::TextWordWrap, label->text()).height() > box.height())
        f.setPixelSize(f.pixelSize() - 1);
    label->setLabelFont(f);
    label->resize(box);
}
} // namespace

void TForm1::createLayout()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ejteto!"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(761, 541);
    setWindowIcon(applicationIcon());
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), -11));
    setPanelColor(this, colorFromValue(colors::Window));

    // Graphic controls of the window itself lie below every windowed one.
    createMosaicAndTitles();

    BitBtn1 = makeButton(this, QStringLiteral("BitBtn1"), {510, 495, 25, 25}, QString(), font());
    BitBtn1->setIcon(QIcon(QPixmap::fromImage(informationSign())));
    BitBtn1->setIconSize(QSize(24, 24));
    BitBtn1->setFocusPolicy(Qt::NoFocus);

    createAuxiliaryControls();
    createControlPanel();
    createLecturePanel();
    createWordIndexPanel();
    createGamePanel();
    createPracticePanel();
    createResultsPanel();
    setTabOrders();

    // Centred on the desktop.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
}

void TForm1::createControlPanel()
{
    Panel_IranyitoPult = makePanel(this, QStringLiteral("Panel_IranyitoPult"), {0, 0, 761, 40},
                                   palette().color(QPalette::Button));
    QWidget* p = Panel_IranyitoPult;
    const QFont caption = arial(15, true);
    const QColor text = palette().color(QPalette::WindowText);
    Label_Cimke_Szint = makeLabel(p, QStringLiteral("Label_Cimke_Szint"), {15, 11, 31, 15}, QStringLiteral("Szint:"),
                                  caption, text);
    Label_Cimke_Modulvalasztas = makeLabel(p, QStringLiteral("Label_Cimke_Modulvalasztas"), {190, 11, 37, 15},
                                           QStringLiteral("Modul:"), caption, text);
    Label_Cimke_Extra = makeLabel(p, QStringLiteral("Label_Cimke_Extra"), {519, 11, 33, 15}, QStringLiteral("Extra:"),
                                  caption, text);

    ComboBox_Nehezseg = makeComboBox(p, QStringLiteral("ComboBox_Nehezseg"), {55, 7, 100, 23},
                                     {QStringLiteral("Könnyű"), QStringLiteral("Közepes"), QStringLiteral("Nehéz")},
                                     arial(15), 15);
    const QFont f = arial(15);
    Button_Inditas_Eloadas = makeButton(p, QStringLiteral("Button_Inditas_Eloadas"), {236, 6, 75, 25},
                                        QStringLiteral("Előadás"), f);
    Button_Inditas_Gyakorlat = makeButton(p, QStringLiteral("Button_Inditas_Gyakorlat"), {323, 6, 75, 25},
                                          QStringLiteral("Gyakorlat"), f);
    Button_Inditas_Teszt = makeButton(p, QStringLiteral("Button_Inditas_Teszt"), {410, 6, 75, 25},
                                      QStringLiteral("Teszt"), f);
    Button_Szomutato = makeButton(p, QStringLiteral("Button_Szomutato"), {561, 6, 75, 25},
                                  QStringLiteral("Szómutató"), f);
    Button_Jatek = makeButton(p, QStringLiteral("Button_Jatek"), {648, 6, 75, 25}, QStringLiteral("Játék"), f);
    Button_Inditas_Eloadas->setEnabled(false);
    Button_Inditas_Gyakorlat->setEnabled(false);
    Button_Inditas_Teszt->setEnabled(false);
}

void TForm1::createMosaicAndTitles()
{
    for (int n = 1; n <= 16; ++n) {
        const int c = (n - 1) % 4;
        const int r = (n - 1) / 4;
        Image_Mosaic[n] = new ImageControl(this, QStringLiteral("Image_Mosaic_%1").arg(n),
                                           {15 + 120 * c, 58 + 120 * r, 110, 110});
        Image_Mosaic[n]->setHandCursor();
    }

    const QColor cream = colorFromValue(colors::Cream);
    auto title = [&](const char* name, int top, QSize size, const QString& text, const QFont& font, QColor color,
                     Label::Sizing sizing) {
        Label* l = makeLabel(this, QString::fromLatin1(name), QRect(QPoint(510, top), size), text, font, color, sizing);
        l->setTransparent(true);
        return l;
    };
    Label_Cim = title("Label_Cim", 171, {220, 89}, QStringLiteral("Ejteto!"), gentium(42, true),
                      colorFromValue(colors::Amber), Label::Sizing::Fixed);
    Label_Cim->setWordWrap(true);
    Label_Alcim = title("Label_Alcim", 261, {219, 50}, QStringLiteral("Bevezetés az angol magánhangzók világába"),
                        gentium(23), cream, Label::Sizing::Wrap);
    Label_Bekezdes1 = title("Label_Bekezdes1", 326, {220, 112},
                            QStringLiteral("Ezzel a programmal megismerheted az angol magánhangzók legtöbbjét, "
                                           "megtudhatod, hogyan jelennek meg írásban szabályos és kivételes "
                                           "esetekben. Elsajátíthatod kiejtésüket és szimbólumukat, új tudásodat "
                                           "begyakorolhatod és tesztelheted is."),
                            arial(16), cream, Label::Sizing::Wrap);
    Label_Bekezdes1->setMinimumExtent({220, 88});
    Label_Bekezdes2 = title("Label_Bekezdes2", 449, {220, 88},
                            QStringLiteral("Amikor elhangzik egy angol hangzó vagy szó, azt hangoztasd te is!"),
                            arial(16), cream, Label::Sizing::Wrap);
    Label_Bekezdes2->setMinimumExtent({220, 88});
    // In the installed Arial substitute the first paragraph needs more lines
    // than its laid-out 112 pixels hold; it keeps its box and gives up a
    // pixel or two of font size instead of overprinting the second one.
    shrinkFontToFit(Label_Bekezdes1, QSize(220, 112));

    Label_Developer = title("Label_Developer", 495, {98, 30}, kDeveloperCredit, gentium(-12),
                            colorFromValue(4740473), Label::Sizing::Wrap);
    Label_Developer->setHandCursor();
    Label_Developer->hide();
}

void TForm1::createAuxiliaryControls()
{
    QStringList lessons{QStringLiteral("Lecke:")};
    for (int n = 1; n <= 16; ++n)
        lessons << QStringLiteral("%1.").arg(n);
    ComboBox_Lecke = makeComboBox(this, QStringLiteral("ComboBox_Lecke"), {0, 0, 80, 21}, lessons, arial(-11), 14);
    ComboBox_Lecke->hide();
    ComboBox_Modul = makeComboBox(this, QStringLiteral("ComboBox_Modul"), {0, 0, 80, 21},
                                  {QStringLiteral("Modul:"), QStringLiteral("Előadás"), QStringLiteral("Gyakorlat"),
                                   QStringLiteral("Teszt")},
                                  arial(-11), 14);
    ComboBox_Modul->hide();
    MediaPlayer1 = new MediaPlayer(makeGstMediaEngine(), nullptr, this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
}

void TForm1::createLecturePanel()
{
    Panel_Modul_Eloadas = makePanel(this, QStringLiteral("Panel_Modul_Eloadas"), {696, 40, 761, 505},
                                    colorFromValue(colors::Black));
    QWidget* p = Panel_Modul_Eloadas;
    Shape_Eloadas = new ShapeControl(p, QStringLiteral("Shape_Eloadas"), {43, 226, 137, 137},
                                     colorFromValue(colors::Window), colorFromValue(colors::Black), true);
    Label_Modul_Eloadas_Cim = makeLabel(p, QStringLiteral("Label_Modul_Eloadas_Cim"), {32, 24, 214, 43},
                                        QStringLiteral("Nnnnnnnnnn"), gentium(-37, true), colorFromValue(4279405));
    Label_Modul_Eloadas_Cim->setBackgroundColor(colorFromValue(colors::Black));
    Label_Modul_Eloadas_Leiras =
        makeLabel(p, QStringLiteral("Label_Modul_Eloadas_Leiras"), {32, 72, 299, 18},
                  QStringLiteral("A videó a Lejátszás gomb megnyomására indul el."), gentium(-15),
                  colorFromValue(colors::Silver));
    Label_Modul_Eloadas_Leiras->setBackgroundColor(colorFromValue(colors::Black));
    Image_Mosaic_Eloadas = new ImageControl(p, QStringLiteral("Image_Mosaic_Eloadas"), {57, 239, 110, 110});

    MediaPlayer2_Display = new VideoSurface(p);
    MediaPlayer2_Display->setObjectName(QStringLiteral("MediaPlayer2"));
    MediaPlayer2_Display->setGeometry(224, 128, 400, 300);
    MediaPlayer2_Display->setMinimumSize(400, 300);
    MediaPlayer2_Display->setEnabled(false);
    MediaPlayer2 = new MediaPlayer(makeGstMediaEngine(), MediaPlayer2_Display, this);
    MediaPlayer2->setObjectName(QStringLiteral("MediaPlayer2"));
    const QFont f = arial(15);
    Button_Eloadas_LejatszasSzunet = makeButton(p, QStringLiteral("Button_Eloadas_LejatszasSzunet"),
                                                {224, 448, 73, 25}, QStringLiteral("Lejátszás"), f);
    Button_Eloadas_Vissza = makeButton(p, QStringLiteral("Button_Eloadas_Vissza"), {552, 448, 73, 25},
                                       QStringLiteral("Vissza"), f);
    Button_Eloadas_Vissza->setEnabled(false);
    Button_Modul_Eloadas_Bezar = makeButton(p, QStringLiteral("Button_Modul_Eloadas_Bezar"), {648, 32, 75, 25},
                                            QStringLiteral("Bezár"), f);
    p->hide();
}

void TForm1::createWordIndexPanel()
{
    Panel_Szomutato = makePanel(this, QStringLiteral("Panel_Szomutato"), {712, 40, 761, 505},
                                colorFromValue(colors::Window));
    QWidget* p = Panel_Szomutato;
    const QColor cream = colorFromValue(colors::Cream);
    const QColor lightBlue = colorFromValue(colors::LightBlue);
    Label_Szomutato_Cim = makeLabel(p, QStringLiteral("Label_Szomutato_Cim"), {32, 24, 174, 43},
                                    QStringLiteral("Szómutató"), gentium(-37, true), lightBlue);
    Label_Szomutato_Leiras = makeLabel(
        p, QStringLiteral("Label_Szomutato_Leiras"), {32, 72, 504, 72},
        QStringLiteral("Ez itt a teljes szókészlet. A szűrő segítségével szűkíthetsz a szavak listáján – mivel ez "
                       "a szavak belsejében is keres, használhatod egyes betűkapcsolatok (pl. 'ea', 'ou') "
                       "különböző lehetséges kiejtésének vizsgálatára. A listában megjelenített szavakat kettős "
                       "kattintással is lejátszhatod."),
        gentium(-15), cream, Label::Sizing::Wrap);
    Label_Szomutato_Talalatok = makeLabel(p, QStringLiteral("Label_Szomutato_Talalatok"), {32, 176, 80, 22},
                                          QStringLiteral("Találatok:"), arial(-19), cream);
    Label_Szomutato_Szuro = makeLabel(p, QStringLiteral("Label_Szomutato_Szuro"), {288, 176, 77, 22},
                                      QStringLiteral("Keresés:"), arial(-19), cream);
    Label_Szomutato_Hang = makeLabel(p, QStringLiteral("Label_Szomutato_Hang"), {288, 260, 49, 22},
                                     QStringLiteral("Hang:"), arial(-19), cream);
    Image_IPA_2 = new ImageControl(p, QStringLiteral("Image_IPA_2"), {288, 291, 85, 50});
    Image_IPA_2->setMinimumSize(75, 50);
    Label_Szomutato_Magyar = makeLabel(p, QStringLiteral("Label_Szomutato_Magyar"), {288, 361, 137, 22},
                                       QStringLiteral("Magyar jelentés:"), arial(-19), cream);
    Label_Szomutato_Magyar_Ertek = makeLabel(p, QStringLiteral("Label_Szomutato_Magyar_Ertek"), {288, 393, 0, 0},
                                             QString(), arial(-15), lightBlue);
    Image_Szomutato_Hanglejatszas =
        new ImageControl(p, QStringLiteral("Image_Szomutato_Hanglejatszas"), {292, 437, 36, 32});
    Image_Szomutato_Hanglejatszas->setMinimumSize(32, 32);
    Image_Szomutato_Hanglejatszas->setHandCursor();

    ListBox_Szomutato = makeListBox(p, QStringLiteral("ListBox_Szomutato"), {32, 204, 217, 265}, arial(-19), 22,
                                    lightBlue);
    Edit_Szomutato_Szuro = makeEdit(p, QStringLiteral("Edit_Szomutato_Szuro"), {288, 204, 217, 28}, arial(-19), cream);
    Button_Modul_Szomutato_Bezar = makeButton(p, QStringLiteral("Button_Modul_Szomutato_Bezar"), {648, 32, 75, 25},
                                              QStringLiteral("Bezár"), arial(15));
    p->hide();
}

void TForm1::createGamePanel()
{
    Panel_Jatek = makePanel(this, QStringLiteral("Panel_Jatek"), {728, 40, 761, 505}, colorFromValue(colors::GameGreen));
    QWidget* p = Panel_Jatek;
    Label_Jatek_Cim = makeLabel(p, QStringLiteral("Label_Jatek_Cim"), {32, 24, 82, 43}, QStringLiteral("Játék"),
                                gentium(-37, true), colorFromValue(colors::Amber));
    Label_Jatek_Leiras = makeLabel(p, QStringLiteral("Label_Jatek_Leiras"), {32, 72, 600, 18},
                                   QStringLiteral("Klasszikus memóriajáték. Találd meg a szópárokat!"), gentium(-15),
                                   colorFromValue(colors::Cream), Label::Sizing::Wrap);
    Label_Jatek_Leiras->setMinimumExtent({600, 0});

    static constexpr int kColumnLeft[5] = {32, 157, 281, 406, 530};
    for (int i = 0; i < 20; ++i) {
        Button_Jatek_[i] = makeButton(p, QStringLiteral("Button_Jatek_%1").arg(i),
                                      {kColumnLeft[i % 5], 112 + 96 * (i / 5), 105, 81}, QString(), arial(-21, true));
        Button_Jatek_[i]->hide();
    }
    Button_Modul_Jatek_Bezar = makeButton(p, QStringLiteral("Button_Modul_Jatek_Bezar"), {648, 32, 75, 25},
                                          QStringLiteral("Bezár"), arial(15));
    Button_Modul_Jatek_UjJatek = makeButton(p, QStringLiteral("Button_Modul_Jatek_UjJatek"), {648, 66, 75, 25},
                                            QStringLiteral("Új játék"), arial(15));
    p->hide();
}

void TForm1::createPracticePanel()
{
    const QColor blue = colorFromValue(colors::PracticeBlue);
    const QColor lightBlue = colorFromValue(colors::LightBlue);
    const QColor cream = colorFromValue(colors::Cream);
    const QColor amber = colorFromValue(colors::Amber);
    Panel_Modul_GyakTeszt = makePanel(this, QStringLiteral("Panel_Modul_GyakTeszt"), {744, 40, 761, 505}, blue);
    QWidget* p = Panel_Modul_GyakTeszt;

    const QString remaining = QStringLiteral("Hátralévő kérdések száma: 9");
    Label_GyakTesztStatusz_s1 = makeLabel(p, QStringLiteral("Label_GyakTesztStatusz_s1"), {32, 452, 189, 17},
                                          remaining, arial(-15), lightBlue);
    Label_GyakTesztStatusz_s2 = makeLabel(p, QStringLiteral("Label_GyakTesztStatusz_s2"), {32, 476, 189, 17},
                                          remaining, arial(-15), lightBlue);
    // The cloaks lie above the status lines: only the strip between them shows.
    Cloak1 = new ShapeControl(p, QStringLiteral("Cloak1"), {0, 408, 761, 45}, blue, blue, false);
    Cloak2 = new ShapeControl(p, QStringLiteral("Cloak2"), {0, 470, 761, 35}, blue, blue, false);

    Label_Modul_GyakTeszt_Cim = makeLabel(p, QStringLiteral("Label_Modul_GyakTeszt_Cim"), {32, 24, 0, 0},
                                          QStringLiteral("Label_Modul_GyakTeszt_Cim"), gentium(-37, true), lightBlue);
    Label_Modul_GyakTeszt_Leiras = makeLabel(p, QStringLiteral("Label_Modul_GyakTeszt_Leiras"), {32, 72, 0, 0},
                                             QStringLiteral("Label_Modul_GyakTeszt_Leiras"), gentium(-15), cream);
    Label_GyakTeszt_Feladat = makeLabel(p, QStringLiteral("Label_GyakTeszt_Feladat"), {32, 128, 284, 22},
                                        QStringLiteral("Melyik szóban ejtjük ezt a hangot?"), arial(-19), amber);
    Label_GyakTeszt_Feladat->setBackgroundColor(blue);

    for (int k = 1; k <= 4; ++k) {
        const int x = 72 + 304 * ((k - 1) % 2);
        const int y = 208 + 128 * ((k - 1) / 2);
        Image_Speaker[k] = new ImageControl(p, QStringLiteral("Image_Speaker_%1").arg(k), {x, y + 10, 36, 32});
        Image_Speaker[k]->setMinimumSize(32, 32);
        Image_Speaker[k]->setHandCursor();
        Label_GyakTeszt_e[k] = makeLabel(p, QStringLiteral("Label_GyakTeszt_e%1").arg(k), {x + 56, y, 0, 0},
                                         QStringLiteral("Label_GyakTeszt_e%1").arg(k), arial(-37, true), amber);
        Label_GyakTeszt_e[k]->setBackgroundColor(blue);
        Label_GyakTeszt_e[k]->setHandCursor();
        Label_GyakTeszt_h[k] = makeLabel(p, QStringLiteral("Label_GyakTeszt_h%1").arg(k), {x, y + 51, 20, 16},
                                         QStringLiteral("HU"), arial(-14, true), cream);
        Label_GyakTeszt_h[k]->setHandCursor();
        Label_GyakTeszt_m[k] = makeLabel(p, QStringLiteral("Label_GyakTeszt_m%1").arg(k), {x + 28, y + 51, 0, 0},
                                         QStringLiteral("Label_GyakTeszt_m%1").arg(k), arial(-12),
                                         colorFromValue(colors::White));
    }

    Image_Sound = new ImageControl(p, QStringLiteral("Image_Sound"), {338, 126, 36, 32});
    Image_Sound->setMinimumSize(32, 32);
    Image_Sound->setPicture(loudspeakerPicture());
    Image_Sound->setHandCursor();
    Image_IPA = new ImageControl(p, QStringLiteral("Image_IPA"), {392, 115, 85, 50});

    Button_Modul_GyakTeszt_Bezar = makeButton(p, QStringLiteral("Button_Modul_GyakTeszt_Bezar"), {648, 32, 75, 25},
                                              QStringLiteral("Bezár"), arial(15));
    Button_GyakTeszt_Tovabb = makeButton(p, QStringLiteral("Button_GyakTeszt_Tovabb"), {646, 292, 75, 25},
                                         QStringLiteral("Tovább"), arial(15));
    // "Tovább" is the panel's default button: the Enter key presses it.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), p);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
        connect(enter, &QShortcut::activated, this, [this] {
            if (Button_GyakTeszt_Tovabb->isVisible() && Button_GyakTeszt_Tovabb->isEnabled())
                Button_GyakTeszt_Tovabb->click();
        });
    }
    p->hide();
}

void TForm1::createResultsPanel()
{
    Panel_Ertekelo = makePanel(this, QStringLiteral("Panel_Ertekelo"), {752, 144, 689, 329},
                               colorFromValue(colors::Cream));
    QWidget* p = Panel_Ertekelo;
    p->setFont(layoutFont(QStringLiteral("MS Sans Serif"), -11, true));
    const QFont f = arial(-13);
    const QColor black = colorFromValue(colors::Black);
    for (int q = 1; q <= 9; ++q) {
        const QPoint at = q <= 5 ? QPoint(40, 48 + 56 * (q - 1)) : QPoint(392, 48 + 56 * (q - 6));
        Label_Number[q] = makeLabel(p, QStringLiteral("Label%1").arg(q), QRect(at, QSize(11, 16)),
                                    QStringLiteral("%1.").arg(q), f, black);
    }
    Label_Number[10] = makeLabel(p, QStringLiteral("Label10"), {385, 272, 18, 16}, QStringLiteral("10."), f, black);

    static constexpr char kOption[4] = {'a', 'b', 'c', 'd'};
    for (int q = 1; q <= 10; ++q) {
        const int base = q <= 5 ? 72 : 424;
        for (int j = 0; j < 4; ++j) {
            const QString name = QStringLiteral("Label%1%2").arg(q).arg(QLatin1Char(kOption[j]));
            Label_Result[q][j] = makeLabel(p, name, {base + 56 * j, 48 + 56 * ((q - 1) % 5), q == 10 ? 52 : 45, 16},
                                           name, f, black);
            Label_Result[q][j]->setHandCursor();
        }
    }
    Shape_Ertekelo = new ShapeControl(p, QStringLiteral("Shape_Ertekelo"), {344, 40, 1, 265},
                                      colorFromValue(colors::White), black, true);
    p->hide();
}

void TForm1::setTabOrders()
{
    // Keyboard focus runs through the control panel, then the module panels
    // in their stacking order, each in its own laid-out tab order.
    QList<QWidget*> chain{ComboBox_Nehezseg,      Button_Inditas_Eloadas, Button_Inditas_Gyakorlat,
                          Button_Inditas_Teszt,   Button_Szomutato,       Button_Jatek,
                          Button_Eloadas_LejatszasSzunet, Button_Eloadas_Vissza, Button_Modul_Eloadas_Bezar,
                          MediaPlayer2_Display,   ListBox_Szomutato,      Edit_Szomutato_Szuro,
                          Button_Modul_Szomutato_Bezar};
    for (QPushButton* b : Button_Jatek_)
        chain << b;
    chain << Button_Modul_Jatek_Bezar << Button_Modul_Jatek_UjJatek << Button_GyakTeszt_Tovabb
          << Button_Modul_GyakTeszt_Bezar;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

} // namespace ejteto
