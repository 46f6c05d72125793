// F1 opens the bundled help page from both windows and never fails
// silently: a missing page and a desktop that cannot open it are each said
// in a message naming the file. Ctrl+I opens the About window, which is no
// Tab stop, and Esc hides it again.
#include "keyboard_fixture.h"

#include "ui/nevjegy.h"

#include <QDir>

using namespace ejteto;
using namespace ejteto::testing;

TEST_F(KeyboardTest, F1OpensTheHelpPageFromEitherWindowAndSaysWhyWhenItCannot)
{
    FormView& f = startForKeys();
    QList<QUrl> opened;
    bool desktopOpens = true;
    const auto opener = [&](const QUrl& url) {
        opened << url;
        return desktopOpens;
    };
    f.form.setUrlOpener(opener);
    const QString page = QDir::toNativeSeparators(install->file(QStringLiteral("help/index.html")));

    key(Qt::Key_F1);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("A súgó nem található: ") + page + QLatin1Char('.'));
    EXPECT_TRUE(opened.isEmpty());

    QDir().mkpath(install->file(QStringLiteral("help")));
    install->writeText(QStringLiteral("help/index.html"), "<html lang=\"hu\"></html>");
    key(Qt::Key_F1);
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(page)});
    EXPECT_EQ(errors.size(), 1);

    desktopOpens = false; // no opener on the desktop
    key(Qt::Key_F1);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[1], QStringLiteral("Nem sikerült megnyitni a súgót: ") + page + QLatin1Char('.'));

    // The About window: Ctrl+I shows it; there F1 opens the same page and
    // Esc hides it.
    TForm_About about;
    about.setUrlOpener(opener);
    f.form.setAboutWindow(&about);
    desktopOpens = true;
    opened.clear();
    key(Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(about.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    key(Qt::Key_F1);
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(page)});
    key(Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());

    // While a panel covers the About button, Ctrl+I does not reach it.
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    QTest::mouseClick(f.Button_Jatek, Qt::LeftButton);
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(errors.size(), 2);
}
