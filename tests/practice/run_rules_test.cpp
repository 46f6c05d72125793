// Judging and counting answers, and the texts of the status line, without
// any window.
#include "app/colors.h"
#include "content/practice_run.h"

#include <gtest/gtest.h>

using namespace ejteto;

TEST(EvaluateAnswer, PracticeCountsEveryWrongAttemptAndMovesOnOnlyWhenRight)
{
    RunCounters c{4, 0, 0};
    for (int attempt = 1; attempt <= 3; ++attempt) {
        const AnswerOutcome wrong = EvaluateAnswer(RunKind::Practice, c, QStringLiteral("cat"), QStringLiteral("Cat"));
        EXPECT_FALSE(wrong.right) << "the comparison heeds case";
        EXPECT_EQ(c.WrongCount, attempt);
        EXPECT_EQ(c.QuestionNo, 4);
        EXPECT_TRUE(wrong.verdictBackground);
        EXPECT_EQ(wrong.statusLine,
                  QStringLiteral("Nem. Ez egy helytelen válasz: cat. Jelölj meg másik válaszlehetőséget!"));
        EXPECT_FALSE(wrong.showNextQuestion || wrong.finished);
    }
    const AnswerOutcome right = EvaluateAnswer(RunKind::Practice, c, QStringLiteral("Cat"), QStringLiteral("Cat"));
    EXPECT_TRUE(right.right);
    EXPECT_EQ(right.statusLine, QStringLiteral("Igen. A helyes válasz ez volt: Cat. Hátralévő kérdések száma: 5"));
    EXPECT_EQ(c.QuestionNo, 5);
    EXPECT_EQ(c.RightCount, 0) << "practice never counts right answers";
    EXPECT_TRUE(right.showNextQuestion);
    EXPECT_EQ(summaryLine(RunKind::Practice, {11, 0, 13}),
              QStringLiteral("A gyakorlat során 13 esetben adtál helytelen választ."));

    // The tenth question brings no line and no green background.
    RunCounters last{10, 0, 2};
    const AnswerOutcome tenth = EvaluateAnswer(RunKind::Practice, last, QStringLiteral("x"), QStringLiteral("x"));
    EXPECT_TRUE(tenth.statusLine.isEmpty());
    EXPECT_FALSE(tenth.verdictBackground);
    EXPECT_TRUE(tenth.finished);
    EXPECT_FALSE(tenth.showNextQuestion);
    EXPECT_EQ(last.QuestionNo, 11);
}

TEST(EvaluateAnswer, TestCountsBothWaysAndOnlyTellsWhatIsLeft)
{
    RunCounters c;
    for (int q = 1; q <= 10; ++q) {
        const bool answerRight = q % 3 != 0;
        const AnswerOutcome o = EvaluateAnswer(
            RunKind::Test, c, answerRight ? QStringLiteral("a") : QStringLiteral("b"), QStringLiteral("a"));
        EXPECT_EQ(o.right, answerRight);
        EXPECT_FALSE(o.verdictBackground) << "a test gives no verdict on the answer";
        EXPECT_EQ(o.statusLine, q < 10 ? QStringLiteral("Hátralévő kérdések száma: %1").arg(9 - q) : QString());
        EXPECT_EQ(c.QuestionNo, q + 1);
        EXPECT_EQ(o.finished, q == 10);
    }
    EXPECT_EQ(c.RightCount, 7);
    EXPECT_EQ(c.WrongCount, 3);
    EXPECT_EQ(summaryLine(RunKind::Test, c),
              QStringLiteral("A teszt során 7 esetben adtál helyes, és 3 esetben adtál helytelen választ."));
}

TEST(RunRules, ColoursByKindAndTableWords)
{
    EXPECT_EQ(runKindOf(ModuleId::Practice), RunKind::Practice);
    EXPECT_EQ(runKindOf(ModuleId::Test), RunKind::Test);
    const RunColors p = runColors(RunKind::Practice);
    const RunColors t = runColors(RunKind::Test);
    EXPECT_EQ(p.module, 9647400u);
    EXPECT_EQ(p.titleText, 16754577u);
    EXPECT_EQ(p.selectedBack, 16754577u);
    EXPECT_EQ(t.module, 660144u);
    EXPECT_EQ(t.titleText, 39167u);
    EXPECT_EQ(t.selectedBack, 52479u);

    ContentTables tables;
    tables.WordTable = {{}, {QStringLiteral("ship"), 2, QStringLiteral("hajó")}};
    tables.WordCount = 1;
    EXPECT_TRUE(isTableWord(tables, QStringLiteral("ship")));
    EXPECT_FALSE(isTableWord(tables, QStringLiteral("Ship")));
    EXPECT_FALSE(isTableWord(tables, QString()));
    tables.WordCount = 9; // claims more than it holds
    EXPECT_FALSE(isTableWord(tables, QStringLiteral("sheep")));
}
