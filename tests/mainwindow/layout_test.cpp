// The window as laid out: every control at its place and size, the colours
// a learner sees in each region, and the registries filled at start.
#include "support/main_window_fixture.h"

#include <QComboBox>
#include <QPushButton>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

enum class Check { Exact, Position, Width };

struct Row {
    const char* name;
    QRect rect; // in the parent's client area
    Check check = Check::Exact;
};

// Every control of the window's fixed layout (after the registry step has moved the panels).
std::vector<Row> layoutRows()
{
    std::vector<Row> rows = {
        {"Panel_IranyitoPult", {0, 0, 761, 40}},
        {"Label_Cimke_Szint", {15, 11, 31, 15}, Check::Position},
        {"ComboBox_Nehezseg", {55, 7, 100, 23}},
        {"Label_Cimke_Modulvalasztas", {190, 11, 37, 15}, Check::Position},
        {"Button_Inditas_Eloadas", {236, 6, 75, 25}},
        {"Button_Inditas_Gyakorlat", {323, 6, 75, 25}},
        {"Button_Inditas_Teszt", {410, 6, 75, 25}},
        {"Label_Cimke_Extra", {519, 11, 33, 15}, Check::Position},
        {"Button_Szomutato", {561, 6, 75, 25}},
        {"Button_Jatek", {648, 6, 75, 25}},
        {"Label_Cim", {510, 171, 220, 89}},
        {"Label_Alcim", {510, 261, 219, 50}, Check::Width},
        {"Label_Bekezdes1", {510, 326, 220, 112}},
        {"Label_Bekezdes2", {510, 449, 220, 88}, Check::Width},
        {"BitBtn1", {510, 495, 25, 25}},
        {"Label_Developer", {510, 495, 98, 30}, Check::Width},
        {"Panel_Modul_Eloadas", {0, 40, 761, 505}},
        {"Panel_Szomutato", {0, 40, 761, 505}},
        {"Panel_Jatek", {0, 40, 761, 505}},
        {"Panel_Modul_GyakTeszt", {0, 40, 761, 505}},
        {"Panel_Ertekelo", {32, 144, 689, 329}},
        {"Shape_Eloadas", {43, 226, 137, 137}},
        {"Label_Modul_Eloadas_Cim", {32, 24, 214, 43}, Check::Position},
        {"Label_Modul_Eloadas_Leiras", {32, 72, 299, 18}, Check::Position},
        {"Image_Mosaic_Eloadas", {57, 239, 110, 110}},
        {"MediaPlayer2", {224, 128, 400, 300}},
        {"Button_Eloadas_LejatszasSzunet", {224, 448, 73, 25}},
        {"Button_Eloadas_Vissza", {552, 448, 73, 25}},
        {"Button_Modul_Eloadas_Bezar", {648, 32, 75, 25}},
        {"Label_Szomutato_Cim", {32, 24, 174, 43}, Check::Position},
        {"Label_Szomutato_Leiras", {32, 72, 504, 72}, Check::Width},
        {"Label_Szomutato_Talalatok", {32, 176, 80, 22}, Check::Position},
        {"Label_Szomutato_Szuro", {288, 176, 77, 22}, Check::Position},
        {"ListBox_Szomutato", {32, 204, 217, 265}},
        {"Edit_Szomutato_Szuro", {288, 204, 217, 28}},
        {"Label_Szomutato_Hang", {288, 260, 49, 22}, Check::Position},
        {"Image_IPA_2", {288, 291, 85, 50}},
        {"Label_Szomutato_Magyar", {288, 361, 137, 22}, Check::Position},
        {"Label_Szomutato_Magyar_Ertek", {288, 393, 0, 0}, Check::Position},
        {"Image_Szomutato_Hanglejatszas", {292, 437, 36, 32}},
        {"Button_Modul_Szomutato_Bezar", {648, 32, 75, 25}},
        {"Label_Jatek_Cim", {32, 24, 82, 43}, Check::Position},
        {"Label_Jatek_Leiras", {32, 72, 600, 18}, Check::Width},
        {"Button_Modul_Jatek_Bezar", {648, 32, 75, 25}},
        {"Button_Modul_Jatek_UjJatek", {648, 66, 75, 25}},
        {"Label_GyakTesztStatusz_s1", {32, 452, 189, 17}, Check::Position},
        {"Label_GyakTesztStatusz_s2", {32, 476, 189, 17}, Check::Position},
        {"Cloak1", {0, 408, 761, 45}},
        {"Cloak2", {0, 470, 761, 35}},
        {"Label_Modul_GyakTeszt_Cim", {32, 24, 0, 0}, Check::Position},
        {"Label_Modul_GyakTeszt_Leiras", {32, 72, 0, 0}, Check::Position},
        {"Label_GyakTeszt_Feladat", {32, 128, 284, 22}, Check::Position},
        {"Image_Sound", {338, 126, 36, 32}},
        {"Image_IPA", {392, 115, 85, 50}},
        {"Button_Modul_GyakTeszt_Bezar", {648, 32, 75, 25}},
        {"Button_GyakTeszt_Tovabb", {646, 292, 75, 25}},
        {"Label10", {385, 272, 18, 16}, Check::Position},
        {"Shape_Ertekelo", {344, 40, 1, 265}},
    };
    static const int columnLeft[5] = {32, 157, 281, 406, 530};
    static std::vector<QByteArray> names; // keeps the generated names alive
    names.clear();
    names.reserve(200);
    auto add = [&](const QString& name, QRect r, Check c) {
        names.push_back(name.toLatin1());
        rows.push_back({nullptr, r, c});
        rows.back().name = names.back().constData();
    };
    for (int n = 1; n <= 16; ++n)
        add(QStringLiteral("Image_Mosaic_%1").arg(n), {15 + 120 * ((n - 1) % 4), 58 + 120 * ((n - 1) / 4), 110, 110},
            Check::Exact);
    for (int i = 0; i < 20; ++i)
        add(QStringLiteral("Button_Jatek_%1").arg(i), {columnLeft[i % 5], 112 + 96 * (i / 5), 105, 81}, Check::Exact);
    for (int k = 1; k <= 4; ++k) {
        const int x = 72 + 304 * ((k - 1) % 2), y = 208 + 128 * ((k - 1) / 2);
        add(QStringLiteral("Image_Speaker_%1").arg(k), {x, y + 10, 36, 32}, Check::Exact);
        add(QStringLiteral("Label_GyakTeszt_e%1").arg(k), {x + 56, y, 0, 0}, Check::Position);
        add(QStringLiteral("Label_GyakTeszt_h%1").arg(k), {x, y + 51, 20, 16}, Check::Position);
        add(QStringLiteral("Label_GyakTeszt_m%1").arg(k), {x + 28, y + 51, 0, 0}, Check::Position);
    }
    for (int q = 1; q <= 9; ++q)
        add(QStringLiteral("Label%1").arg(q), {q <= 5 ? 40 : 392, 48 + 56 * ((q - 1) % 5), 11, 16}, Check::Position);
    for (int q = 1; q <= 10; ++q)
        for (int j = 0; j < 4; ++j)
            add(QStringLiteral("Label%1%2").arg(q).arg(QChar(u'a' + j)),
                {(q <= 5 ? 72 : 424) + 56 * j, 48 + 56 * ((q - 1) % 5), 0, 0}, Check::Position);
    return rows;
}

} // namespace

TEST_F(MainWindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    FormView& f = start();
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Ejteto!"));
    EXPECT_EQ(f.form.size(), QSize(761, 541));
    EXPECT_EQ(f.form.minimumSize(), f.form.maximumSize()) << "the window is not resizable";
    EXPECT_FALSE(f.form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.form.windowFlags() & Qt::WindowMaximizeButtonHint);

    for (const Row& row : layoutRows()) {
        SCOPED_TRACE(row.name);
        auto* w = f.form.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), row.rect.topLeft());
        if (row.check == Check::Exact) {
            EXPECT_EQ(w->size(), row.rect.size());
        } else if (row.check == Check::Width) {
            EXPECT_EQ(w->width(), row.rect.width());
        }
    }
}

TEST_F(MainWindowTest, LabelsThatSizeThemselvesStayCloseToTheirLaidOutSize)
{
    // The Arial substitute is metric-compatible: a self-sizing caption ends up
    // within a few pixels of the size it was laid out with.
    FormView& f = start();
    for (auto [label, laidOut] :
         {std::pair{f.Label_Cimke_Modulvalasztas, QSize(37, 15)}, std::pair{f.Label_Szomutato_Talalatok, QSize(80, 22)},
          std::pair{f.Label_Szomutato_Magyar, QSize(137, 22)}, std::pair{f.Label_Szomutato_Hang, QSize(49, 22)}}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_NEAR(label->width(), laidOut.width(), 8);
        EXPECT_NEAR(label->height(), laidOut.height(), 3);
    }
}

TEST_F(MainWindowTest, ColoursOfEveryRegionOnScreen)
{
    FormView& f = start();
    const QImage g = grab();
    EXPECT_EQ(colorAt(g, {500, 45}), colorFromValue(colors::Window)) << "window background";
    EXPECT_EQ(colorAt(g, {5, 35}), f.form.palette().color(QPalette::Button)) << "control panel face";
    const QColor tile = colorAt(g, {15 + 55, 58 + 55});
    EXPECT_NEAR(tile.red(), kInactiveTile.red(), 6);
    EXPECT_NEAR(tile.green(), kInactiveTile.green(), 6);
    EXPECT_NEAR(tile.blue(), kInactiveTile.blue(), 6);

    // The title "Ejteto!" is drawn in amber somewhere inside its box.
    bool amber = false;
    for (int y = 171; y < 260 && !amber; ++y)
        for (int x = 510; x < 730 && !amber; ++x)
            amber = colorAt(g, {x, y}) == colorFromValue(colors::Amber);
    EXPECT_TRUE(amber);
    // The cream subtitle likewise.
    bool cream = false;
    for (int y = 261; y < 311 && !cream; ++y)
        for (int x = 510; x < 729 && !cream; ++x)
            cream = colorAt(g, {x, y}) == colorFromValue(colors::Cream);
    EXPECT_TRUE(cream);
}

TEST_F(MainWindowTest, PanelsCoverTheWindowInTheirStackingOrder)
{
    FormView& f = start();
    const QList<QWidget*> order{f.BitBtn1,     f.Panel_IranyitoPult,    f.Panel_Modul_Eloadas, f.Panel_Szomutato,
                                f.Panel_Jatek, f.Panel_Modul_GyakTeszt, f.Panel_Ertekelo};
    const QObjectList& children = f.form.children();
    for (qsizetype i = 1; i < order.size(); ++i)
        EXPECT_LT(children.indexOf(order[i - 1]), children.indexOf(order[i]))
            << order[i]->objectName().toStdString() << " lies above " << order[i - 1]->objectName().toStdString();
    for (QWidget* panel :
         {f.Panel_Modul_Eloadas, f.Panel_Szomutato, f.Panel_Jatek, f.Panel_Modul_GyakTeszt, f.Panel_Ertekelo})
        EXPECT_FALSE(panel->isVisible());

    // Module panels lie above every graphic control of the window.
    const qsizetype firstPanel = children.indexOf(f.Panel_Modul_Eloadas);
    EXPECT_LT(children.indexOf(f.Label_Cim), firstPanel);
    EXPECT_LT(children.indexOf(f.Image_Mosaic[16]), firstPanel);
}

TEST_F(MainWindowTest, RegistriesNameTheirControlsInIndexOrder)
{
    FormView& f = start();
    EXPECT_EQ(f.ResultLabels[10][3]->objectName(), QStringLiteral("Label10d"));
    EXPECT_EQ(f.ResultLabels[6][0]->objectName(), QStringLiteral("Label6a"));
    EXPECT_EQ(f.ResultLabels[6][0]->pos(), QPoint(424, 48));
    const QStringList panels{QStringLiteral("Panel_Modul_GyakTeszt"), QStringLiteral("Panel_Szomutato"),
                             QStringLiteral("Panel_Jatek"), QStringLiteral("Panel_Modul_Eloadas")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.ModulePanels[i]->objectName(), panels[i]);
        EXPECT_EQ(f.AnswerLabels[i]->objectName(), QStringLiteral("Label_GyakTeszt_e%1").arg(i + 1));
        EXPECT_EQ(f.MeaningButtons[i]->objectName(), QStringLiteral("Label_GyakTeszt_h%1").arg(i + 1));
        EXPECT_EQ(f.MeaningLabels[i]->objectName(), QStringLiteral("Label_GyakTeszt_m%1").arg(i + 1));
        EXPECT_EQ(f.SpeakerImages[i]->objectName(), QStringLiteral("Image_Speaker_%1").arg(i + 1));
    }
    EXPECT_EQ(f.LauncherButtons[4]->objectName(), QStringLiteral("Button_Jatek"));
    EXPECT_EQ(f.StatusLabels[0]->objectName(), QStringLiteral("Label_GyakTesztStatusz_s1"));
    EXPECT_EQ(f.GameButtons[19]->objectName(), QStringLiteral("Button_Jatek_19"));
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(f.MosaicImages[n]->objectName(), QStringLiteral("Image_Mosaic_%1").arg(n));

    // Pictures: the blue speaker on all four answers, the brown one in the word index.
    for (ImageControl* speaker : f.SpeakerImages)
        EXPECT_NEAR(speaker->picture().pixelColor(18, 16).blue(), kBlueSpeaker.blue(), 8);
    EXPECT_NEAR(f.Image_Szomutato_Hanglejatszas->picture().pixelColor(18, 16).red(), kBrownSpeaker.red(), 8);
}

TEST_F(MainWindowTest, StartsWithNoLessonAndOnlyTheExtraButtonsEnabled)
{
    FormView& f = start();
    EXPECT_EQ(f.ComboBox_Lecke->currentIndex(), 0);
    EXPECT_EQ(f.CurrentLesson, 0);
    for (QPushButton* b : {f.Button_Inditas_Eloadas, f.Button_Inditas_Gyakorlat, f.Button_Inditas_Teszt})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(f.Button_Szomutato->isEnabled());
    EXPECT_TRUE(f.Button_Jatek->isEnabled());
    EXPECT_EQ(f.ComboBox_Lecke->count(), 17);
    EXPECT_EQ(f.ComboBox_Lecke->itemText(16), QStringLiteral("16."));
    EXPECT_EQ(f.ComboBox_Modul->itemText(2), QStringLiteral("Gyakorlat"));
    EXPECT_EQ(f.ComboBox_Nehezseg->itemText(0), QStringLiteral("Könnyű"));
    EXPECT_FALSE(f.ComboBox_Lecke->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}
