#include "content/practice_run.h"

#include "app/colors.h"

namespace ejteto {

RunKind runKindOf(ModuleId module) { return module == ModuleId::Practice ? RunKind::Practice : RunKind::Test; }

RunColors runColors(RunKind kind)
{
    if (kind == RunKind::Practice)
        return {colors::PracticeBlue, colors::LightBlue, colors::LightBlue};
    return {colors::TestRed, colors::Orange, colors::Amber};
}

QString remainingQuestionsLine(int remaining)
{
    return QStringLiteral("Hátralévő kérdések száma: ") + QString::number(remaining);
}

AnswerOutcome EvaluateAnswer(RunKind kind, RunCounters& c, const QString& chosen, const QString& correct)
{
    AnswerOutcome out;
    const int q = c.QuestionNo;
    out.right = chosen == correct;
    if (kind == RunKind::Practice) {
        if (!out.right) {
            // The learner tries again on the same question.
            c.WrongCount += 1;
            out.verdictBackground = true;
            out.statusLine = QStringLiteral("Nem. Ez egy helytelen válasz: ") + chosen +
                             QStringLiteral(". Jelölj meg másik válaszlehetőséget!");
            return out;
        }
        if (q < kLastQuestion) {
            out.verdictBackground = true;
            out.statusLine = QStringLiteral("Igen. A helyes válasz ez volt: ") + chosen + QStringLiteral(".") +
                             QStringLiteral(" ") + remainingQuestionsLine(kLastQuestion - 1 - q);
        }
    } else {
        if (out.right)
            c.RightCount += 1;
        else
            c.WrongCount += 1;
        if (q < kLastQuestion)
            out.statusLine = remainingQuestionsLine(kLastQuestion - 1 - q);
    }
    c.QuestionNo = q + 1;
    out.showNextQuestion = c.QuestionNo <= kLastQuestion;
    out.finished = c.QuestionNo > kLastQuestion;
    return out;
}

QString summaryLine(RunKind kind, const RunCounters& c)
{
    if (kind == RunKind::Practice)
        return QStringLiteral("A gyakorlat során ") + QString::number(c.WrongCount) +
               QStringLiteral(" esetben adtál helytelen választ.");
    return QStringLiteral("A teszt során ") + QString::number(c.RightCount) +
           QStringLiteral(" esetben adtál helyes, és ") + QString::number(c.WrongCount) +
           QStringLiteral(" esetben adtál helytelen választ.");
}

bool isTableWord(const ContentTables& t, const QString& word) { return t.firstEntryOfWord(word) != nullptr; }

} // namespace ejteto
