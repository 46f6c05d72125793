// Question sets: the forty words of a run, drawn when it starts, and one
// question placed on the answer labels and in its row of the results table.
#include "content/question_set.h"
#include "ui/form1.h"

namespace ejteto {

void TForm1::PickSoundWords(int sound) { ejteto::PickSoundWords(Content, sound, QuestionGrid[0]); }

void TForm1::BuildQuestionSet(int lesson)
{
    // Every pick goes through the scratch row, so the option rows of the
    // grid are replaced only once all of them are drawn.
    const OptionRows rows =
        BuildOptionRows(Content, lesson, CurrentLesson, CurrentLevel, QuestionGrid[0], programRandom());
    for (size_t k = 0; k < rows.size(); ++k)
        QuestionGrid[k + 1] = rows[k];
    ShowQuestion(1);
}

void TForm1::ShowQuestion(int n)
{
    if (n < 1 || n > kQuestionCount)
        return;
    const auto column = static_cast<size_t>(n - 1);
    const Placement p = DrawPlacement(programRandom());
    for (size_t k = 0; k < kOptionCount; ++k)
        AnswerLabels[static_cast<size_t>(p[k])]->setLabelText(QuestionGrid[k + 1][column]);
    CorrectWord = QuestionGrid[1][column];
    // The results table keeps every option where it was shown.
    const auto& results = ResultLabels[static_cast<size_t>(n)];
    for (size_t k = 0; k < kOptionCount; ++k)
        results[static_cast<size_t>(p[k])]->setLabelText(QuestionGrid[k + 1][column]);
    Label* correct = results[static_cast<size_t>(p[0])];
    correct->setTextColor(colorFromValue(colors::Orange));
    QFont bold = correct->font();
    bold.setBold(true);
    correct->setLabelFont(bold);
}

} // namespace ejteto
