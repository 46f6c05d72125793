// Practice and test runs on the window's panel: whole runs played with
// clicks, on paper time, to check what every step looks like on screen (the
// run's order itself is tested without a window). With EJTETO_SHOT=<folder>
// a few grabs are saved there for a look by eye.
#include "support/main_window_fixture.h"

#include "support/fake_run_world.h"
#include "ui/controls/draw_symbol_tile.h"

#include <QTest>
#include <functional>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

const QString kRemaining9 = QStringLiteral("Hátralévő kérdések száma: 9");

QColor c(uint32_t value) { return colorFromValue(value); }

class PracticeWindowTest : public MainWindowTest {
protected:
    PracticeWindowTest()
    {
        time.passEvents = true;
        services.pump = &time;
        services.clock = &time;
    }

    // A window on recordings short enough to play whole runs.
    FormView& startRun(int lesson, int level, bool practice)
    {
        TinyInstallOptions o;
        o.recordingMs = 40;
        FormView& f = start(o);
        f.ComboBox_Nehezseg->setCurrentIndex(level);
        QTest::mouseClick(f.Image_Mosaic[lesson], Qt::LeftButton);
        QTest::mouseClick(practice ? f.Button_Inditas_Gyakorlat : f.Button_Inditas_Teszt, Qt::LeftButton);
        return f;
    }

    int placeOf(const QString& text) const
    {
        for (int i = 0; i < 4; ++i)
            if (view->AnswerLabels[static_cast<size_t>(i)]->text() == text)
                return i;
        return -1;
    }
    int rightPlace() const { return placeOf(view->CorrectWord); }
    int wrongPlace() const
    {
        for (int i = 0; i < 4; ++i)
            if (view->AnswerLabels[static_cast<size_t>(i)]->text() != view->CorrectWord)
                return i;
        return -1;
    }

    void shoot(const char* file)
    {
        const QString shots = qEnvironmentVariable("EJTETO_SHOT");
        if (!shots.isEmpty())
            grab().save(shots + QLatin1Char('/') + QLatin1String(file));
    }

    void answer(int place)
    {
        QTest::mouseClick(view->AnswerLabels[static_cast<size_t>(place)], Qt::LeftButton);
        ASSERT_TRUE(view->Button_GyakTeszt_Tovabb->isEnabled());
        QTest::mouseClick(view->Button_GyakTeszt_Tovabb, Qt::LeftButton);
    }

    // After every evaluation and at run start: normal colours, nothing
    // highlighted, "Tovább" disabled, the line in view at its place.
    void expectWaitingForAnAnswer(uint32_t module) const
    {
        EXPECT_FALSE(view->Button_GyakTeszt_Tovabb->isEnabled());
        for (Label* a : view->AnswerLabels) {
            EXPECT_EQ(a->backgroundColor(), c(module)) << a->objectName().toStdString();
            EXPECT_EQ(a->textColor(), c(colors::Amber));
        }
        EXPECT_EQ(view->StatusLabels[0]->y(), 452);
        EXPECT_EQ(view->StatusLabels[1]->y(), 476);
        EXPECT_NE(view->Phase, RunPhase::Judging);
    }

    // Runs `check` at the tenth event pass of the next slide: halfway.
    void duringTheSlide(std::function<void()> check)
    {
        const int at = time.pumps + 10;
        time.onPump = [at, check](int pump) {
            if (pump == at)
                check();
        };
    }

    RunLog log;
    PaperTime time{log};

    void expectResult(int q, int place, uint32_t color, bool bold) const
    {
        Label* r = view->ResultLabels[static_cast<size_t>(q)][static_cast<size_t>(place)];
        EXPECT_EQ(r->textColor(), c(color)) << r->objectName().toStdString();
        EXPECT_EQ(r->font().bold(), bold) << r->objectName().toStdString();
    }
};

} // namespace

TEST_F(PracticeWindowTest, AWholePracticeRunWithOneWrongAttempt)
{
    FormView& f = startRun(5, 1, true);
    shoot("practice_start.png");
    EXPECT_TRUE(f.Panel_Modul_GyakTeszt->isVisible());
    EXPECT_FALSE(f.Panel_Ertekelo->isVisible());
    EXPECT_EQ(f.CurrentModule, ModuleId::Practice);
    EXPECT_EQ(f.ModuleColor, colors::PracticeBlue);
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Cim->text(), QStringLiteral("Gyakorlat: 5. lecke"));
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Leiras->text(), QStringLiteral("Jelölj meg egy választ, majd Tovább!"));
    // The first line is set in place: still the first label, not slid in.
    EXPECT_EQ(f.StatusLabels[0], f.Label_GyakTesztStatusz_s1);
    EXPECT_EQ(f.StatusLabels[0]->text(), kRemaining9);
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Cim->textColor(), c(colors::LightBlue));
    EXPECT_EQ(f.StatusLabels[1]->textColor(), c(colors::LightBlue));
    EXPECT_EQ(f.Panel_Modul_GyakTeszt->palette().color(QPalette::Window), c(colors::PracticeBlue));
    EXPECT_EQ(f.Label_GyakTeszt_Feladat->backgroundColor(), c(colors::PracticeBlue));
    EXPECT_EQ(f.Cloak1->fillColor(), c(colors::PracticeBlue));
    EXPECT_EQ(f.Cloak2->fillColor(), c(colors::PracticeBlue));
    EXPECT_EQ(f.Shape_Ertekelo->outlineColor(), c(colors::PracticeBlue));
    EXPECT_EQ(f.Image_IPA->pos(), QPoint(392, 115));
    EXPECT_TRUE(f.Image_Sound->isVisible());
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(f.SpeakerImages[i]->isVisible());
        EXPECT_TRUE(f.MeaningButtons[i]->isVisible());
        EXPECT_TRUE(f.MeaningLabels[i]->text().isEmpty());
    }
    EXPECT_FALSE(f.Button_Inditas_Gyakorlat->isEnabled()) << "the control panel waits for Bezár";
    expectWaitingForAnAnswer(colors::PracticeBlue);
    // Question 1's right answer is marked in the results table already.
    expectResult(1, rightPlace(), colors::Orange, true);
    expectResult(2, 0, colors::Grey, false);
    // Level 1 on twelve-word sounds: the lesson's word, two copies of one
    // Confusable2 word and a Confusable1 word.
    EXPECT_TRUE(f.CorrectWord.startsWith(QStringLiteral("s5w")));
    EXPECT_EQ(f.QuestionGrid[2][0], f.QuestionGrid[3][0]);
    EXPECT_TRUE(f.QuestionGrid[2][0].startsWith(QStringLiteral("s7w")));
    EXPECT_TRUE(f.QuestionGrid[4][0].startsWith(QStringLiteral("s6w")));

    // The aids: a highlight moves, "HU" shows a meaning, a speaker plays.
    const int wrong = wrongPlace();
    const int right = rightPlace();
    QTest::mouseClick(f.AnswerLabels[static_cast<size_t>(right)], Qt::LeftButton);
    QTest::mouseClick(f.AnswerLabels[static_cast<size_t>(wrong)], Qt::LeftButton);
    EXPECT_EQ(f.SelectedAnswer, wrong);
    EXPECT_EQ(f.AnswerLabels[static_cast<size_t>(right)]->backgroundColor(), c(colors::PracticeBlue));
    EXPECT_EQ(f.AnswerLabels[static_cast<size_t>(wrong)]->backgroundColor(), c(colors::LightBlue));
    EXPECT_EQ(f.AnswerLabels[static_cast<size_t>(wrong)]->textColor(), c(colors::PracticeBlue));
    QTest::mouseClick(f.MeaningButtons[static_cast<size_t>(wrong)], Qt::LeftButton);
    const QString meaning = f.MeaningLabels[static_cast<size_t>(wrong)]->text();
    EXPECT_TRUE(meaning.startsWith(QStringLiteral("jelentés "))) << meaning.toStdString();
    QStringList opened;
    QObject::connect(f.MediaPlayer1, &MediaPlayer::opened, [&](const QString& p) { opened << p; });
    QTest::mouseClick(f.SpeakerImages[static_cast<size_t>(wrong)], Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("words/") + f.AnswerLabels[static_cast<size_t>(wrong)]->text() +
                                   QStringLiteral(".wav")));
    EXPECT_EQ(f.SelectedAnswer, wrong) << "the aids leave the highlight alone";

    // A wrong attempt: red on screen through the slide, counted, same question.
    QStringList arrangement;
    for (Label* a : f.AnswerLabels)
        arrangement << a->text();
    QColor duringSlide;
    duringTheSlide([&] {
        duringSlide = f.AnswerLabels[static_cast<size_t>(wrong)]->backgroundColor();
        shoot("practice_wrong.png");
    });
    QTest::mouseClick(f.Button_GyakTeszt_Tovabb, Qt::LeftButton);
    EXPECT_EQ(duringSlide, c(colors::Wrong));
    EXPECT_EQ(f.WrongCount, 1);
    EXPECT_EQ(f.QuestionNo, 1);
    EXPECT_EQ(f.StatusLabels[0]->text(), QStringLiteral("Nem. Ez egy helytelen válasz: ") + arrangement[wrong] +
                                             QStringLiteral(". Jelölj meg másik válaszlehetőséget!"));
    EXPECT_EQ(f.StatusLabels[0], f.Label_GyakTesztStatusz_s2) << "the lines swapped roles";
    expectResult(1, wrong, colors::Wrong, false);
    QStringList after;
    for (Label* a : f.AnswerLabels)
        after << a->text();
    EXPECT_EQ(after, arrangement);
    EXPECT_EQ(f.MeaningLabels[static_cast<size_t>(wrong)]->text(), meaning);
    expectWaitingForAnAnswer(colors::PracticeBlue);

    // Then right answers to the end.
    std::array<int, 11> rightPlaces{};
    for (int q = 1; q <= 10; ++q) {
        ASSERT_EQ(f.QuestionNo, q);
        rightPlaces[static_cast<size_t>(q)] = rightPlace();
        const QString word = f.CorrectWord;
        answer(rightPlace());
        if (q < 10) {
            EXPECT_EQ(f.StatusLabels[0]->text(), QStringLiteral("Igen. A helyes válasz ez volt: ") + word +
                                                     QStringLiteral(". Hátralévő kérdések száma: %1").arg(9 - q));
            EXPECT_TRUE(f.MeaningLabels[static_cast<size_t>(wrong)]->text().isEmpty()) << "a new question";
            expectWaitingForAnAnswer(colors::PracticeBlue);
        }
    }
    // Question 10 brought no count line: the line before the summary is question 9's.
    EXPECT_EQ(f.StatusLabels[1]->text(), QStringLiteral("Igen. A helyes válasz ez volt: ") + f.QuestionGrid[1][8] +
                                             QStringLiteral(". Hátralévő kérdések száma: 0"));
    EXPECT_EQ(f.StatusLabels[0]->text(), QStringLiteral("A gyakorlat során 1 esetben adtál helytelen választ."));
    shoot("practice_results.png");
    EXPECT_EQ(f.QuestionNo, 11);
    EXPECT_TRUE(f.Panel_Ertekelo->isVisible());
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Leiras->text(),
              QStringLiteral("Eredmények. Lejátszáshoz kattints az egyes szavakra."));
    EXPECT_EQ(f.Image_IPA->pos(), QPoint(635, 442));
    expectWaitingForAnAnswer(colors::PracticeBlue);
    for (int q = 1; q <= 10; ++q)
        for (int i = 0; i < 4; ++i) {
            if (i == rightPlaces[static_cast<size_t>(q)])
                expectResult(q, i, colors::Right, true);
            else if (q == 1 && i == wrong)
                expectResult(q, i, colors::Wrong, false);
            else
                expectResult(q, i, colors::Grey, false);
        }

    // A result word: its symbol tile first, then its recording.
    Label* clicked = f.ResultLabels[1][static_cast<size_t>(wrong)];
    ImageControl expected(nullptr, QStringLiteral("expected"), f.Image_IPA->geometry());
    DrawSymbolTile(&expected, colors::PracticeBlue, colors::Cream, SoundOfWord(f.Content, clicked->text()));
    QImage tileWhenPlaying;
    opened.clear();
    QObject::connect(f.MediaPlayer1, &MediaPlayer::opened, [&] { tileWhenPlaying = f.Image_IPA->picture(); });
    QTest::mouseClick(clicked, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("words/") + clicked->text() + QStringLiteral(".wav")));
    EXPECT_FALSE(tileWhenPlaying.isNull());
    EXPECT_EQ(tileWhenPlaying, expected.picture());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PracticeWindowTest, AWholeTestRunThenANewRunStartsFromScratch)
{
    FormView& f = startRun(3, 2, false);
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Cim->text(), QStringLiteral("Teszt: 3. lecke"));
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Cim->textColor(), c(colors::Orange));
    EXPECT_EQ(f.StatusLabels[0]->textColor(), c(colors::Orange));
    EXPECT_EQ(f.StatusLabels[0]->text(), kRemaining9);
    EXPECT_EQ(f.Panel_Modul_GyakTeszt->palette().color(QPalette::Window), c(colors::TestRed));
    EXPECT_EQ(f.Cloak2->fillColor(), c(colors::TestRed));
    EXPECT_FALSE(f.Image_Sound->isVisible());
    EXPECT_EQ(f.Image_IPA->pos(), QPoint(338, 115));
    EXPECT_EQ(f.Image_IPA->picture().pixelColor(2, 2), c(colors::TestRed));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(f.SpeakerImages[i]->isVisible());
        EXPECT_FALSE(f.MeaningButtons[i]->isVisible());
        EXPECT_FALSE(f.MeaningLabels[i]->isVisible());
    }
    expectWaitingForAnAnswer(colors::TestRed);

    // Right on odd questions, wrong on even ones.
    std::array<int, 11> rightPlaces{}, chosen{};
    for (int q = 1; q <= 10; ++q) {
        ASSERT_EQ(f.QuestionNo, q);
        rightPlaces[static_cast<size_t>(q)] = rightPlace();
        chosen[static_cast<size_t>(q)] = q % 2 == 1 ? rightPlace() : wrongPlace();
        const size_t s = static_cast<size_t>(chosen[static_cast<size_t>(q)]);
        QColor back, text;
        if (q == 1)
            duringTheSlide([&] {
                back = f.AnswerLabels[s]->backgroundColor();
                text = f.AnswerLabels[s]->textColor();
            });
        answer(static_cast<int>(s));
        if (q == 1) {
            EXPECT_EQ(back, c(colors::Amber)) << "a test shows the selection, no verdict";
            EXPECT_EQ(text, c(colors::TestRed));
        }
        if (q < 10) {
            EXPECT_EQ(f.StatusLabels[0]->text(), QStringLiteral("Hátralévő kérdések száma: %1").arg(9 - q));
            expectWaitingForAnAnswer(colors::TestRed);
        }
    }
    EXPECT_EQ(f.StatusLabels[1]->text(), QStringLiteral("Hátralévő kérdések száma: 0"));
    EXPECT_EQ(f.StatusLabels[0]->text(),
              QStringLiteral("A teszt során 5 esetben adtál helyes, és 5 esetben adtál helytelen választ."));
    EXPECT_EQ(f.RightCount + f.WrongCount, 10);
    shoot("test_results.png");
    EXPECT_TRUE(f.Panel_Ertekelo->isVisible());
    expectWaitingForAnAnswer(colors::TestRed);
    for (int q = 1; q <= 10; ++q) {
        const int r = rightPlaces[static_cast<size_t>(q)];
        const int s = chosen[static_cast<size_t>(q)];
        for (int i = 0; i < 4; ++i) {
            if (i == r)
                expectResult(q, i, s == r ? colors::Right : colors::Orange, true);
            else if (i == s)
                expectResult(q, i, colors::Wrong, false);
            else
                expectResult(q, i, colors::Grey, false);
        }
    }

    // Closed, then a practice run: everything set again.
    QTest::mouseClick(f.Button_Modul_GyakTeszt_Bezar, Qt::LeftButton);
    EXPECT_FALSE(f.Panel_Ertekelo->isVisible());
    QTest::mouseClick(f.Button_Inditas_Gyakorlat, Qt::LeftButton);
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Cim->text(), QStringLiteral("Gyakorlat: 3. lecke"));
    EXPECT_EQ(f.Label_Modul_GyakTeszt_Leiras->text(), QStringLiteral("Jelölj meg egy választ, majd Tovább!"));
    EXPECT_EQ(f.QuestionNo, 1);
    EXPECT_EQ(f.RightCount, 0);
    EXPECT_EQ(f.WrongCount, 0);
    EXPECT_EQ(f.StatusLabels[0]->text(), kRemaining9);
    EXPECT_EQ(f.StatusLabels[0]->textColor(), c(colors::LightBlue));
    EXPECT_FALSE(f.Panel_Ertekelo->isVisible());
    EXPECT_EQ(f.Image_IPA->pos(), QPoint(392, 115));
    for (int q = 1; q <= 10; ++q)
        for (int i = 0; i < 4; ++i)
            expectResult(q, i, q == 1 && i == rightPlace() ? colors::Orange : colors::Grey,
                         q == 1 && i == rightPlace());
    expectWaitingForAnAnswer(colors::PracticeBlue);

    // Enter presses "Tovább".
    QTest::mouseClick(f.AnswerLabels[static_cast<size_t>(rightPlace())], Qt::LeftButton);
    f.Button_GyakTeszt_Tovabb->setFocus();
    QTest::keyClick(f.Button_GyakTeszt_Tovabb, Qt::Key_Return);
    EXPECT_EQ(f.QuestionNo, 2);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PracticeWindowTest, ClosingDuringTheSlideEndsTheRunAndALauncherClickThenWaitsForIt)
{
    FormView& f = startRun(2, 1, false);
    const int first = time.pumps;
    time.onPump = [&](int pump) {
        if (pump == first + 5)
            QTest::mouseClick(f.Button_Modul_GyakTeszt_Bezar, Qt::LeftButton);
        if (pump == first + 10) {
            ASSERT_TRUE(f.Button_Inditas_Gyakorlat->isEnabled());
            QTest::mouseClick(f.Button_Inditas_Gyakorlat, Qt::LeftButton);
            EXPECT_EQ(f.CurrentModule, ModuleId::Test) << "no run starts in the middle of the evaluation";
        }
    };
    answer(wrongPlace());
    time.onPump = nullptr;
    // The waiting start came as soon as the evaluation was over.
    EXPECT_FALSE(f.Panel_Ertekelo->isVisible());
    EXPECT_TRUE(f.Panel_Modul_GyakTeszt->isVisible());
    EXPECT_EQ(f.CurrentModule, ModuleId::Practice);
    EXPECT_EQ(f.QuestionNo, 1);
    EXPECT_EQ(f.WrongCount, 0);
    EXPECT_EQ(f.StatusLabels[0]->text(), kRemaining9);
    EXPECT_FALSE(f.Button_Inditas_Teszt->isEnabled());
    expectWaitingForAnAnswer(colors::PracticeBlue);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}
