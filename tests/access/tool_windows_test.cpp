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
    ASSERT_EQ(focus(), f.Image_Sound) << "the opened panel gives its first control the focus";
    const QImage byMouse = f.Image_Sound->grab().toImage();
    f.Image_Sound->clearFocus();
    EXPECT_EQ(f.Image_Sound->grab().toImage(), byMouse) << "a mouse learner sees no frame";

    f.Image_Sound->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_F12); // a key that does nothing else
    EXPECT_NE(f.Image_Sound->grab().toImage(), byMouse) << "a keyboard learner sees where the focus is";
    QTest::mousePress(&f.form, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.Image_Sound->grab().toImage(), byMouse) << "the mouse hides the frame again";
}
