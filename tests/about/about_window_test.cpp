// The About window offscreen: layout, look, showing and hiding, placement,
// and the address click.
#include "app/app_error.h"
#include "app/color_value.h"
#include "app/paths.h"
#include "fonts/layout_fonts.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/error_box.h"
#include "ui/nevjegy.h"
#include "ui/nevjegy_texts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <gtest/gtest.h>

using namespace ejteto;

namespace {

struct ControlRow {
    const char* name;
    QRect geometry;
};

// Where every control of the window stands.
const ControlRow kLayout[] = {
    {"Label_Cim", {24, 8, 209, 13}},     {"Label_Developer", {72, 32, 113, 25}},   {"Label_CC", {24, 72, 209, 13}},
    {"Image_CC", {85, 87, 89, 31}},      {"Label_CC_Licence", {24, 120, 209, 25}}, {"Label_Voice", {16, 160, 225, 26}},
    {"Label_Kudos", {24, 200, 209, 17}}, {"Label_Support", {16, 214, 225, 65}},    {"Label_URL", {56, 296, 145, 17}},
    {"Button_Bezar", {91, 328, 75, 25}},
};

const QColor kCream = colorFromValue(colors::Cream);

bool isInk(QRgb c) { return qGray(c) < 110; }
bool isPureBlueInk(QRgb c) { return qBlue(c) > 190 && qRed(c) < 90 && qGreen(c) < 90; }

int count(const QImage& image, QRect area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Runs of pixel rows holding ink: the number of text lines in `area`.
int inkLines(const QImage& image, QRect area)
{
    int lines = 0;
    bool inLine = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = isInk(image.pixel(x, y));
        if (ink && !inLine)
            ++lines;
        inLine = ink;
    }
    return lines;
}

QImage grabOf(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        main_.setGeometry(120, 90, 761, 541);
        main_.show();
        QApplication::processEvents();
        // The address opens only a help page that exists: the program folder
        // of the tests gets one while they run.
        const QString page = currentAppDir() + QStringLiteral("help/index.html");
        if (!QFileInfo::exists(page)) {
            QDir().mkpath(QFileInfo(page).absolutePath());
            QFile f(page);
            placedHelpPage_ = f.open(QIODevice::WriteOnly) && f.write("<html></html>") > 0;
        }
    }
    void TearDown() override
    {
        setErrorSink({});
        if (placedHelpPage_) {
            QFile::remove(currentAppDir() + QStringLiteral("help/index.html"));
            QDir(currentAppDir()).rmdir(QStringLiteral("help"));
        }
    }

    QWidget main_;
    TForm_About about_;
    bool placedHelpPage_ = false;
};

} // namespace

TEST_F(AboutWindow, EveryControlStandsWhereTheLayoutPutsIt)
{
    for (const ControlRow& row : kLayout) {
        auto* w = about_.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_EQ(w->parentWidget(), &about_) << row.name;
        EXPECT_EQ(w->geometry(), row.geometry) << row.name;
    }
    // Showing the window and filling in the list moves nothing.
    about_.showOver(&main_);
    QApplication::processEvents();
    for (const ControlRow& row : kLayout)
        EXPECT_EQ(about_.findChild<QWidget*>(QString::fromLatin1(row.name))->geometry(), row.geometry) << row.name;
}

TEST_F(AboutWindow, WindowIsAFixedStayOnTopToolWindowWithoutTitleBarButtons)
{
    EXPECT_EQ(about_.objectName(), QStringLiteral("Form_About"));
    EXPECT_EQ(about_.windowTitle(), QStringLiteral("Névjegy"));
    EXPECT_FALSE(about_.isVisible()); // created hidden
    const Qt::WindowFlags flags = about_.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about_.minimumSize(), QSize(257, 365));
    EXPECT_EQ(about_.maximumSize(), QSize(257, 365));
    EXPECT_EQ(about_.size(), QSize(257, 365));
    EXPECT_EQ(about_.font().pixelSize(), 11);
    EXPECT_FALSE(about_.windowIcon().isNull());
}

TEST(AboutCaption, IsTheLayoutsAloneWhileTheVersionIsStillTold)
{
    // As the installed program runs: with its version set.
    const QString before = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    const auto restore = qScopeGuard([&] { QCoreApplication::setApplicationVersion(before); });
    QWidget main;
    main.setGeometry(120, 90, 761, 541);
    main.show();
    TForm_About about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Névjegy"));
    about.showOver(&main);
    QApplication::processEvents();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Névjegy"));
    EXPECT_TRUE(about.Button_Bezar->accessibleDescription().contains(QStringLiteral("Változat: 1.0.0.")))
        << about.Button_Bezar->accessibleDescription().toStdString();
}

TEST_F(AboutWindow, TextsAndFontsAreTheLayouts)
{
    EXPECT_EQ(about_.Label_Cim->text(), QStringLiteral("Ejteto!"));
    EXPECT_EQ(about_.Label_Developer->text(), kDeveloperCredit);
    EXPECT_EQ(about_.Label_Kudos->text(), QStringLiteral("Külön köszönet:"));
    EXPECT_EQ(about_.Label_Support->text(), QStringLiteral("Nevek"));
    EXPECT_EQ(about_.Label_URL->text(), QStringLiteral("help/index.html"));
    EXPECT_EQ(about_.Button_Bezar->text(), QStringLiteral("Bezár"));

    for (Label* bold : {about_.Label_Cim, about_.Label_CC, about_.Label_Voice, about_.Label_Kudos}) {
        EXPECT_TRUE(bold->font().bold()) << bold->objectName().toStdString();
        EXPECT_EQ(bold->font().pixelSize(), 11);
    }
    for (Label* plain : {about_.Label_Developer, about_.Label_CC_Licence, about_.Label_Support, about_.Label_URL})
        EXPECT_FALSE(plain->font().bold()) << plain->objectName().toStdString();
    EXPECT_TRUE(about_.Label_URL->font().underline());
    EXPECT_EQ(about_.Label_URL->textColor(), QColor(0, 0, 255));
    EXPECT_EQ(about_.Label_URL->cursor().shape(), Qt::PointingHandCursor);
    for (Label* wraps : {about_.Label_Developer, about_.Label_CC_Licence, about_.Label_Voice, about_.Label_Kudos,
                         about_.Label_Support, about_.Label_URL})
        EXPECT_TRUE(wraps->wordWrap()) << wraps->objectName().toStdString();
    for (const QLabel* l : about_.findChildren<QLabel*>())
        EXPECT_EQ(l->alignment(), Qt::AlignHCenter | Qt::AlignTop) << l->objectName().toStdString();
}

TEST_F(AboutWindow, OnlyTheCloseButtonTakesFocus)
{
    for (const QWidget* w : about_.findChildren<QWidget*>()) {
        if (w == about_.Button_Bezar)
            EXPECT_NE(w->focusPolicy(), Qt::NoFocus);
        else
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
    }
    about_.showOver(&main_);
    QApplication::processEvents();
    EXPECT_EQ(about_.focusWidget(), about_.Button_Bezar);
}

TEST_F(AboutWindow, GrabShowsCreamBackgroundBlueAddressBoldTitleAndBadge)
{
    about_.showOver(&main_);
    QApplication::processEvents();
    const QImage shot = grabOf(about_);
    ASSERT_EQ(shot.size(), QSize(257, 365));

    // Cream around and inside the labels.
    EXPECT_EQ(QColor(shot.pixel(3, 3)), kCream);
    EXPECT_EQ(QColor(shot.pixel(250, 360)), kCream);
    EXPECT_EQ(QColor(shot.pixel(17, 212)), kCream); // Label_Support's corner
    EXPECT_EQ(QColor(shot.pixel(57, 297)), kCream); // Label_URL's corner
    EXPECT_EQ(QColor(shot.pixel(25, 121)), kCream); // Label_CC_Licence's corner

    // The address is written in pure blue and underlined.
    const QRect url = about_.Label_URL->geometry();
    EXPECT_GT(count(shot, url, isPureBlueInk), 40);
    EXPECT_EQ(count(shot, QRect(0, 0, 257, 290), isPureBlueInk), 0);
    int longestBlueRun = 0;
    for (int y = url.top(); y <= url.bottom(); ++y) {
        int run = 0;
        for (int x = url.left(); x <= url.right(); ++x) {
            run = isPureBlueInk(shot.pixel(x, y)) ? run + 1 : 0;
            longestBlueRun = std::max(longestBlueRun, run);
        }
    }
    EXPECT_GT(longestBlueRun, 50); // the underline, unbroken under the text

    // The title is drawn bold: more ink than the same word in the plain face.
    const int titleInk = count(shot, about_.Label_Cim->geometry(), isInk);
    QImage plain(209, 13, QImage::Format_RGB32);
    plain.fill(kCream);
    {
        QPainter p(&plain);
        p.setFont(layoutFont(QStringLiteral("MS Sans Serif"), -11));
        p.setPen(Qt::black);
        p.drawText(plain.rect(), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Ejteto!"));
    }
    const int plainInk = count(plain, plain.rect(), isInk);
    EXPECT_GT(plainInk, 10);
    EXPECT_GT(titleInk, plainInk * 6 / 5);
    // Centred: as much ink left of the middle as right of it, roughly.
    const QRect cim = about_.Label_Cim->geometry();
    const int left = count(shot, QRect(cim.left(), cim.top(), cim.width() / 2, cim.height()), isInk);
    EXPECT_NEAR(left, titleInk - left, titleInk / 4);

    // The badge: black frame at the image's corner, cream in its spare column.
    EXPECT_EQ(QColor(shot.pixel(85, 87)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(172, 117)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(173, 100)), kCream);

    // Line counts: credit two, list four, thanks two.
    EXPECT_EQ(inkLines(shot, about_.Label_Developer->geometry()), 2);
    EXPECT_EQ(inkLines(shot, about_.Label_Support->geometry()), 4);
    EXPECT_EQ(inkLines(shot, about_.Label_Voice->geometry()), 2);
}

TEST_F(AboutWindow, ContributorsReplaceTheLayoutTextOnEveryActivation)
{
    EXPECT_EQ(about_.Label_Support->text(), QStringLiteral("Nevek"));
    about_.showOver(&main_);
    QApplication::processEvents();
    EXPECT_EQ(about_.Label_Support->text(), contributorsList());

    // The learner goes to the main window and comes back.
    about_.Label_Support->setLabelText(QStringLiteral("Nevek"));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&about_, &activate);
    EXPECT_EQ(about_.Label_Support->text(), contributorsList());

    // Hidden and shown again.
    about_.Label_Support->setLabelText(QStringLiteral("Nevek"));
    QTest::mouseClick(about_.Button_Bezar, Qt::LeftButton);
    about_.showOver(&main_);
    QApplication::processEvents();
    EXPECT_EQ(about_.Label_Support->text(), contributorsList());
}

TEST_F(AboutWindow, CloseButtonHidesTheWindowAndTheMainWindowStaysUsable)
{
    about_.showOver(&main_);
    QApplication::processEvents();
    EXPECT_TRUE(about_.isVisible());
    EXPECT_FALSE(about_.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main_.isEnabled());

    QTest::mouseClick(about_.Button_Bezar, Qt::LeftButton);
    EXPECT_FALSE(about_.isVisible());
    EXPECT_TRUE(main_.isVisible());

    // From the keyboard: the focused button answers Enter and the space bar.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        about_.showOver(&main_);
        QApplication::processEvents();
        ASSERT_TRUE(about_.isVisible());
        QTest::keyClick(about_.Button_Bezar, key);
        EXPECT_FALSE(about_.isVisible()) << key;
    }
}

TEST_F(AboutWindow, FirstShowingCentresOverTheMainWindowThenTheLastPlaceIsKept)
{
    about_.showOver(&main_);
    QApplication::processEvents();
    const QRect over = main_.frameGeometry();
    const QRect own = about_.frameGeometry();
    EXPECT_NEAR(own.center().x(), over.center().x(), 1);
    EXPECT_NEAR(own.center().y(), over.center().y(), 1);

    // Showing it again while visible changes nothing, even after the main window moved.
    main_.move(300, 200);
    QApplication::processEvents();
    about_.showOver(&main_);
    QApplication::processEvents();
    EXPECT_EQ(about_.frameGeometry(), own);

    // The learner drags it away, closes it, opens it again: it is where it was left.
    about_.move(40, 30);
    QApplication::processEvents();
    const QPoint left = about_.pos();
    QTest::mouseClick(about_.Button_Bezar, Qt::LeftButton);
    EXPECT_EQ(about_.pos(), left);
    about_.showOver(&main_);
    QApplication::processEvents();
    EXPECT_TRUE(about_.isVisible());
    EXPECT_EQ(about_.pos(), left);
}

TEST_F(AboutWindow, AddressClickOpensTheHelpPageInsideTheProgramFolder)
{
    QList<QUrl> opened;
    about_.setUrlOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    about_.showOver(&main_);
    QApplication::processEvents();

    QTest::mouseClick(about_.Label_URL, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    ASSERT_TRUE(opened[0].isLocalFile()) << opened[0].toString().toStdString();
    const QString expected = QFileInfo(QDir(currentAppDir()), QStringLiteral("help/index.html")).absoluteFilePath();
    EXPECT_EQ(opened[0].toLocalFile(), expected);
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("/help/index.html")));
    EXPECT_TRUE(about_.isVisible());

    // The label's own text is the target.
    about_.Label_URL->setLabelText(QStringLiteral("https://example.org/ejteto/"));
    QTest::mouseClick(about_.Label_URL, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://example.org/ejteto/")));

    // Clicks elsewhere open nothing.
    QTest::mouseClick(about_.Label_Support, Qt::LeftButton);
    QTest::mouseClick(about_.Label_Cim, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(AboutWindow, AFailingOpenIsReportedAndTheWindowStaysAsItWas)
{
    QStringList shown;
    setErrorSink([&](const QString& text) { shown << text; });
    about_.setUrlOpener(
        [](const QUrl&) -> bool { throw AppError(QStringLiteral("EOSError"), QStringLiteral("Nincs böngésző")); });
    about_.showOver(&main_);
    QApplication::processEvents();
    const QPoint where = about_.pos();

    QTest::mouseClick(about_.Label_URL, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Nincs böngésző")));
    EXPECT_TRUE(about_.isVisible());
    EXPECT_EQ(about_.pos(), where);
    // The window goes on working.
    QTest::mouseClick(about_.Button_Bezar, Qt::LeftButton);
    EXPECT_FALSE(about_.isVisible());
}

TEST(AboutInstallation, HelpPageLiesInTheInstallationFolder)
{
    const QByteArray binary = qgetenv("EJTETO_BINARY");
    if (binary.isEmpty())
        GTEST_SKIP() << "EJTETO_BINARY names the built program when run under ctest";
    const QString page = QFileInfo(QString::fromLocal8Bit(binary)).absolutePath() + QStringLiteral("/help/index.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"hu\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\"")));
    for (const char* topic : {"Előadás", "Gyakorlat", "Teszt", "Szómutató", "Játék", "Könnyű", "Közepes", "Nehéz",
                              "et.ini", "GNU General Public License"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(topic))) << topic;
}
