// The word index panel: filtering the list, showing a selected word's
// meaning and symbol, playing it, and the filter box's colours.
#include "support/main_window_fixture.h"

#include "app/colors.h"
#include "media/media_player.h"
#include "ui/controls/draw_symbol_tile.h"

#include <QSignalSpy>
#include <QTest>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Windows-1250 bytes: é = E9, ű = FB, á = E1. Entry 3 has no word; "sea" is
// stored twice with different sounds and meanings.
const QByteArray kWords = "Word;SoundId;Meaning\r\n"
                          "sea;1;tenger\r\n"
                          "bread;3;keny\xE9r\r\n"
                          ";5;\r\n"
                          "great;4;nagyszer\xFB\r\n"
                          "sea;7;tenger m\xE1sodszor\r\n"
                          "cup;9;cs\xE9sze\r\n";

bool looksLike(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 && std::abs(a.blue() - b.blue()) < 8;
}

QStringList rows(const WordList* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->rowText(i);
    return texts;
}

QPoint rowCentre(const WordList* list, int row) { return list->rowRect(row).center(); }

void clickRow(WordList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// The tile the index should show for `sound`, painted on a control of the same size.
QImage expectedTile(int sound)
{
    ImageControl reference(nullptr, QStringLiteral("reference"), {0, 0, 85, 50});
    DrawSymbolTile(&reference, colors::Window, colors::Cream, sound);
    return reference.picture();
}

class WordIndexTest : public MainWindowTest {
protected:
    FormView& openIndex()
    {
        TinyInstallOptions o;
        o.recordingMs = 50;
        auto custom = std::make_unique<TinyInstall>(o);
        custom->writeText(QStringLiteral("words.csv"), kWords);
        for (const char* w : {"sea", "bread", "great", "cup"})
            custom->writeRecording(QStringLiteral("media/words/%1.wav").arg(QLatin1String(w)), 50);
        FormView& f = startOn(std::move(custom));
        // The short word table breaks the content rules; that is told once at start.
        EXPECT_EQ(errors.size(), 1);
        errors.clear();
        QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
        EXPECT_TRUE(f.Panel_Szomutato->isVisible());
        return f;
    }
};

} // namespace

TEST_F(WordIndexTest, FilteringRefillsTheListAndKeepsTheLastShownWord)
{
    FormView& f = openIndex();
    WordList* list = f.ListBox_Szomutato;
    QSignalSpy opened(f.MediaPlayer1, &MediaPlayer::opened);
    ASSERT_EQ(rows(list), (QStringList{"sea", "bread", "great", "sea", "cup"})) << "start-up leaves out empty words";

    clickRow(list, 1);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("kenyér"));
    EXPECT_GT(f.Label_Szomutato_Magyar_Ertek->width(), 0) << "the meaning label sizes itself to its text";
    ASSERT_NE(expectedTile(3), expectedTile(1));
    EXPECT_EQ(f.Image_IPA_2->picture(), expectedTile(3));
    EXPECT_TRUE(opened.isEmpty()) << "selecting alone plays nothing";

    QTest::keyClicks(f.Edit_Szomutato_Szuro, QStringLiteral("EA"));
    EXPECT_EQ(rows(list), (QStringList{"sea", "bread", "great", "sea"}));
    EXPECT_EQ(list->selectedRow(), -1);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("kenyér"));
    EXPECT_EQ(f.Image_IPA_2->picture(), expectedTile(3));

    // With nothing selected the speaker plays nothing.
    QTest::mouseClick(f.Image_Szomutato_Hanglejatszas, Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());

    // The second "sea" shows the first entry's meaning and sound.
    clickRow(list, 3);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("tenger"));
    EXPECT_EQ(f.Image_IPA_2->picture(), expectedTile(1));

    // Keys move the selection as well.
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("nagyszerű"));
    QTest::mouseClick(f.Image_Szomutato_Hanglejatszas, Qt::LeftButton);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_TRUE(opened[0][0].toString().endsWith(QStringLiteral("media/words/great.wav")));

    // Deleting the filter lists every entry, the empty word included.
    f.Edit_Szomutato_Szuro->setFocus();
    QTest::keyClick(f.Edit_Szomutato_Szuro, Qt::Key_Backspace);
    EXPECT_EQ(rows(list), (QStringList{"sea", "bread", "great", "sea"})) << "\"E\" matches the same words";
    QTest::keyClick(f.Edit_Szomutato_Szuro, Qt::Key_Backspace);
    EXPECT_EQ(rows(list), (QStringList{"sea", "bread", "", "great", "sea", "cup"}));

    // The empty row shows its own entry: no meaning, sound 5.
    clickRow(list, 2);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QString());
    EXPECT_EQ(f.Image_IPA_2->picture(), expectedTile(5));

    QTest::keyClicks(f.Edit_Szomutato_Szuro, QStringLiteral("breadbread"));
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(WordIndexTest, ADoubleClickSelectsAndPlaysTheWord)
{
    FormView& f = openIndex();
    WordList* list = f.ListBox_Szomutato;
    QSignalSpy opened(f.MediaPlayer1, &MediaPlayer::opened);
    QSignalSpy finished(f.MediaPlayer1, &MediaPlayer::playFinished);

    // Through the window, as the window system delivers it: press, release,
    // and a second press that becomes the double click.
    const QPoint at = list->viewport()->mapTo(&f.form, rowCentre(list, 2));
    QTest::mouseDClick(f.form.windowHandle(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("nagyszerű"));
    EXPECT_EQ(f.Image_IPA_2->picture(), expectedTile(4));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_TRUE(opened[0][0].toString().endsWith(QStringLiteral("media/words/great.wav")));
    EXPECT_EQ(finished.count(), 1) << "the recording has played to its end";
    EXPECT_FALSE(f.MediaPlayer1->isOpen());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(WordIndexTest, AMissingRecordingIsReportedAndTheDetailsStay)
{
    FormView& f = openIndex();
    QFile::remove(install->file(QStringLiteral("media/words/cup.wav")));
    clickRow(f.ListBox_Szomutato, 4);
    QTest::mouseClick(f.Image_Szomutato_Hanglejatszas, Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(f.ListBox_Szomutato->currentRow(), 4);
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("csésze"));

    // The next word plays normally.
    QSignalSpy finished(f.MediaPlayer1, &MediaPlayer::playFinished);
    clickRow(f.ListBox_Szomutato, 0);
    QTest::mouseClick(f.Image_Szomutato_Hanglejatszas, Qt::LeftButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(WordIndexTest, OpenedByTheMouseTheFilterBoxIsCreamUntilFocusedThenLightBlueOrWhite)
{
    FormView& f = start();
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    QLineEdit* edit = f.Edit_Szomutato_Szuro;
    // A point inside the frame, right of any text.
    const auto background = [edit] {
        return edit->grab().toImage().pixelColor(edit->width() - 12, edit->height() / 2);
    };

    EXPECT_TRUE(looksLike(background(), colorFromValue(colors::Cream))) << background().name().toStdString();
    // Opened by the mouse, the panel moves no focus: the box stays cream as
    // laid out, after a key press elsewhere too.
    QTest::keyClick(&f.form, Qt::Key_F12);
    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    ASSERT_TRUE(f.Panel_Szomutato->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(f.Panel_Szomutato->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(looksLike(background(), colorFromValue(colors::Cream))) << background().name().toStdString();
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_TRUE(looksLike(background(), colorFromValue(colors::LightBlue))) << background().name().toStdString();
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_FALSE(edit->hasFocus());
    EXPECT_TRUE(looksLike(background(), colorFromValue(colors::White))) << background().name().toStdString();
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_TRUE(looksLike(background(), colorFromValue(colors::LightBlue))) << background().name().toStdString();
}

TEST_F(WordIndexTest, ClosingAndReopeningKeepsTheIndexAsItWasLeft)
{
    FormView& f = openIndex();
    clickRow(f.ListBox_Szomutato, 0);
    QTest::keyClicks(f.Edit_Szomutato_Szuro, QStringLiteral("u"));
    QTest::mouseClick(f.Button_Modul_Szomutato_Bezar, Qt::LeftButton);
    EXPECT_FALSE(f.Panel_Szomutato->isVisible());
    EXPECT_TRUE(f.Button_Szomutato->isEnabled());

    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    EXPECT_EQ(f.Edit_Szomutato_Szuro->text(), QStringLiteral("u"));
    EXPECT_EQ(rows(f.ListBox_Szomutato), QStringList{"cup"});
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("tenger"));
}

TEST_F(WordIndexTest, AFocusedFilterBoxLosesItsFocusHandlersBeforeTheWindowIsTornDown)
{
    FormView& f = openIndex();
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    QLineEdit* edit = f.Edit_Szomutato_Szuro;
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());

    // The box loses the focus while it is destroyed; by then the window's
    // handlers must be gone, or they would run on a half-destroyed window.
    struct FocusOutProbe : QObject {
        bool tearingDown = false;
        int handlersLeftAtFocusOut = -1;
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (tearingDown && e->type() == QEvent::FocusOut)
                handlersLeftAtFocusOut = int(watched->findChildren<QObject*>(QStringLiteral("FocusWatcher")).size());
            return false;
        }
    } probe;
    edit->installEventFilter(&probe);
    probe.tearingDown = true;
    form.reset();
    EXPECT_EQ(probe.handlersLeftAtFocusOut, 0);
}
