// Practice and test runs: ten questions on the lesson's vowel, the status
// line that slides into view after every answer, and the results table.
#include "ui/error_box.h"
#include "content/practice_run.h"
#include "content/question_set.h"
#include "draw_symbol_tile.h"
#include "ui/form1.h"
#include "layout_widgets.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <utility>

namespace ejteto {

namespace {

constexpr int kStatusLineStep = 24; // the strip between the cloaks holds one line
constexpr unsigned long kSlideStepMs = 15;
constexpr unsigned long kVerdictPauseMs = 500;

// Marks an evaluation as running for exactly as long as its handler runs,
// however it ends.
class EvaluationScope {
public:
    explicit EvaluationScope(TForm1& f) : f_(f) { f_.EvaluationRunning = true; }
    ~EvaluationScope() { f_.EvaluationRunning = false; }
    EvaluationScope(const EvaluationScope&) = delete;
    EvaluationScope& operator=(const EvaluationScope&) = delete;

private:
    TForm1& f_;
};

void setBold(Label* l, bool bold)
{
    QFont f = l->font();
    f.setBold(bold);
    l->setLabelFont(f);
}

// A launcher click can arrive during a status slide, once "Bezár" has given
// the control panel back. Starting a run there would pull the panel from
// under the evaluation, so the start waits until the evaluation has ended.
bool deferredUntilEvaluationEnds(TForm1& f, QPushButton* launcher, void (TForm1::*start)())
{
    if (!f.EvaluationRunning)
        return false;
    QTimer::singleShot(20, &f, [&f, launcher, start] {
        if (launcher->isEnabled())
            runGuarded([&] { (f.*start)(); });
    });
    return true;
}

// The steps both launchers share, in the order of the practice start.
void setUpRunPanel(TForm1& f, RunKind kind)
{
    const RunColors c = runColors(kind);
    const bool practice = kind == RunKind::Practice;
    f.CurrentModule = practice ? kPracticeModule : kTestModule;
    f.ModuleColor = c.module;
    f.IranyitoPult_Deaktivalas();
    f.Image_Sound->setVisible(practice);
    // The test puts the symbol where the hidden sound image would be.
    f.Image_IPA->move(practice ? 392 : 338, 115);
    DrawSymbolTile(f.Image_IPA, f.ModuleColor, colors::Cream, f.CurrentLesson);
    for (size_t i = 0; i < kOptionCount; ++i) {
        f.SpeakerImages[i]->setVisible(practice);
        f.MeaningButtons[i]->setVisible(practice);
        f.MeaningLabels[i]->setVisible(practice);
    }
    const QColor module = colorFromValue(f.ModuleColor);
    setPanelColor(f.Panel_Modul_GyakTeszt, module);
    f.Label_GyakTeszt_Feladat->setBackgroundColor(module);
    const QColor title = colorFromValue(c.titleText);
    f.Label_Modul_GyakTeszt_Cim->setTextColor(title);
    for (Label* s : f.StatusLabels)
        s->setTextColor(title);
    f.Cloak1->setFillColor(module);
    f.Cloak2->setFillColor(module);
    f.Shape_Ertekelo->setOutlineColor(module);
    for (int q = 1; q <= kLastQuestion; ++q) {
        for (Label* r : f.ResultLabels[static_cast<size_t>(q)]) {
            r->setTextColor(colorFromValue(colors::Grey));
            setBold(r, false);
        }
    }
}

void clearMeanings(TForm1& f)
{
    for (Label* m : f.MeaningLabels)
        m->setLabelText(QString());
}

} // namespace

void TForm1::Button_Inditas_GyakorlatClick()
{
    if (deferredUntilEvaluationEnds(*this, Button_Inditas_Gyakorlat, &TForm1::Button_Inditas_GyakorlatClick))
        return;
    setUpRunPanel(*this, RunKind::Practice);
    GyakTesztInditas();
}

void TForm1::Button_Inditas_TesztClick()
{
    if (deferredUntilEvaluationEnds(*this, Button_Inditas_Teszt, &TForm1::Button_Inditas_TesztClick))
        return;
    setUpRunPanel(*this, RunKind::Test);
    GyakTesztInditas();
}

void TForm1::GyakTesztInditas()
{
    Label_Modul_GyakTeszt_Cim->setLabelText(ComboBox_Modul->itemText(CurrentModule) + QStringLiteral(": ") +
                                            ComboBox_Lecke->currentText() + QStringLiteral(" lecke"));
    Label_Modul_GyakTeszt_Leiras->setLabelText(QStringLiteral("Jelölj meg egy választ, majd Tovább!"));
    QuestionNo = 1;
    RightCount = 0;
    WrongCount = 0;
    StatusLabels[0]->setLabelText(remainingQuestionsLine(kLastQuestion - QuestionNo));
    BuildQuestionSet(CurrentLesson);
    Valaszlehetosegmegnyomas(-1);
    clearMeanings(*this);
    Panel_Modul_GyakTeszt->show();
}

void TForm1::Valaszlehetosegmegnyomas(int index)
{
    // While an evaluation slides its status line, a new highlight would
    // enable "Tovább" and let a second evaluation start inside the first.
    if (index < -1 || index >= kOptionCount || (index >= 0 && EvaluationRunning))
        return;
    const RunColors c = runColors(runKindOf(CurrentModule));
    for (Label* a : AnswerLabels) {
        a->setBackgroundColor(colorFromValue(c.module));
        a->setTextColor(colorFromValue(colors::Amber));
    }
    if (index == -1) {
        Button_GyakTeszt_Tovabb->setEnabled(false);
        return;
    }
    Label* chosen = AnswerLabels[static_cast<size_t>(index)];
    chosen->setBackgroundColor(colorFromValue(c.selectedBack));
    chosen->setTextColor(colorFromValue(c.module));
    SelectedAnswer = index;
    Button_GyakTeszt_Tovabb->setEnabled(true);
}

void TForm1::Image_SpeakerClick(int i)
{
    if (i < 0 || i >= kOptionCount)
        return;
    // With no level chosen two options are empty: there is nothing to play.
    const QString word = AnswerLabels[static_cast<size_t>(i)]->text();
    if (!word.isEmpty())
        Hanglejatszas(word);
}

void TForm1::Label_GyakTeszt_hClick(int i)
{
    if (i < 0 || i >= kOptionCount)
        return;
    const QString word = AnswerLabels[static_cast<size_t>(i)]->text();
    if (!word.isEmpty())
        MeaningLabels[static_cast<size_t>(i)]->setLabelText(MeaningOfWord(Content, word));
}

void TForm1::Button_GyakTeszt_TovabbClick()
{
    if (EvaluationRunning || QuestionNo < 1 || QuestionNo > kLastQuestion || SelectedAnswer < 0 ||
        SelectedAnswer >= kOptionCount)
        return;
    EvaluationScope running(*this);
    Button_GyakTeszt_Tovabb->setEnabled(false);

    const RunKind kind = runKindOf(CurrentModule);
    const auto q = static_cast<size_t>(QuestionNo);
    const auto s = static_cast<size_t>(SelectedAnswer);
    Label* chosen = AnswerLabels[s];
    RunCounters counters{QuestionNo, RightCount, WrongCount};
    const AnswerOutcome outcome = EvaluateAnswer(kind, counters, chosen->text(), CorrectWord);

    RightCount = counters.RightCount;
    WrongCount = counters.WrongCount;
    ResultLabels[q][s]->setTextColor(colorFromValue(outcome.resultColor));
    if (outcome.verdictBackground) {
        chosen->setBackgroundColor(colorFromValue(outcome.resultColor));
        chosen->setTextColor(colorFromValue(colors::Cream));
    }
    if (!outcome.statusLine.isEmpty())
        PushStatusLine(outcome.statusLine);
    QuestionNo = counters.QuestionNo;
    if (outcome.showNextQuestion) {
        ShowQuestion(QuestionNo);
        if (kind == RunKind::Practice)
            clearMeanings(*this);
    }
    // "Bezár" pressed during the slide ends the run here: nothing more is
    // shown on the closed panel, and the next run starts from scratch.
    if (Panel_Modul_GyakTeszt->isHidden()) {
        Valaszlehetosegmegnyomas(-1);
        return;
    }

    // The verdict stays in view for a moment; input waits until it is over.
    QThread::msleep(kVerdictPauseMs);

    if (outcome.finished) {
        Label_Modul_GyakTeszt_Leiras->setLabelText(
            QStringLiteral("Eredmények. Lejátszáshoz kattints az egyes szavakra."));
        Image_IPA->move(635, 442);
        Panel_Ertekelo->show();
        PushStatusLine(summaryLine(kind, counters));
    }
    Valaszlehetosegmegnyomas(-1);
}

void TForm1::PushStatusLine(const QString& text)
{
    StatusLabels[1]->setLabelText(text);
    SlideLabels(StatusLabels[0], StatusLabels[1], -kStatusLineStep);
    // The old line goes to wait under the lower cloak.
    StatusLabels[0]->move(StatusLabels[0]->x(), StatusLabels[0]->y() + 2 * kStatusLineStep);
    std::swap(StatusLabels[0], StatusLabels[1]);
}

void TForm1::SlideLabels(Label* a, Label* b, int distance)
{
    const int step = distance < 0 ? -1 : 1;
    for (int i = 0; i < std::abs(distance); ++i) {
        a->move(a->x(), a->y() + step);
        b->move(b->x(), b->y() + step);
        QCoreApplication::processEvents();
        QThread::msleep(kSlideStepMs);
    }
}

void TForm1::ErtekeloSzoLejatszas(Label* sender)
{
    if (!sender)
        return;
    const QString word = sender->text();
    // Only words of the table have a sound to show and a recording to play.
    if (word.isEmpty() || !isTableWord(Content, word))
        return;
    DrawSymbolTile(Image_IPA, ModuleColor, colors::Cream, SoundOfWord(Content, word));
    // Show the tile before the recording holds the window.
    QCoreApplication::processEvents();
    Hanglejatszas(word);
}

} // namespace ejteto
