// Whole sessions with the keyboard alone: a lesson chosen in the mosaic and
// a practice run to its results, a word looked up in the index, a pairs game
// to its end. Each panel takes the focus when it opens and gives it back to
// its button when it closes.
#include "keyboard_fixture.h"

#include "media/media_player.h"

#include <QFileInfo>
#include <QSignalSpy>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// The recordings the hidden player opened, by file name without ".wav".
class HeardRecordings {
public:
    explicit HeardRecordings(MediaPlayer* player)
    {
        QObject::connect(player, &MediaPlayer::opened,
                         [this](const QString& path) { heard_ << QFileInfo(path).completeBaseName(); });
    }
    // What was heard since the last call.
    QStringList take() { return std::exchange(heard_, {}); }

private:
    QStringList heard_;
};

} // namespace

TEST_F(KeyboardTest, APracticeRunFromTheMosaicToTheResultsByKeys)
{
    FormView& f = startForKeys();
    HeardRecordings heard(f.MediaPlayer1);
    EXPECT_EQ(focus(), f.ComboBox_Nehezseg) << "the window opens on its first stop";

    // The mosaic is one stop after the control panel; the arrows walk it.
    tabTo(f.Image_Mosaic[1]);
    for (int k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down})
        key(k);
    EXPECT_EQ(focus(), f.Image_Mosaic[6]) << "an edge holds the focus";
    key(Qt::Key_Space);
    EXPECT_EQ(f.CurrentLesson, 6);
    EXPECT_EQ(heard.take(), QStringList{"6"});
    key(Qt::Key_R);
    EXPECT_EQ(heard.take(), QStringList{"6"}) << "R replays the lesson's vowel";

    // Back to the control panel in one step, then "Gyakorlat" with Enter.
    tabTo(f.Button_Inditas_Gyakorlat, true);
    key(Qt::Key_Return);
    ASSERT_TRUE(f.Panel_Modul_GyakTeszt->isVisible());
    EXPECT_EQ(focus(), f.Image_Sound) << "the panel takes the focus on its first control";

    // Question 1: a wrong answer first, then the right one; R on the chosen
    // answer plays its word.
    const auto placeOf = [&](bool right) {
        for (int i = 0; i < 4; ++i)
            if ((f.AnswerLabels[i]->text() == f.CorrectWord) == right)
                return i;
        return -1;
    };
    key(Qt::Key_1 + placeOf(false));
    EXPECT_EQ(focus(), f.AnswerLabels[placeOf(false)]);
    key(Qt::Key_R);
    EXPECT_EQ(heard.take(), QStringList{f.AnswerLabels[placeOf(false)]->text()});
    key(Qt::Key_Return);
    EXPECT_EQ(f.WrongCount, 1);
    EXPECT_EQ(f.QuestionNo, 1);
    for (int q = 1; q <= 10; ++q) {
        key(Qt::Key_1 + placeOf(true));
        if (q == 5) {
            // "Tovább" itself pressed: the focus comes back to the answers.
            tabTo(f.Button_GyakTeszt_Tovabb);
            key(Qt::Key_Space);
            EXPECT_EQ(focus(), f.AnswerLabels[0]);
        } else {
            key(Qt::Key_Enter);
        }
        ASSERT_EQ(f.QuestionNo, q + 1);
    }

    // The results table: the focus on its first word, R and Space play the
    // focused one, Tab goes on row by row.
    ASSERT_TRUE(f.Panel_Ertekelo->isVisible());
    EXPECT_EQ(focus(), f.ResultLabels[1][0]);
    heard.take();
    key(Qt::Key_R);
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), f.ResultLabels[1][1]);
    key(Qt::Key_Space);
    EXPECT_EQ(heard.take(), (QStringList{f.ResultLabels[1][0]->text(), f.ResultLabels[1][1]->text()}));
    // The arrows walk the table as the grid it is; an edge holds the focus.
    for (int k : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Left})
        key(k);
    EXPECT_EQ(focus(), f.ResultLabels[2][0]);
    key(Qt::Key_Up);
    EXPECT_EQ(focus(), f.ResultLabels[1][0]);

    // Esc closes the panel and the focus is back on the button that opened it.
    key(Qt::Key_Escape);
    EXPECT_FALSE(f.Panel_Modul_GyakTeszt->isVisible());
    EXPECT_EQ(focus(), f.Button_Inditas_Gyakorlat);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(KeyboardTest, ATestRunOffersNoWordOrVowelByKeyEither)
{
    FormView& f = startForKeys();
    HeardRecordings heard(f.MediaPlayer1);
    tabTo(f.Image_Mosaic[1]);
    key(Qt::Key_Return);
    tabTo(f.Button_Inditas_Teszt, true);
    key(Qt::Key_Space);
    ASSERT_TRUE(f.Panel_Modul_GyakTeszt->isVisible());
    EXPECT_EQ(focus(), f.AnswerLabels[0]) << "no speakers in a test: the first answer is the first stop";
    heard.take();
    key(Qt::Key_3);
    key(Qt::Key_R);
    EXPECT_TRUE(heard.take().isEmpty());
    key(Qt::Key_Return);
    EXPECT_EQ(f.QuestionNo, 2);
}

TEST_F(KeyboardTest, AWordLookedUpAndPlayedInTheIndexByKeys)
{
    FormView& f = startForKeys();
    HeardRecordings heard(f.MediaPlayer1);
    tabTo(f.Button_Szomutato);
    key(Qt::Key_Return);
    ASSERT_TRUE(f.Panel_Szomutato->isVisible());
    ASSERT_EQ(focus(), f.Edit_Szomutato_Szuro) << "typing filters at once";
    QTest::keyClicks(focus(), QStringLiteral("s7w1r")); // letters type, even R
    key(Qt::Key_Backspace);
    EXPECT_EQ(f.Edit_Szomutato_Szuro->text(), QStringLiteral("s7w1"));
    EXPECT_EQ(f.ListBox_Szomutato->count(), 4);
    EXPECT_TRUE(heard.take().isEmpty());

    // Enter on the list plays the row the keys stand on, and shows its meaning.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focus(), f.ListBox_Szomutato);
    key(Qt::Key_Return);
    EXPECT_EQ(heard.take(), QStringList{"s7w1"});
    EXPECT_EQ(f.Label_Szomutato_Magyar_Ertek->text(), QStringLiteral("jelentés 1"));
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    key(Qt::Key_R);
    EXPECT_EQ(heard.take(), (QStringList{"s7w10", "s7w10"}));

    // The speaker of the chosen word follows the laid-out stops.
    tabTo(f.Image_Szomutato_Hanglejatszas);
    key(Qt::Key_Space);
    EXPECT_EQ(heard.take(), QStringList{"s7w10"});

    key(Qt::Key_Escape);
    EXPECT_FALSE(f.Panel_Szomutato->isVisible());
    EXPECT_EQ(focus(), f.Button_Szomutato);
}

TEST_F(KeyboardTest, APairsGamePlayedToItsEndByKeys)
{
    FormView& f = startForKeys();
    tabTo(f.Button_Jatek);
    key(Qt::Key_Space);
    ASSERT_TRUE(f.Panel_Jatek->isVisible());
    EXPECT_EQ(focus(), f.GameButtons[0]);

    // Level 0: the two cards of each word, turned one after the other.
    for (int pair = 0; pair < 10; ++pair) {
        int first = -1, second = -1;
        for (int i = 0; i < 20 && second < 0; ++i)
            for (int j = i + 1; j < 20 && second < 0; ++j)
                if (f.GameButtons[i]->isVisible() && f.GameButtons[j]->isVisible() && f.GameWords[i] == f.GameWords[j])
                    first = i, second = j;
        ASSERT_GE(second, 0);
        tabTo(f.GameButtons[first]);
        key(Qt::Key_Space);
        tabTo(f.GameButtons[second]);
        key(Qt::Key_Return);
        ASSERT_EQ(f.PairCount, pair + 1);
    }
    EXPECT_TRUE(f.Label_Jatek_Leiras->text().startsWith(QStringLiteral("Elelt idő: ")));
    EXPECT_EQ(f.StepCount, 10);

    key(Qt::Key_Escape);
    EXPECT_FALSE(f.Panel_Jatek->isVisible());
    EXPECT_EQ(focus(), f.Button_Jatek);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}
