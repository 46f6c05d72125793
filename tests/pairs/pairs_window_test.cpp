// The pairs game panel driven by clicks: dealing, turning buttons while
// their words play, whole games to the result line, a new game in the
// middle, and content or recordings the game cannot use.
#include "support/main_window_fixture.h"

#include "content/pairs_game.h"
#include "media/media_player.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Notes the text a button had each time it was painted.
class PaintWatch : public QObject {
public:
    QStringList painted;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted << static_cast<QPushButton*>(watched)->text();
        return false;
    }
};

class PairsWindowTest : public MainWindowTest {
protected:
    // Short recordings keep whole games quick.
    FormView& startShort()
    {
        TinyInstallOptions o;
        o.recordingMs = 40;
        FormView& f = start(o);
        programRandom().seed(20240611u);
        return f;
    }

    void openGame(FormView& f, int level)
    {
        f.ComboBox_Nehezseg->setCurrentIndex(level);
        ASSERT_EQ(f.CurrentLevel, level);
        QTest::mouseClick(f.Button_Jatek, Qt::LeftButton);
    }

    static void press(FormView& f, int i) { QTest::mouseClick(f.GameButtons[i], Qt::LeftButton); }

    static int visibleButtons(FormView& f)
    {
        return static_cast<int>(
            std::count_if(f.GameButtons.begin(), f.GameButtons.end(), [](QPushButton* b) { return !b->isHidden(); }));
    }

    // Two visible buttons i != j for which `fits(i, j)` holds; {-1, -1} when none.
    static std::pair<int, int> findButtons(FormView& f, const std::function<bool(int, int)>& fits)
    {
        for (int i = 0; i < kGameButtons; ++i)
            for (int j = 0; j < kGameButtons; ++j)
                if (i != j && !f.GameButtons[i]->isHidden() && !f.GameButtons[j]->isHidden() && fits(i, j))
                    return {i, j};
        return {-1, -1};
    }

    static std::function<bool(int, int)> matching(FormView& f)
    {
        return [&f](int i, int j) { return gameWordsMatch(f.Content, f.CurrentLevel, f.GameWords[i], f.GameWords[j]); };
    }

    static void expectFreshDeal(FormView& f, int level)
    {
        EXPECT_EQ(f.Label_Jatek_Leiras->text(), pairsInstruction(level));
        for (int i = 0; i < kGameButtons; ++i) {
            EXPECT_TRUE(f.GameButtons[i]->isVisible()) << "button " << i;
            EXPECT_TRUE(f.GameButtons[i]->text().isEmpty()) << "button " << i;
        }
        EXPECT_EQ(f.CurrentPress, -1);
        EXPECT_EQ(f.PreviousPress, -1);
        EXPECT_EQ(f.PressCount, 0);
        EXPECT_EQ(f.PairCount, 0);
        EXPECT_EQ(f.StepCount, 0);
        // The buttons carry exactly the dealt words.
        QStringList dealt(f.PairWords.begin(), f.PairWords.end());
        QStringList onButtons(f.GameWords.begin(), f.GameWords.end());
        dealt.sort();
        onButtons.sort();
        EXPECT_EQ(dealt, onButtons);
    }
};

} // namespace

TEST_F(PairsWindowTest, OpeningTheGameDealsTwentyFaceDownButtonsWithTheLevelsInstruction)
{
    FormView& f = startShort();
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        openGame(f, level);
        EXPECT_TRUE(f.Panel_Jatek->isVisible());
        EXPECT_FALSE(f.ComboBox_Nehezseg->isEnabled()) << "the control panel is disabled";
        EXPECT_FALSE(f.Button_Jatek->isEnabled());
        expectFreshDeal(f, level);
        for (int p = 0; p < kGamePairs; ++p)
            EXPECT_TRUE(gameWordsMatch(f.Content, level, f.PairWords[p], f.PairWords[p + kGamePairs]));
        // The last entry of the table never takes part.
        EXPECT_EQ(std::count(f.PairWords.begin(), f.PairWords.end(), TinyInstall::word(16, 12)), 0);
        QTest::mouseClick(f.Button_Modul_Jatek_Bezar, Qt::LeftButton);
        EXPECT_FALSE(f.Panel_Jatek->isVisible());
        EXPECT_TRUE(f.Button_Jatek->isEnabled());
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PairsWindowTest, APressShowsTheWordWhileItPlaysAndBlindLevelShowsAQuestionMark)
{
    FormView& f = startShort();
    for (int level : {0, 2}) {
        SCOPED_TRACE(level);
        openGame(f, level);
        const auto [a, b] = findButtons(f, [&](int i, int j) { return !matching(f)(i, j); });
        ASSERT_GE(a, 0);
        QStringList shownWhilePlaying;
        QStringList paintedWhilePlaying;
        QStringList played;
        PaintWatch paints;
        f.GameButtons[a]->installEventFilter(&paints);
        f.GameButtons[b]->installEventFilter(&paints);
        auto watch = QObject::connect(f.MediaPlayer1, &MediaPlayer::opened, [&](const QString& path) {
            played << path;
            shownWhilePlaying << f.GameButtons[a]->text() + QLatin1Char('|') + f.GameButtons[b]->text();
            paintedWhilePlaying << paints.painted.value(paints.painted.size() - 1);
        });

        press(f, a);
        const QString face = level == 2 ? QStringLiteral("?") : f.GameWords[a];
        EXPECT_EQ(f.GameButtons[a]->text(), face) << "stays turned, waiting for its partner";
        press(f, a);
        EXPECT_EQ(played.size(), 1) << "pressing the turned button again plays nothing";
        EXPECT_EQ(f.PressCount, 1);

        press(f, b);
        QObject::disconnect(watch);
        const QString faceB = level == 2 ? QStringLiteral("?") : f.GameWords[b];
        EXPECT_EQ(shownWhilePlaying, (QStringList{face + QLatin1Char('|'), face + QLatin1Char('|') + faceB}));
        EXPECT_EQ(paintedWhilePlaying, (QStringList{face, faceB})) << "painted before the playback holds the window";
        f.GameButtons[a]->removeEventFilter(&paints);
        f.GameButtons[b]->removeEventFilter(&paints);
        ASSERT_EQ(played.size(), 2);
        EXPECT_TRUE(played[1].endsWith(QStringLiteral("/words/") + f.GameWords[b] + QStringLiteral(".wav")));
        // A miss turns both face-down at once.
        EXPECT_TRUE(f.GameButtons[a]->text().isEmpty());
        EXPECT_TRUE(f.GameButtons[b]->text().isEmpty());
        EXPECT_EQ(f.StepCount, 1);
        EXPECT_EQ(f.CurrentPress, -1);
        QTest::mouseClick(f.Button_Modul_Jatek_Bezar, Qt::LeftButton);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

// Every level's whole game is played without a window; this one shows the
// game on the board and against the real clock.
TEST_F(PairsWindowTest, AWholeGamePlayedByClickingEndsWithTheResultLine)
{
    services.engines = {}; // real recordings against the real clock
    FormView& f = startShort();
    const QRegularExpression result(QStringLiteral("^Elelt idő: (\\d+) másodperc\\. Lépések száma: (\\d+) darab\\.$"));
    for (int level : {2}) {
        SCOPED_TRACE(level);
        openGame(f, level);
        QElapsedTimer clock;
        clock.start();
        int misses = 0;
        if (level == 2) {
            // One miss first: it counts as a step.
            const auto [a, b] = findButtons(f, [&](int i, int j) { return !matching(f)(i, j); });
            ASSERT_GE(a, 0);
            press(f, a);
            press(f, b);
            misses = 1;
        }
        for (int pair = 1; pair <= kGamePairs; ++pair) {
            const auto [a, b] = findButtons(f, matching(f));
            ASSERT_GE(a, 0) << "pair " << pair;
            press(f, a);
            press(f, b);
            EXPECT_TRUE(f.GameButtons[a]->isHidden());
            EXPECT_TRUE(f.GameButtons[b]->isHidden());
            EXPECT_EQ(f.PairCount, pair);
            EXPECT_EQ(visibleButtons(f), kGameButtons - 2 * pair);
        }
        const qint64 tookMs = clock.elapsed();
        EXPECT_EQ(f.StepCount, kGamePairs + misses);
        const QRegularExpressionMatch m = result.match(f.Label_Jatek_Leiras->text());
        ASSERT_TRUE(m.hasMatch()) << f.Label_Jatek_Leiras->text().toStdString();
        EXPECT_EQ(m.captured(2).toInt(), kGamePairs + misses);
        EXPECT_EQ(m.captured(1).toLongLong(), static_cast<qint64>(f.GameSeconds));
        EXPECT_GE(f.GameSeconds * 1000 + 50, static_cast<float>(21 * 40)) << "every recording played";
        EXPECT_LE(f.GameSeconds * 1000, static_cast<float>(tookMs + 1000));
        // A found button cannot be pressed, not even by a stray click.
        QSignalSpy played(f.MediaPlayer1, &MediaPlayer::opened);
        f.Button_Jatek_[0]->click();
        EXPECT_EQ(played.count(), 0);
        EXPECT_EQ(f.PressCount, 0);
        QTest::mouseClick(f.Button_Modul_Jatek_Bezar, Qt::LeftButton);
        EXPECT_EQ(f.Label_Jatek_Leiras->text(), m.captured(0)) << "the result stays until the next deal";
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PairsWindowTest, NewGameInTheMiddleRestoresAllButtonsAndResetsTheCounters)
{
    FormView& f = startShort();
    openGame(f, 1);
    const auto [a, b] = findButtons(f, matching(f));
    press(f, a);
    press(f, b);
    const auto [c, d] = findButtons(f, [](int, int) { return true; });
    press(f, c);
    ASSERT_EQ(f.PairCount, 1);
    ASSERT_EQ(f.PressCount, 1);
    const double firstStart = f.GameStartTime;
    const GameWordArray firstBoard = f.GameWords;

    QTest::qWait(20);
    QTest::mouseClick(f.Button_Modul_Jatek_UjJatek, Qt::LeftButton);
    expectFreshDeal(f, 1);
    EXPECT_GT(f.GameStartTime, firstStart) << "the clock restarts";
    EXPECT_NE(f.GameWords, firstBoard) << "a fresh deal";
    EXPECT_TRUE(f.Panel_Jatek->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PairsWindowTest, ContentWithoutPairsIsReportedAndThePanelStillCloses)
{
    // Every sound has one spelling; level 0 can still play, the sound levels cannot.
    auto tiny = std::make_unique<TinyInstall>(TinyInstallOptions{});
    QByteArray words = "Word;SoundId;Meaning\r\n";
    for (int s = 1; s <= 16; ++s)
        words += TinyInstall::word(s, 1).toLatin1() + ';' + QByteArray::number(s) + ";jelent\xE9s\r\n";
    tiny->writeText(QStringLiteral("words.csv"), words);
    FormView& f = startOn(std::move(tiny));
    // One word per sound breaks the content rules: told once at start.
    ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(errors.takeFirst().startsWith(QStringLiteral("A tartalomtáblák hibásak")));

    for (int level : {1, 2}) {
        openGame(f, level);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_EQ(errors.takeFirst(), QStringLiteral("A szólistában nincs elég szó a játékhoz."));
        EXPECT_TRUE(f.Panel_Jatek->isVisible());
        EXPECT_EQ(visibleButtons(f), 0) << "no half-dealt board";
        QTest::mouseClick(f.Button_Modul_Jatek_Bezar, Qt::LeftButton);
        EXPECT_FALSE(f.Panel_Jatek->isVisible());
        EXPECT_TRUE(f.ComboBox_Nehezseg->isEnabled());
    }
    openGame(f, 0);
    EXPECT_TRUE(errors.isEmpty());
    expectFreshDeal(f, 0);
}

TEST_F(PairsWindowTest, APressWhoseRecordingFailsIsReportedAndTakenBack)
{
    FormView& f = startShort();
    openGame(f, 0);
    // Two buttons of different words; the second word loses its recording.
    const auto [a, b] = findButtons(f, [&](int i, int j) { return f.GameWords[i] != f.GameWords[j]; });
    ASSERT_GE(a, 0);
    QFile::remove(install->file(QStringLiteral("media/words/") + f.GameWords[b] + QStringLiteral(".wav")));

    // As the first press of an attempt.
    press(f, b);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_FALSE(errors.takeFirst().isEmpty());
    EXPECT_TRUE(f.GameButtons[b]->text().isEmpty());
    EXPECT_EQ(f.CurrentPress, -1);
    EXPECT_EQ(f.PreviousPress, -1);
    EXPECT_EQ(f.PressCount, 0);

    // As the second press: the first button stays turned and can be paired.
    press(f, a);
    press(f, b);
    ASSERT_EQ(errors.size(), 1);
    errors.clear();
    EXPECT_TRUE(f.GameButtons[b]->text().isEmpty());
    EXPECT_EQ(f.GameButtons[a]->text(), f.GameWords[a]);
    EXPECT_EQ(f.CurrentPress, a);
    EXPECT_EQ(f.PressCount, 1);
    EXPECT_EQ(f.StepCount, 0);

    const auto [a2, partner] = findButtons(f, [&](int i, int j) { return i == a && f.GameWords[j] == f.GameWords[a]; });
    ASSERT_EQ(a2, a);
    press(f, partner);
    EXPECT_TRUE(f.GameButtons[a]->isHidden());
    EXPECT_TRUE(f.GameButtons[partner]->isHidden());
    EXPECT_EQ(f.PairCount, 1);
    EXPECT_EQ(f.StepCount, 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}
