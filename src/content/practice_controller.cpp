#include "content/practice_controller.h"

#include <cstdlib>
#include <utility>

namespace ejteto {

namespace {

constexpr int kSlideStepMs = 15;
constexpr int kVerdictPauseMs = 500;

bool validPlace(int place) { return place >= 0 && place < kOptionCount; }

} // namespace

PracticeRunController::PracticeRunController(ContentTables& tables, RandomSource& random, RecordingPlayer& player,
                                             EventPump& pump, Clock& clock, PracticeView& view)
    : tables_(tables), random_(random), player_(player), pump_(pump), clock_(clock), view_(view)
{
}

void PracticeRunController::start(RunKind kind, int lesson, int level, const QString& title)
{
    kind_ = kind;
    lesson_ = lesson;
    level_ = level;
    view_.prepareRunPanel(kind);
    view_.drawSymbol(lesson);
    view_.setTitle(title);
    view_.setInstruction(QStringLiteral("Jelölj meg egy választ, majd Tovább!"));
    state_.QuestionNo = 1;
    state_.RightCount = 0;
    state_.WrongCount = 0;
    view_.setStatusLineInView(remainingQuestionsLine(kLastQuestion - state_.QuestionNo));
    BuildQuestionSet(lesson);
    Valaszlehetosegmegnyomas(-1);
    view_.clearMeanings();
    view_.showPanel();
    enter(RunPhase::Answering);
}

void PracticeRunController::whenIdle(std::function<void()> work)
{
    if (state_.Phase == RunPhase::Judging)
        afterJudging_ = std::move(work);
    else
        work();
}

void PracticeRunController::enter(RunPhase phase)
{
    const bool judgingEnds = state_.Phase == RunPhase::Judging && phase != RunPhase::Judging;
    state_.Phase = phase;
    if (judgingEnds && afterJudging_)
        std::exchange(afterJudging_, {})();
}

void PracticeRunController::BuildQuestionSet(int lesson)
{
    // Every pick goes through the scratch row, so the option rows of the
    // grid are replaced only once all of them are drawn.
    const OptionRows rows = BuildOptionRows(tables_, lesson, lesson_, level_, state_.QuestionGrid[0], random_);
    for (size_t k = 0; k < rows.size(); ++k)
        state_.QuestionGrid[k + 1] = rows[k];
    ShowQuestion(1);
}

void PracticeRunController::ShowQuestion(int n)
{
    if (n < 1 || n > kQuestionCount)
        return;
    const auto column = static_cast<size_t>(n - 1);
    const Placement p = DrawPlacement(random_);
    std::array<QString, kOptionCount> byPlace;
    for (size_t k = 0; k < kOptionCount; ++k)
        byPlace[static_cast<size_t>(p[k])] = state_.QuestionGrid[k + 1][column];
    answers_ = byPlace;
    // The results table keeps every option where it was shown.
    results_[static_cast<size_t>(n)] = byPlace;
    state_.CorrectWord = state_.QuestionGrid[1][column];
    view_.showQuestion(n, byPlace, p[0]);
}

void PracticeRunController::Valaszlehetosegmegnyomas(int index)
{
    // While an evaluation slides its status line, a new highlight would
    // enable "Tovább" and let a second evaluation start inside the first.
    if (index < -1 || index >= kOptionCount || (index >= 0 && state_.Phase == RunPhase::Judging))
        return;
    view_.paintAnswers(index);
    if (index == -1) {
        view_.setNextEnabled(false);
        return;
    }
    state_.SelectedAnswer = index;
    view_.setNextEnabled(true);
}

void PracticeRunController::playAnswer(int place, Speed speed)
{
    // With no level chosen two options are empty: there is nothing to play.
    if (const QString word = answerWord(place); !word.isEmpty())
        player_.playWord(word, speed);
}

QString PracticeRunController::answerWord(int place) const
{
    return validPlace(place) ? answers_[static_cast<size_t>(place)] : QString();
}

void PracticeRunController::showMeaning(int place)
{
    if (validPlace(place) && !answers_[static_cast<size_t>(place)].isEmpty())
        view_.setMeaning(place, MeaningOfWord(tables_, answers_[static_cast<size_t>(place)]));
}

void PracticeRunController::Button_GyakTeszt_TovabbClick()
{
    if (state_.Phase != RunPhase::Answering || !validPlace(state_.SelectedAnswer))
        return;
    enter(RunPhase::Judging);
    try {
        judge();
    } catch (...) {
        // The error ends the evaluation: the question waits again, and a
        // start that waited for it is dropped with it.
        afterJudging_ = {};
        enter(RunPhase::Answering);
        throw;
    }
}

void PracticeRunController::judge()
{
    view_.setNextEnabled(false);

    const int q = state_.QuestionNo;
    const int s = state_.SelectedAnswer;
    RunCounters counters{state_.QuestionNo, state_.RightCount, state_.WrongCount};
    const AnswerOutcome outcome = EvaluateAnswer(kind_, counters, answers_[static_cast<size_t>(s)], state_.CorrectWord);
    state_.RightCount = counters.RightCount;
    state_.WrongCount = counters.WrongCount;
    const ResultMark mark = outcome.right ? ResultMark::Right : ResultMark::Wrong;
    view_.markResult(q, s, mark);
    if (outcome.verdictBackground)
        view_.showVerdict(s, mark);
    if (!outcome.statusLine.isEmpty())
        PushStatusLine(outcome.statusLine);
    state_.QuestionNo = counters.QuestionNo;
    if (outcome.showNextQuestion) {
        ShowQuestion(state_.QuestionNo);
        if (kind_ == RunKind::Practice)
            view_.clearMeanings();
    }
    // "Bezár" pressed during the slide ends the run here: nothing more is
    // shown on the closed panel, and the next run starts from scratch.
    if (!view_.panelShown()) {
        Valaszlehetosegmegnyomas(-1);
        enter(RunPhase::Idle);
        return;
    }

    // The verdict stays in view for a moment; input waits until it is over.
    clock_.sleep(kVerdictPauseMs);

    if (outcome.finished) {
        view_.setInstruction(QStringLiteral("Eredmények. Lejátszáshoz kattints az egyes szavakra."));
        view_.showResults();
        PushStatusLine(summaryLine(kind_, counters));
    }
    Valaszlehetosegmegnyomas(-1);
    enter(outcome.finished ? RunPhase::ShowingResults : RunPhase::Answering);
}

void PracticeRunController::PushStatusLine(const QString& text)
{
    view_.setWaitingStatusLine(text);
    SlideLabels(-kStatusSlideSteps);
    // The old line goes to wait under the lower cloak.
    view_.parkLeavingStatusLine();
}

void PracticeRunController::SlideLabels(int distance)
{
    const int step = distance < 0 ? -1 : 1;
    for (int i = 0; i < std::abs(distance); ++i) {
        view_.stepStatusLines(step);
        pump_.processPendingEvents();
        clock_.sleep(kSlideStepMs);
    }
}

void PracticeRunController::ErtekeloSzoLejatszas(int question, int place, Speed speed)
{
    const QString word = resultWord(question, place);
    if (word.isEmpty())
        return;
    view_.drawSymbol(SoundOfWord(tables_, word));
    // Show the tile before the recording holds the window.
    pump_.processPendingEvents();
    player_.playWord(word, speed);
}

QString PracticeRunController::resultWord(int question, int place) const
{
    if (question < 1 || question > kQuestionCount || !validPlace(place))
        return QString();
    const QString& word = results_[static_cast<size_t>(question)][static_cast<size_t>(place)];
    // Only words of the table have a sound to show and a recording to play.
    return word.isEmpty() || !isTableWord(tables_, word) ? QString() : word;
}

} // namespace ejteto
