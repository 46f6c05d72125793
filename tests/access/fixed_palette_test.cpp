// The window draws in its own colours whatever the desktop's theme: under a
// dark application palette, set before the window opens or while it runs,
// the word list, the filter box and the About window's texts look exactly
// as under the light one.
#include "support/main_window_fixture.h"

#include "ui/nevjegy.h"

#include <QApplication>
#include <QTest>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Light text on dark grounds, as dark desktop themes give it.
QPalette darkDesktopPalette()
{
    QPalette p(QColor(0xee, 0xee, 0xee), QColor(0x35, 0x35, 0x35), QColor(0x55, 0x55, 0x55), QColor(0x15, 0x15, 0x15),
               QColor(0x25, 0x25, 0x25), QColor(0xf0, 0xf0, 0xf0), Qt::white, QColor(0x1d, 0x1d, 0x1d),
               QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    return p;
}

struct Looks {
    QImage list, filterBox, about;
};

// Dark ink: the text a learner reads on the light list and boxes.
int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    return n;
}

class FixedPaletteTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        QApplication::setPalette(desktop_);
        MainWindowTest::TearDown();
    }

    // The word index with a filter typed and a row chosen, and the About window.
    FormView& openWithAWordChosen()
    {
        FormView& f = start();
        QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
        QTest::keyClicks(f.Edit_Szomutato_Szuro, QStringLiteral("w1"));
        WordList* list = f.ListBox_Szomutato;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(1).center());
        about_ = std::make_unique<TForm_About>();
        about_->showOver(&f.form);
        QApplication::processEvents();
        return f;
    }
    Looks looks(FormView& f) const
    {
        QApplication::processEvents();
        return {f.ListBox_Szomutato->grab().toImage(), f.Edit_Szomutato_Szuro->grab().toImage(),
                about_->grab().toImage()};
    }

    const QPalette desktop_ = QApplication::palette();
    std::unique_ptr<TForm_About> about_;
};

} // namespace

TEST_F(FixedPaletteTest, ADarkDesktopPaletteChangesNoPixelOfTheListTheFilterBoxOrTheAboutTexts)
{
    const Looks light = looks(openWithAWordChosen());
    ASSERT_GT(darkPixels(light.list), 100) << "the words are dark on the light list";
    ASSERT_GT(darkPixels(light.filterBox), 20);
    ASSERT_GT(darkPixels(light.about), 200);

    // The desktop turns dark while the program runs.
    QApplication::setPalette(darkDesktopPalette());
    const Looks switched = looks(*view);
    EXPECT_EQ(switched.list, light.list);
    EXPECT_EQ(switched.filterBox, light.filterBox);
    EXPECT_EQ(switched.about, light.about);

    // The program starts on a dark desktop.
    about_.reset();
    const Looks dark = looks(openWithAWordChosen());
    EXPECT_EQ(dark.list, light.list);
    EXPECT_EQ(dark.filterBox, light.filterBox);
    EXPECT_EQ(dark.about, light.about);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}
