// Starting on complete and incomplete installations, the level setting, and
// the program as a separate process (placeholders, exit code).
#include "support/main_window_fixture.h"

#include "app/color_value.h"
#include "media/media_player.h"
#include "support/headless_program.h"
#include "ui/controls/draw_symbol_tile.h"

#include "ui/controls/image_control.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

using namespace ejteto;
using namespace ejteto::testing;

TEST_F(MainWindowTest, AMissingTilePictureIsReportedAndTheWindowStaysUsable)
{
    auto i = std::make_unique<TinyInstall>();
    QFile::remove(i->file(QStringLiteral("images/lecke_i_7.jpg")));
    FormView& f = startOn(std::move(i));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("lecke_i_7.jpg"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot open file \""))) << errors[0].toStdString();
    // Every panel is in place although the pictures stopped at tile 7.
    EXPECT_EQ(f.Panel_Ertekelo->x(), 32);
    EXPECT_EQ(f.Panel_Jatek->x(), 0);
    EXPECT_FALSE(f.MosaicImages[6]->picture().isNull());
    EXPECT_TRUE(f.MosaicImages[8]->picture().isNull());

    // A panel opens and closes, and another tile can be chosen.
    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    QTest::mouseClick(f.Button_Modul_Szomutato_Bezar, Qt::LeftButton);
    EXPECT_TRUE(f.Button_Jatek->isEnabled());
    QTest::mouseClick(f.Image_Mosaic[2], Qt::LeftButton);
    EXPECT_EQ(errors.size(), 2) << "the missing picture is reported again, the click handled";
}

TEST_F(MainWindowTest, MissingSoundTableIsReportedWithItsFullPath)
{
    auto i = std::make_unique<TinyInstall>();
    QFile::remove(i->file(QStringLiteral("sounds.csv")));
    const QString path = i->file(QStringLiteral("sounds.csv"));
    FormView& f = startOn(std::move(i));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path));
    EXPECT_EQ(f.ListBox_Szomutato->count(), 0);
    EXPECT_TRUE(f.MosaicImages[1]->picture().isNull());
}

TEST_F(MainWindowTest, TheWordIndexListsTheTableInFileOrder)
{
    FormView& f = start();
    ASSERT_EQ(f.ListBox_Szomutato->count(), 16 * 12);
    EXPECT_EQ(f.ListBox_Szomutato->rowText(0), TinyInstall::word(1, 1));
    EXPECT_EQ(f.Content.WordCount, 16 * 12);
    EXPECT_EQ(MeaningOfWord(f.Content, TinyInstall::word(3, 2)), QStringLiteral("jelentés 2"));
}

TEST_F(MainWindowTest, LevelIsReadFromTheSettingsAndWrittenBackOnClose)
{
    struct Case {
        QByteArray ini;
        int comboIndex;
    };
    for (const Case& c : {Case{"[user]\nLEVEL=2\n", 2}, Case{"[User]\nLevel=0x1\n", 1}, Case{"[User]\nLevel=abc\n", 0},
                          Case{"[User]\nLevel=5\n", -1}, Case{"", 0}}) {
        SCOPED_TRACE(c.ini.toStdString());
        auto i = std::make_unique<TinyInstall>();
        i->writeText(QStringLiteral("et.ini"), c.ini);
        FormView& f = startOn(std::move(i));
        EXPECT_EQ(f.ComboBox_Nehezseg->currentIndex(), c.comboIndex);
        EXPECT_EQ(f.CurrentLevel, c.comboIndex);
        form.reset();
    }

    FormView& f = start();
    f.ComboBox_Nehezseg->setCurrentIndex(2);
    f.form.close();
    QFile ini(install->file(QStringLiteral("et.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Level=2"));
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses)
{
    FormView& f = start();
    // A folder where the settings file should be: no user rights make that writable.
    QDir(install->dir()).mkdir(QStringLiteral("et.ini"));
    f.ComboBox_Nehezseg->setCurrentIndex(1);
    EXPECT_TRUE(f.form.close());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("Unable to write to %1.").arg(install->file(QStringLiteral("et.ini"))));
    EXPECT_FALSE(f.form.isVisible());
}

TEST_F(MainWindowTest, SymbolTilesOnThePracticeAndWordIndexImages)
{
    FormView& f = start();
    DrawSymbolTile(f.Image_IPA, colors::PracticeBlue, colors::Cream, 7);
    const QImage tile = f.Image_IPA->picture();
    ASSERT_EQ(tile.size(), QSize(85, 50));
    EXPECT_EQ(tile.pixelColor(0, 0), colorFromValue(colors::PracticeBlue));
    EXPECT_EQ(tile.pixelColor(84, 49), colorFromValue(colors::PracticeBlue));
    int cream = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 85; ++x)
            cream += tile.pixelColor(x, y) == colorFromValue(colors::Cream);
    EXPECT_GT(cream, 40) << "the glyphs of /eɪ/ are drawn in cream";

    // Sound 10 in the word index, and a second tile replacing the first one completely.
    DrawSymbolTile(f.Image_IPA_2, colors::Window, colors::Cream, 3);
    DrawSymbolTile(f.Image_IPA_2, colors::Window, colors::Cream, 10);
    QImage single = f.Image_IPA_2->picture();
    DrawSymbolTile(f.Image_IPA, colors::Window, colors::Cream, 10);
    EXPECT_EQ(single, f.Image_IPA->picture()) << "nothing of the earlier tile remains";
    EXPECT_EQ(single.pixelColor(84, 0), colorFromValue(colors::Window));
}

namespace {
// Runs a copy of the program that lives in `install`, from `workingDir`,
// closing itself right after start; returns the exit code and what it printed.
std::pair<int, QString> runProgram(const TinyInstall& install, const QString& workingDir)
{
    QProcess p;
    p.setProcessEnvironment(headlessProgramEnvironment());
    p.setWorkingDirectory(workingDir);
    p.start(install.copyProgram(), {});
    if (!p.waitForFinished(60000)) {
        p.kill();
        return {-1, QStringLiteral("did not finish")};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

namespace {

// Every named control of a window as a line: kind, name, place, whether it
// shows, its text, whether it holds a picture, the rows it lists.
QStringList controlsOf(const TForm1& window)
{
    QStringList lines;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        const QRect g = w->geometry();
        QString line = QStringLiteral("%1 %2 %3,%4 %5x%6 %7")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                           .arg(g.x())
                           .arg(g.y())
                           .arg(g.width())
                           .arg(g.height())
                           .arg(w->isVisibleTo(&window) ? QStringLiteral("shown") : QStringLiteral("hidden"));
        if (const auto* label = qobject_cast<const QLabel*>(w))
            line += QStringLiteral(" \"") + label->text() + QLatin1Char('"');
        if (const auto* image = qobject_cast<const ImageControl*>(w))
            line += image->picture().isNull() ? QStringLiteral(" no picture") : QStringLiteral(" picture");
        if (const auto* list = qobject_cast<const QAbstractItemView*>(w); list && list->model())
            for (int row = 0; row < list->model()->rowCount(); ++row)
                line += QLatin1Char(' ') + list->model()->index(row, 0).data().toString();
        lines << line;
    }
    lines.sort();
    return lines;
}

// The names along the keyboard's Tab order, from the focused control round.
QStringList tabOrderOf(const TForm1& window)
{
    QStringList names;
    const QWidget* first = window.focusWidget();
    const QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != nullptr && w != first && names.size() < 400);
    return names;
}

QStringList registryNames(const Registries& r)
{
    QStringList names;
    auto add = [&names](const QObject* o) { names << (o ? o->objectName() : QStringLiteral("(none)")); };
    std::for_each(r.MosaicImages.begin() + 1, r.MosaicImages.end(), add);
    std::for_each(r.ModulePanels.begin(), r.ModulePanels.end(), add);
    std::for_each(r.LauncherButtons.begin(), r.LauncherButtons.end(), add);
    std::for_each(r.AnswerLabels.begin(), r.AnswerLabels.end(), add);
    std::for_each(r.MeaningButtons.begin(), r.MeaningButtons.end(), add);
    std::for_each(r.MeaningLabels.begin(), r.MeaningLabels.end(), add);
    std::for_each(r.SpeakerImages.begin(), r.SpeakerImages.end(), add);
    for (size_t q = 1; q <= 10; ++q)
        std::for_each(r.ResultLabels[q].begin(), r.ResultLabels[q].end(), add);
    std::for_each(r.StatusLabels.begin(), r.StatusLabels.end(), add);
    std::for_each(r.GameButtons.begin(), r.GameButtons.end(), add);
    return names;
}

} // namespace

TEST_F(MainWindowTest, PanelsMadeAfterTheFirstPaintAreThePanelsMadeWithTheWindow)
{
    // On a complete installation, and on one whose speaker pictures are
    // missing (the start reports them and the speakers stay empty).
    for (const bool speakerPictures : {true, false}) {
        SCOPED_TRACE(speakerPictures ? "complete" : "no speaker pictures");
        TinyInstallOptions options;
        options.speakerPictures = speakerPictures;
        start(options);
        const QStringList startErrors = errors;
        const QStringList controls = controlsOf(*form);
        const QStringList tabOrder = tabOrderOf(*form);
        const QStringList registries = registryNames(form->registries());
        form.reset();
        errors.clear();

        // As the program makes it: every file is read and every error shown
        // while the window is made, the hidden panels come after its first
        // paint.
        services.panelsAfterFirstPaint = true;
        TForm1 window(install->dir(), services);
        services.panelsAfterFirstPaint = false;
        EXPECT_EQ(errors, startErrors);
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Panel_Szomutato")), nullptr);
        QSignalSpy painted(&window, &TForm1::firstPainted);
        window.show();
        ASSERT_TRUE(painted.wait());
        EXPECT_EQ(controlsOf(window), controls);
        EXPECT_EQ(tabOrderOf(window), tabOrder);
        EXPECT_EQ(registryNames(window.registries()), registries);
        EXPECT_EQ(errors, startErrors);
    }
}

TEST(ProgramProcess, FindsItsPlaceholdersFromAnyWorkingDirectoryAndSavesTheLevel)
{
    TinyInstall install;
    const auto [code, output] = runProgram(install, QDir::rootPath());
    EXPECT_EQ(code, 0) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("Application Error"))) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("Ejteto!:"))) << output.toStdString();
    QFile ini(install.file(QStringLiteral("et.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << "closing the window writes the level";
    EXPECT_TRUE(ini.readAll().contains("Level=0"));
}

TEST(ProgramProcess, APlaceholderThatCannotBeReadEndsTheProgramWithExitCodeOne)
{
    for (const char* placeholder : {"media/null.wav", "media/null.avi"}) {
        for (const bool folder : {false, true}) {
            SCOPED_TRACE(std::string(placeholder) + (folder ? " is a folder" : " is missing"));
            TinyInstall install;
            const QString path = install.file(QString::fromLatin1(placeholder));
            QFile::remove(path);
            if (folder) {
                ASSERT_TRUE(QDir().mkpath(path));
            }
            const auto [code, output] = runProgram(install, install.dir());
            EXPECT_EQ(code, 1);
            EXPECT_TRUE(output.contains(QStringLiteral("Application Error: Exception EMCIDeviceError")))
                << output.toStdString();
            // The media service's own words, as when it opened the file itself.
            const QString reason =
                folder ? QStringLiteral("\"%1\" is a directory.").arg(path) : QStringLiteral("Resource not found.");
            EXPECT_TRUE(output.contains(reason)) << output.toStdString();
            EXPECT_FALSE(QFile::exists(install.file(QStringLiteral("et.ini")))) << "no window, no settings written";
        }
    }
}

TEST(ProgramProcess, WritesItsStartMarksWhenABenchmarkAsksForThem)
{
    // The benchmarks stop the program themselves once both marks are there.
    TinyInstall install;
    const QString marksPath = install.file(QStringLiteral("marks.txt"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("EJTETO_ERRORS"), QStringLiteral("stderr"));
    env.insert(QStringLiteral("EJTETO_BENCH_MARKS"), marksPath);
    p.setProcessEnvironment(env);
    p.start(install.copyProgram(), {});
    QList<QByteArray> lines;
    const bool both = QTest::qWaitFor(
        [&] {
            QFile marks(marksPath);
            lines = marks.open(QIODevice::ReadOnly) ? marks.readAll().trimmed().split('\n') : QList<QByteArray>();
            return lines.size() >= 2 || p.state() == QProcess::NotRunning;
        },
        60000);
    p.kill();
    p.waitForFinished();
    ASSERT_TRUE(both) << "no marks within a minute";
    ASSERT_EQ(lines.size(), 2) << p.readAllStandardError().toStdString();
    ASSERT_TRUE(lines[0].startsWith("mapped ")) << lines[0].toStdString();
    ASSERT_TRUE(lines[1].startsWith("painted ")) << lines[1].toStdString();
    const qint64 mapped = lines[0].mid(7).toLongLong();
    EXPECT_GT(mapped, 0);
    EXPECT_GE(lines[1].mid(8).toLongLong(), mapped) << "painted after the window was mapped";
}
