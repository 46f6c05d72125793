// F1 opens the bundled help page in the program's own window, from both
// windows, with no browser needed, and never fails silently: a missing page
// is said in a message naming the file. The page is searched with Ctrl+F.
// Ctrl+I opens the About window, which is no Tab stop, and Esc hides it
// again.
#include "keyboard_fixture.h"

#include "ui/help_window.h"
#include "ui/nevjegy.h"

#include <QDir>
#include <QLineEdit>
#include <QTextBrowser>

using namespace ejteto;
using namespace ejteto::testing;

TEST_F(KeyboardTest, F1OpensTheHelpPageInItsOwnWindowFromEitherWindow)
{
    FormView& f = startForKeys();
    const QString page = QDir::toNativeSeparators(install->file(QStringLiteral("help/index.html")));

    key(Qt::Key_F1);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("A súgó nem található: ") + page + QLatin1Char('.'));
    const auto shownHelp = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible())
                return h;
        return static_cast<HelpWindow*>(nullptr);
    };
    EXPECT_EQ(shownHelp(), nullptr);

    QDir().mkpath(install->file(QStringLiteral("help")));
    install->writeText(QStringLiteral("help/index.html"),
                       "<html lang=\"hu\"><body><h1>Súgó</h1><p>Első bekezdés.</p><p>A Tovább gomb.</p></body></html>");
    key(Qt::Key_F1);
    HelpWindow* help = shownHelp();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_TRUE(help->page()->toPlainText().contains(QStringLiteral("Első bekezdés")))
        << "the page itself, not its source";
    EXPECT_EQ(focus(), help->page()) << (focus() ? focus()->objectName().toStdString() : "none");

    // Ctrl+F, a word, Enter: the page shows it selected; a word it does not
    // hold says so.
    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(focus(), help->searchLine());
    QTest::keyClicks(focus(), QStringLiteral("tov"));
    key(Qt::Key_Return);
    EXPECT_EQ(help->page()->textCursor().selectedText(), QStringLiteral("Tov")) << "found whatever the case";
    EXPECT_FALSE(help->find(QStringLiteral("zzz")));
    key(Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(errors.size(), 1);

    // The About window: Ctrl+I shows it; there F1 opens the same help window
    // and Esc hides the About window.
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    TForm_About about;
    f.form.setAboutWindow(&about);
    key(Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(about.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    key(Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    key(Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());

    // While a panel covers the About button, Ctrl+I does not reach it.
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    QTest::mouseClick(f.Button_Jatek, Qt::LeftButton);
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(errors.size(), 1);
}
