// Creating the main window: layout, placeholders, then the start-up sequence
// `Betolt`; and `Kilep`, which saves the level when the window closes.
#include "app/error_box.h"
#include "app/paths.h"
#include "app/random_source.h"
#include "app/settings.h"
#include "content/content_rules.h"
#include "content/line_reader.h"
#include "media/jpeg_loader.h"
#include "media/media_player.h"
#include "ui/form1.h"

#include <QCloseEvent>
#include <QSignalBlocker>

namespace ejteto {

TForm1::TForm1(const QString& installDir)
    : QWidget(nullptr), installDir_(installDir.isEmpty() ? currentAppDir() : installDir)
{
    if (!installDir_.endsWith(QLatin1Char('/')))
        installDir_ += QLatin1Char('/');
    createLayout();
    bindEvents();
    // A placeholder that cannot be opened is fatal: the error leaves the
    // constructor and the program ends with the "Application Error" box.
    openPlaceholders();
    runGuarded([this] { Betolt(); });
}

TForm1::~TForm1()
{
    // The filter box's focus handlers belong to this window: removed before
    // the controls go, since the box losing the focus as it is destroyed
    // would otherwise call into a window that is half torn down.
    delete Edit_Szomutato_Szuro->findChild<QObject*>(QStringLiteral("FocusWatcher"), Qt::FindDirectChildrenOnly);
}

void TForm1::openPlaceholders()
{
    // Found beside the executable, not in the working directory, so the
    // program starts from a desktop menu or any folder.
    MediaPlayer1->setFileName(installDir_ + QStringLiteral("media/null.wav"));
    MediaPlayer1->Open();
    MediaPlayer2->setFileName(installDir_ + QStringLiteral("media/null.avi"));
    MediaPlayer2->Open();
}

void TForm1::Betolt()
{
    programRandom().seedFromClock();
    AppDir = installDir_;
    MediaDir = mediaDirOf(AppDir);
    try {
        readLevelSetting();
        loadContentTables();
    } catch (...) {
        // The registries only refer to controls that always exist: filling
        // them even after a failed load keeps every button of the window safe.
        fillRegistries();
        throw;
    }
    fillRegistries();
    loadRegistryPictures();
}

void TForm1::readLevelSetting()
{
    const int32_t v = readLevel(AppDir + QStringLiteral("et.ini"));
    const QSignalBlocker quiet(ComboBox_Nehezseg); // not a learner's change
    ComboBox_Nehezseg->setCurrentIndex(v >= 0 && v < ComboBox_Nehezseg->count() ? v : -1);
    CurrentLevel = ComboBox_Nehezseg->currentIndex();
}

void TForm1::loadContentTables()
{
    loadSoundTable(Content, readTableLines(AppDir + QStringLiteral("sounds.csv")), programRandom());
    loadWordTable(Content, readTableLines(AppDir + QStringLiteral("words.csv")),
                  [this](const QString& word) { ListBox_Szomutato->addItem(word); });
    reportContentFaults(AppDir); // a broken rule is told once; the start goes on
}

void TForm1::fillRegistries()
{
    for (int n = 1; n <= 16; ++n)
        MosaicImages[n] = Image_Mosaic[n];
    ModulePanels = {Panel_Modul_GyakTeszt, Panel_Szomutato, Panel_Jatek, Panel_Modul_Eloadas};
    for (QWidget* panel : ModulePanels)
        panel->move(0, panel->y());
    Panel_Ertekelo->move(32, Panel_Ertekelo->y());
    LauncherButtons = {Button_Inditas_Eloadas, Button_Inditas_Gyakorlat, Button_Inditas_Teszt, Button_Szomutato,
                       Button_Jatek};
    for (int i = 0; i < 4; ++i) {
        AnswerLabels[i] = Label_GyakTeszt_e[i + 1];
        MeaningButtons[i] = Label_GyakTeszt_h[i + 1];
        MeaningLabels[i] = Label_GyakTeszt_m[i + 1];
        SpeakerImages[i] = Image_Speaker[i + 1];
    }
    for (int q = 1; q <= 10; ++q)
        ResultLabels[q] = Label_Result[q];
    StatusLabels = {Label_GyakTesztStatusz_s1, Label_GyakTesztStatusz_s2};
    for (int i = 0; i < 20; ++i)
        GameButtons[i] = Button_Jatek_[i];
}

void TForm1::loadRegistryPictures()
{
    for (int n = 1; n <= 16; ++n)
        loadPicture(MosaicImages[n], inactiveTilePath(AppDir, n));
    for (ImageControl* speaker : SpeakerImages)
        loadPicture(speaker, AppDir + QStringLiteral("/images/speaker_blue.jpg"));
    loadPicture(Image_Szomutato_Hanglejatszas, AppDir + QStringLiteral("/images/speaker_brown.jpg"));
}

void TForm1::loadPicture(ImageControl* image, const QString& path) { image->setPicture(loadJpeg(path)); }

void TForm1::Kilep()
{
    writeLevel(AppDir + QStringLiteral("et.ini"), CurrentLevel);
}

void TForm1::closeEvent(QCloseEvent* e)
{
    // A level that cannot be saved is reported, but never keeps the learner
    // from quitting.
    if (!AppDir.isEmpty())
        runGuarded([this] { Kilep(); });
    e->accept();
}

} // namespace ejteto
