// The ways beside the fixed window: a learning tool's key and its window's
// Esc, the right-click menu of the tiles and cards (by mouse and by
// Shift+F10), and the focus frame that only the keyboard brings out.
#include "keyboard_fixture.h"

#include "ui/tool_window.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

// Chooses the line that starts with `text`, as Enter in the menu does.
void choose(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->text().startsWith(text)) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            QCoreApplication::processEvents(); // the line's work comes once the menu has closed
            return;
        }
    ADD_FAILURE() << "no line " << text.toStdString();
}

} // namespace

TEST(ToolWindowFirstPlace, IsBesideTheMainWindowNeverOverItsTiles)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize tool(400, 380);
    // Room to the right: there, level with the window's top.
    EXPECT_EQ(placeBeside({100, 80, 767, 570}, tool, screen), QPoint(867, 80));
    // No room to the right: below it, its left edges in line.
    EXPECT_EQ(placeBeside({400, 20, 767, 570}, tool, screen), QPoint(400, 590));
    // Room on neither: left of it, slid up to stay on the screen.
    EXPECT_EQ(placeBeside({480, 700, 767, 320}, tool, screen), QPoint(80, 1024 - 380));
    // Room on no side at all: against the screen's right edge, over the
    // window's titles, inside the screen.
    const QRect small(0, 0, 1024, 700);
    const QPoint last = placeBeside({100, 60, 767, 570}, tool, small);
    EXPECT_EQ(last, QPoint(1024 - 400, 60));
    EXPECT_TRUE(small.contains(QRect(last, tool)));
    EXPECT_GE(last.x(), 100 + 484) << "the mosaic ends at the window's x 484";
}

TEST_F(KeyboardTest, AToolOpensByItsKeyAndByTheMenuAndItsWindowClosesOnEsc)
{
    FormView& f = startForKeys();
    ToolWindow tool(QStringLiteral("Tool"), QStringLiteral("Próba"));
    int opened = 0;
    f.form.tools().addTool({QStringLiteral("Próba"), QKeySequence(Qt::CTRL | Qt::Key_K),
                            [&] {
                                ++opened;
                                tool.showOver(&f.form);
                            },
                            &tool});

    key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    ASSERT_TRUE(tool.isVisible());
    tool.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tool));
    key(Qt::Key_Escape);
    EXPECT_FALSE(tool.isVisible()) << "Esc closes a tool window";

    // A right click on a tile (the event the window system makes of it)
    // lists the keys' ways and the tool.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), f.Image_Mosaic[3]->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.Image_Mosaic[3], &rightClick);
    QPointer<QMenu> menu = f.form.findChild<QMenu*>(QStringLiteral("ControlMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menuTexts(menu), (QStringList{QStringLiteral("Lassú lejátszás\tL, Shift+kattintás"),
                                            QStringLiteral("Felvétel és összehasonlítás\tF, Ctrl+kattintás"),
                                            QStringLiteral("Próba\tCtrl+K")}));
    EXPECT_EQ(f.form.state().CurrentLesson, 0) << "a right click chooses no lesson";
    choose(menu, QStringLiteral("Lassú"));
    EXPECT_TRUE(!menu || !menu->isVisible()) << "choosing a line closes the menu";
    EXPECT_EQ(f.form.state().CurrentLesson, 3) << "slow replay does what the tile's click does";
    ASSERT_FALSE(media->rates.isEmpty());
    EXPECT_LT(media->rates.last(), 1.0);
    ASSERT_TRUE(media->played.last().endsWith(QStringLiteral("/phones/3.wav"))) << media->played.last().toStdString();

    // Shift+F10 opens the same menu on the focused card.
    f.Button_Jatek->click();
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    f.Button_Jatek_[0]->setFocus(Qt::TabFocusReason);
    key(Qt::Key_F10, Qt::ShiftModifier);
    menu = f.form.findChild<QMenu*>(QStringLiteral("ControlMenu"));
    ASSERT_NE(menu, nullptr);
    choose(menu, QStringLiteral("Próba"));
    EXPECT_EQ(opened, 2);
}

TEST_F(KeyboardTest, TheFocusFrameShowsOnlyOnceTheKeyboardIsUsed)
{
    FormView& f = startForKeys();
    QTest::mouseClick(f.Image_Mosaic[1], Qt::LeftButton);
    QTest::mouseClick(f.Button_Inditas_Gyakorlat, Qt::LeftButton);
    EXPECT_NE(focus(), f.Image_Sound) << "a panel opened by the mouse moves no focus";
    f.Image_Sound->setFocus(Qt::OtherFocusReason);
    const QImage byMouse = f.Image_Sound->grab().toImage();
    f.Image_Sound->clearFocus();
    EXPECT_EQ(f.Image_Sound->grab().toImage(), byMouse) << "a mouse learner sees no frame";

    f.Image_Sound->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_F12); // a key that does nothing else
    EXPECT_NE(f.Image_Sound->grab().toImage(), byMouse) << "a keyboard learner sees where the focus is";
    QTest::mousePress(&f.form, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.Image_Sound->grab().toImage(), byMouse) << "the mouse hides the frame again";
}
