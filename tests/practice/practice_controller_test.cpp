// Whole practice and test runs driven through the run controller, without a
// window and without waiting: what each step shows, in which order, and how
// long the window would be held.
#include "content/practice_controller.h"
#include "support/fake_run_world.h"

#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Sixteen sounds of twelve words "s<s>w<k>" in consecutive entries.
ContentTables twelveWordsEach()
{
    ContentTables t;
    t.WordTable.assign(1, szorekord{});
    for (int s = 1; s <= 16; ++s) {
        SoundRecord& r = t.SoundTable[static_cast<size_t>(s)];
        r = {s, 12, s % 16 + 1, (s + 1) % 16 + 1, 0};
        for (int k = 1; k <= 12; ++k)
            t.WordTable.push_back({QStringLiteral("s%1w%2").arg(s).arg(k), s, QStringLiteral("jelentés %1").arg(k)});
    }
    t.WordCount = static_cast<int32_t>(t.WordTable.size()) - 1;
    return t;
}

// The screen of a run, kept in memory.
class ScreenOfRun : public PracticeView {
public:
    explicit ScreenOfRun(RunLog& log) : log_(log) {}

    void prepareRunPanel(RunKind kind) override
    {
        panelKind = kind;
        log_.add(kind == RunKind::Practice ? QStringLiteral("panel practice") : QStringLiteral("panel test"));
    }
    void drawSymbol(int soundId) override { log_.add(QStringLiteral("symbol %1").arg(soundId)); }
    void setTitle(const QString& text) override { title = text; }
    void setInstruction(const QString& text) override { instruction = text; }
    void showQuestion(int n, const std::array<QString, 4>& byPlace, int correctPlace) override
    {
        answers = byPlace;
        results[static_cast<size_t>(n)] = byPlace;
        for (Mark& m : resultMarks[static_cast<size_t>(n)])
            m = Mark::Plain;
        resultMarks[static_cast<size_t>(n)][static_cast<size_t>(correctPlace)] = Mark::MissedRight;
        log_.add(QStringLiteral("question %1").arg(n));
    }
    void paintAnswers(int selected) override
    {
        highlighted = selected;
        verdictPlace = -1;
    }
    void setNextEnabled(bool enabled) override { nextEnabled = enabled; }
    void showVerdict(int place, ResultMark mark) override
    {
        verdictPlace = place;
        verdict = mark;
    }
    void markResult(int question, int place, ResultMark mark) override
    {
        resultMarks[static_cast<size_t>(question)][static_cast<size_t>(place)] =
            mark == ResultMark::Right ? Mark::Right : Mark::Wrong;
    }
    void setMeaning(int place, const QString& text) override { meanings[static_cast<size_t>(place)] = text; }
    void clearMeanings() override { meanings.fill(QString()); }
    void setStatusLineInView(const QString& text) override { lines[inView] = text; }
    void setWaitingStatusLine(const QString& text) override { lines[1 - inView] = text; }
    void stepStatusLines(int direction) override { steps += direction; }
    void parkLeavingStatusLine() override
    {
        ++parked;
        inView = 1 - inView;
        log_.add(QStringLiteral("line ") + lines[inView]);
        // The verdict must still be on screen while the line slides in.
        verdictDuringSlide = verdictPlace;
    }
    void showPanel() override { shown = true; }
    bool panelShown() const override { return shown; }
    void showResults() override
    {
        resultsShown = true;
        log_.add(QStringLiteral("results"));
    }

    int placeOf(const QString& word) const
    {
        for (int p = 0; p < 4; ++p)
            if (answers[static_cast<size_t>(p)] == word)
                return p;
        return -1;
    }

    QString title, instruction;
    std::array<QString, 4> answers{}, meanings{};
    std::array<std::array<QString, 4>, 11> results{};
    enum class Mark { Plain, MissedRight, Right, Wrong };
    std::array<std::array<Mark, 4>, 11> resultMarks{};
    std::array<QString, 2> lines{};
    int inView = 0, steps = 0, parked = 0, highlighted = -1, verdictPlace = -1, verdictDuringSlide = -1;
    ResultMark verdict = ResultMark::Wrong;
    RunKind panelKind = RunKind::Practice;
    bool nextEnabled = true, shown = false, resultsShown = false;

private:
    RunLog& log_;
};

class PracticeControllerTest : public ::testing::Test {
protected:
    void start(RunKind kind, int lesson, int level)
    {
        random.seed(77u);
        run.start(kind, lesson, level, QStringLiteral("Gyakorlat: 5. lecke"));
    }
    int rightPlace() const { return screen.placeOf(run.state().CorrectWord); }
    int wrongPlace() const { return (rightPlace() + 1) % 4; }
    void answer(int place)
    {
        run.Valaszlehetosegmegnyomas(place);
        ASSERT_TRUE(screen.nextEnabled);
        run.Button_GyakTeszt_TovabbClick();
    }
    QString lineInView() const { return screen.lines[static_cast<size_t>(screen.inView)]; }

    ContentTables tables = twelveWordsEach();
    RandomSource random;
    RunLog log;
    NotedPlayer player{log};
    PaperTime time{log};
    ScreenOfRun screen{log};
    PracticeRunController run{tables, random, player, time, time, screen};
};

} // namespace

TEST_F(PracticeControllerTest, AWholePracticeRunCountsEveryWrongAttemptAndHoldsTheWindowAsLong)
{
    start(RunKind::Practice, 5, 1);
    EXPECT_EQ(log.entries.mid(0, 3), (QStringList{"panel practice", "symbol 5", "question 1"}));
    EXPECT_EQ(screen.panelKind, RunKind::Practice);
    EXPECT_EQ(screen.title, QStringLiteral("Gyakorlat: 5. lecke"));
    EXPECT_EQ(screen.instruction, QStringLiteral("Jelölj meg egy választ, majd Tovább!"));
    EXPECT_EQ(lineInView(), QStringLiteral("Hátralévő kérdések száma: 9"));
    EXPECT_EQ(screen.steps, 0) << "the first line is set in place, not slid in";
    EXPECT_EQ(run.state().Phase, RunPhase::Answering);
    EXPECT_TRUE(screen.shown);
    EXPECT_FALSE(screen.nextEnabled);
    EXPECT_EQ(screen.highlighted, -1);

    // The aids leave the highlight alone: a meaning, a word played.
    const int wrong = wrongPlace();
    run.Valaszlehetosegmegnyomas(rightPlace());
    run.Valaszlehetosegmegnyomas(wrong);
    run.showMeaning(wrong);
    run.playAnswer(wrong);
    EXPECT_TRUE(screen.meanings[static_cast<size_t>(wrong)].startsWith(QStringLiteral("jelentés ")));
    EXPECT_EQ(player.words, QStringList{screen.answers[static_cast<size_t>(wrong)]});
    EXPECT_EQ(run.state().SelectedAnswer, wrong);

    // A wrong attempt: red through the slide, counted, the same question.
    const auto arrangement = screen.answers;
    const QString wrongWord = arrangement[static_cast<size_t>(wrong)];
    run.Button_GyakTeszt_TovabbClick();
    EXPECT_EQ(screen.verdictDuringSlide, wrong);
    EXPECT_EQ(screen.verdict, ResultMark::Wrong);
    EXPECT_EQ(screen.resultMarks[1][static_cast<size_t>(wrong)], ScreenOfRun::Mark::Wrong);
    EXPECT_EQ(lineInView(), QStringLiteral("Nem. Ez egy helytelen válasz: ") + wrongWord +
                                QStringLiteral(". Jelölj meg másik válaszlehetőséget!"));
    EXPECT_EQ(run.state().QuestionNo, 1);
    EXPECT_EQ(run.state().WrongCount, 1);
    EXPECT_EQ(screen.answers, arrangement);
    EXPECT_FALSE(screen.meanings[static_cast<size_t>(wrong)].isEmpty()) << "same question, same meanings";
    EXPECT_EQ(screen.highlighted, -1);
    EXPECT_FALSE(screen.nextEnabled);

    // Right answers to the end: a count line after each but the last.
    std::array<int, 11> right{};
    for (int q = 1; q <= 10; ++q) {
        ASSERT_EQ(run.state().QuestionNo, q);
        right[static_cast<size_t>(q)] = rightPlace();
        const QString word = run.state().CorrectWord;
        answer(rightPlace());
        if (q < 10) {
            EXPECT_EQ(lineInView(), QStringLiteral("Igen. A helyes válasz ez volt: ") + word +
                                        QStringLiteral(". Hátralévő kérdések száma: %1").arg(9 - q));
            EXPECT_EQ(screen.verdictDuringSlide, right[static_cast<size_t>(q)]);
            EXPECT_EQ(screen.verdict, ResultMark::Right);
            EXPECT_TRUE(screen.meanings[static_cast<size_t>(wrong)].isEmpty()) << "a new question";
        }
    }
    EXPECT_EQ(run.state().QuestionNo, 11);
    EXPECT_TRUE(screen.resultsShown);
    EXPECT_EQ(screen.instruction, QStringLiteral("Eredmények. Lejátszáshoz kattints az egyes szavakra."));
    EXPECT_EQ(lineInView(), QStringLiteral("A gyakorlat során 1 esetben adtál helytelen választ."));
    EXPECT_EQ(screen.lines[static_cast<size_t>(1 - screen.inView)], QStringLiteral("Igen. A helyes válasz ez volt: ") +
                                                                        run.state().QuestionGrid[1][8] +
                                                                        QStringLiteral(". Hátralévő kérdések száma: 0"))
        << "question 10 brought no count line";
    for (int q = 1; q <= 10; ++q)
        EXPECT_EQ(screen.resultMarks[static_cast<size_t>(q)][static_cast<size_t>(right[static_cast<size_t>(q)])],
                  ScreenOfRun::Mark::Right);
    // The summary slides in after the pause; the run ends waiting for nothing.
    EXPECT_EQ(log.entries.mid(log.entries.size() - 3),
              (QStringList{"sleep 500", "results", QStringLiteral("line ") + lineInView()}));
    EXPECT_EQ(screen.highlighted, -1);
    EXPECT_EQ(run.state().Phase, RunPhase::ShowingResults);
    // Eleven evaluations, each held 500 ms, and eleven slides of 24 steps of
    // 15 ms: the wrong attempt, nine count lines and the summary.
    EXPECT_EQ(time.elapsedMs, 11 * 500 + 11 * 24 * 15);
    EXPECT_EQ(time.pumps, 11 * 24);
}

TEST_F(PracticeControllerTest, AWholeTestRunShowsNoVerdictAndCountsToTen)
{
    start(RunKind::Test, 3, 2);
    EXPECT_EQ(screen.panelKind, RunKind::Test);
    std::array<int, 11> right{}, chosen{};
    for (int q = 1; q <= 10; ++q) {
        right[static_cast<size_t>(q)] = rightPlace();
        chosen[static_cast<size_t>(q)] = q % 2 == 1 ? rightPlace() : wrongPlace();
        answer(chosen[static_cast<size_t>(q)]);
        EXPECT_EQ(screen.verdictDuringSlide, -1) << "a test shows the selection, no verdict";
        if (q < 10) {
            EXPECT_EQ(lineInView(), QStringLiteral("Hátralévő kérdések száma: %1").arg(9 - q));
        }
    }
    EXPECT_EQ(lineInView(),
              QStringLiteral("A teszt során 5 esetben adtál helyes, és 5 esetben adtál helytelen választ."));
    for (int q = 1; q <= 10; ++q) {
        const auto r = static_cast<size_t>(right[static_cast<size_t>(q)]);
        const auto s = static_cast<size_t>(chosen[static_cast<size_t>(q)]);
        const auto& row = screen.resultMarks[static_cast<size_t>(q)];
        EXPECT_EQ(row[r], r == s ? ScreenOfRun::Mark::Right : ScreenOfRun::Mark::MissedRight) << q;
        if (s != r) {
            EXPECT_EQ(row[s], ScreenOfRun::Mark::Wrong) << q;
        }
    }
    // A new run starts from scratch, only the word cursors carry on.
    start(RunKind::Practice, 3, 2);
    EXPECT_EQ(run.state().QuestionNo, 1);
    EXPECT_EQ(run.state().RightCount + run.state().WrongCount, 0);
    EXPECT_EQ(lineInView(), QStringLiteral("Hátralévő kérdések száma: 9"));
}

TEST_F(PracticeControllerTest, ClicksDuringTheSlideStartNoSecondEvaluation)
{
    start(RunKind::Practice, 8, 0);
    const int right = rightPlace();
    const int other = (right + 1) % 4;
    time.onPump = [&](int pump) {
        if (pump != 5)
            return;
        EXPECT_TRUE(run.evaluationRunning());
        run.Valaszlehetosegmegnyomas(other);
        run.Button_GyakTeszt_TovabbClick();
    };
    answer(right);
    time.onPump = nullptr;
    EXPECT_EQ(run.state().QuestionNo, 2) << "one question answered, none skipped";
    EXPECT_EQ(run.state().SelectedAnswer, right);
    EXPECT_EQ(run.state().WrongCount, 0);
    EXPECT_EQ(screen.steps, -kStatusSlideSteps) << "one slide, one step at a time";
    EXPECT_EQ(screen.parked, 1);
    // Once it has ended, answers are taken again.
    run.Valaszlehetosegmegnyomas(other);
    EXPECT_EQ(run.state().SelectedAnswer, other);
    EXPECT_TRUE(screen.nextEnabled);
}

TEST_F(PracticeControllerTest, ClosingDuringTheSlideEndsTheEvaluationWithoutItsPause)
{
    start(RunKind::Test, 2, 1);
    time.onPump = [&](int pump) {
        if (pump == 3)
            screen.shown = false; // "Bezár"
    };
    answer(wrongPlace());
    EXPECT_EQ(log.entries.filter(QStringLiteral("sleep 500")).size(), 0);
    EXPECT_FALSE(screen.resultsShown);
    EXPECT_EQ(screen.highlighted, -1);
    EXPECT_FALSE(screen.nextEnabled);
    EXPECT_EQ(run.state().Phase, RunPhase::Idle) << "the closed panel ended the run";
    EXPECT_EQ(screen.steps, -kStatusSlideSteps) << "the slide still ends where it belongs";
    EXPECT_EQ(screen.parked, 1);
}

TEST_F(PracticeControllerTest, AResultWordShowsItsSymbolBeforeItPlaysAndEmptyPlacesDoNothing)
{
    // No level chosen: two options of every question are empty.
    start(RunKind::Practice, 11, -1);
    const int empty = screen.placeOf(QString());
    ASSERT_GE(empty, 0);
    run.playAnswer(empty);
    run.showMeaning(empty);
    EXPECT_TRUE(player.words.isEmpty());
    EXPECT_TRUE(screen.meanings[static_cast<size_t>(empty)].isEmpty());

    for (int q = 1; q <= 10; ++q)
        answer(rightPlace());
    log.entries.clear();
    const int place = screen.placeOf(run.state().QuestionGrid[2][9]);
    run.ErtekeloSzoLejatszas(10, place);
    run.ErtekeloSzoLejatszas(10, screen.placeOf(QString()));
    run.ErtekeloSzoLejatszas(11, 0);
    const QString word = run.state().QuestionGrid[2][9];
    EXPECT_EQ(log.entries, (QStringList{QStringLiteral("symbol %1").arg(SoundOfWord(tables, word)),
                                        QStringLiteral("play ") + word}));
}

namespace {

struct ReportList : RunObserver {
    void runEnded(const RunReport& run) override { runs.push_back(run); }
    void pairsGameFinished(const PairsGameReport&) override {}
    std::vector<RunReport> runs;
};

} // namespace

TEST_F(PracticeControllerTest, RunsAreReportedOnceFinishedWithEveryAnswerOrAbandoned)
{
    ReportList reports;
    run.setObserver(&reports);
    start(RunKind::Practice, 4, 1);
    std::array<QString, 10> correct{}, firstChoice{};
    for (int q = 1; q <= 10; ++q) {
        correct[static_cast<size_t>(q - 1)] = run.state().CorrectWord;
        if (q == 3) {
            firstChoice[2] = screen.answers[static_cast<size_t>(wrongPlace())];
            answer(wrongPlace());
        } else {
            firstChoice[static_cast<size_t>(q - 1)] = run.state().CorrectWord;
        }
        answer(rightPlace());
    }
    ASSERT_EQ(reports.runs.size(), 1u);
    const RunReport& done = reports.runs[0];
    EXPECT_EQ(done.end, RunEnd::Finished);
    EXPECT_EQ(done.kind, RunKind::Practice);
    EXPECT_EQ(done.lesson, 4);
    EXPECT_EQ(done.level, 1);
    EXPECT_EQ(done.wrongCount, 1);
    ASSERT_EQ(done.questions.size(), 10u);
    for (size_t q = 0; q < 10; ++q) {
        const AskedQuestion& a = done.questions[q];
        EXPECT_EQ(a.offered[static_cast<size_t>(a.correctPlace)], correct[q]) << q;
        EXPECT_EQ(a.offered[static_cast<size_t>(a.chosenPlace)], firstChoice[q]) << q;
        EXPECT_EQ(a.sounds[static_cast<size_t>(a.correctPlace)], 4) << q;
        EXPECT_EQ(a.wrongTries, q == 2 ? 1 : 0) << q;
    }
    run.abandon(); // closing the finished run's panel adds nothing
    EXPECT_EQ(reports.runs.size(), 1u);

    start(RunKind::Test, 6, 0);
    answer(rightPlace());
    run.abandon();
    run.abandon();
    ASSERT_EQ(reports.runs.size(), 2u);
    EXPECT_EQ(reports.runs[1].end, RunEnd::Abandoned);
    EXPECT_EQ(reports.runs[1].rightCount, 1);
    ASSERT_EQ(reports.runs[1].questions.size(), 2u) << "the question on screen is kept, unanswered";
    EXPECT_EQ(reports.runs[1].questions[1].chosenPlace, -1);
}
