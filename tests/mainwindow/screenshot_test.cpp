// Each module panel, once shown, covers everything below the control panel
// in its own colour. With EJTETO_SHOT=<folder> the grabs are saved there
// for a look by eye.
#include "support/main_window_fixture.h"

#include "app/color_value.h"

using namespace ejteto;
using namespace ejteto::testing;

TEST_F(MainWindowTest, ModulePanelsCoverTheWindowBelowTheControlPanel)
{
    FormView& f = start();
    const QString shots = qEnvironmentVariable("EJTETO_SHOT");
    if (!shots.isEmpty())
        grab().save(shots + QStringLiteral("/main.png"));

    struct Case {
        QWidget* panel;
        uint32_t color;
        const char* file;
    };
    for (const Case& c :
         {Case{f.Panel_Modul_Eloadas, colors::Black, "lecture.png"},
          Case{f.Panel_Szomutato, colors::Window, "wordindex.png"}, Case{f.Panel_Jatek, colors::GameGreen, "game.png"},
          Case{f.Panel_Modul_GyakTeszt, colors::PracticeBlue, "practice.png"}}) {
        SCOPED_TRACE(c.file);
        c.panel->show();
        if (c.panel == f.Panel_Modul_GyakTeszt)
            f.Panel_Ertekelo->show();
        const QImage g = grab();
        if (!shots.isEmpty())
            g.save(shots + QLatin1Char('/') + QLatin1String(c.file));
        // Where the mosaic and the About button were, the panel's colour shows.
        EXPECT_EQ(colorAt(g, {2, 45}), colorFromValue(c.color));
        EXPECT_EQ(colorAt(g, {520, 530}), colorFromValue(c.color));
        EXPECT_EQ(colorAt(g, {5, 35}), f.form.palette().color(QPalette::Button)) << "the control panel stays in view";
        c.panel->hide();
        f.Panel_Ertekelo->hide();
    }
    f.Panel_Modul_GyakTeszt->show();
    f.Panel_Ertekelo->show();
    const QImage g = grab();
    EXPECT_EQ(colorAt(g, {40, 150}), colorFromValue(colors::Cream)) << "the results table lies above the answers";
    EXPECT_EQ(colorAt(g, {10, 150}), colorFromValue(colors::PracticeBlue));
}
