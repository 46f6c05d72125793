// The pairs game: twenty face-down word buttons, turned two at a time. The
// rules live in content/pairs_game; this unit moves the game's state between
// them and the buttons of the game panel.
#include "content/pairs_game.h"
#include "ui/form1.h"

#include <QDateTime>

namespace ejteto {

namespace {

PairsPressState pressStateOf(const TForm1& f)
{
    return {f.CurrentPress, f.PreviousPress, f.PressCount, f.PairCount, f.StepCount};
}

void storePressState(TForm1& f, const PairsPressState& s)
{
    f.CurrentPress = s.CurrentPress;
    f.PreviousPress = s.PreviousPress;
    f.PressCount = s.PressCount;
    f.PairCount = s.PairCount;
    f.StepCount = s.StepCount;
}

QPushButton* gameButton(TForm1& f, int i) { return f.GameButtons[static_cast<size_t>(i)]; }

double nowAsDays() { return dayCountOf(QDateTime::currentDateTime()); }

} // namespace

void TForm1::Button_JatekClick()
{
    IranyitoPult_Deaktivalas();
    Panel_Jatek->show();
    Ujjatek();
}

void TForm1::Ujjatek()
{
    const int level = CurrentLevel;
    // Drawing comes first: content that cannot give a game raises its error
    // before anything on the panel has changed.
    PairWords = drawPairWords(Content, level, programRandom());
    Label_Jatek_Leiras->setLabelText(pairsInstruction(level));
    GameWords = arrangeGameWords(PairWords, shuffleGamePositions(programRandom()));
    for (int i = 0; i < kGameButtons; ++i) {
        gameButton(*this, i)->setText(QString());
        gameButton(*this, i)->show();
    }
    storePressState(*this, PairsPressState{});
    GameStartTime = nowAsDays();
}

void TForm1::Jatekgombmegnyomas(int i)
{
    // A found button is hidden and cannot be pressed; a call for one (or for
    // no button at all) must not count as a press either.
    if (i < 0 || i >= kGameButtons || gameButton(*this, i)->isHidden())
        return;
    const int level = CurrentLevel;
    const PairsPressState before = pressStateOf(*this);
    PairsPressState s = before;
    const bool turns = beginGamePress(s, i);
    storePressState(*this, s);
    if (!turns)
        return;

    QPushButton* button = gameButton(*this, i);
    const QString& word = GameWords[static_cast<size_t>(i)];
    button->setText(turnedButtonText(level, word));
    // Playing holds the window thread: paint the turned face first.
    button->repaint();
    try {
        Hanglejatszas(word);
    } catch (...) {
        // The word could not be heard: take the press back, so the attempt
        // goes on as if the button had never been turned.
        button->setText(QString());
        storePressState(*this, before);
        throw;
    }

    const int previous = s.PreviousPress;
    const PressOutcome outcome = finishGamePress(s, Content, level, GameWords);
    storePressState(*this, s);
    switch (outcome) {
    case PressOutcome::Waiting:
        break;
    case PressOutcome::Matched:
    case PressOutcome::Finished:
        button->hide();
        gameButton(*this, previous)->hide();
        break;
    case PressOutcome::Missed:
        button->setText(QString());
        gameButton(*this, previous)->setText(QString());
        break;
    }
    if (outcome == PressOutcome::Finished) {
        GameSeconds = gameSecondsBetween(GameStartTime, nowAsDays());
        Label_Jatek_Leiras->setLabelText(pairsResultText(GameSeconds, StepCount));
    }
}

} // namespace ejteto
