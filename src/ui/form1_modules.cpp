// The handlers of the learning modules. Each does the window's part of the
// work (the module id, the control panel, the level and lesson it reads)
// and hands the rest to its module.
#include "accessibility/spoken_notice.h"
#include "content/practice_run.h"
#include "lecture_module.h"
#include "pairs_module.h"
#include "practice_module.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "window_controls.h"
#include "word_index_module.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace ejteto {

// ---- lecture ---------------------------------------------------------------

void TForm1::Button_Inditas_EloadasClick()
{
    const int n = controls_->ComboBox_Lecke->currentIndex();
    state_.CurrentModule = kLectureModule;
    IranyitoPult_Deaktivalas();
    try {
        lecture_->start(n, controls_->ComboBox_Lecke->itemText(n));
        enterPanel(3);
    } catch (...) {
        // The panel is not shown, so its Close button cannot give the control
        // panel back: do what closing it would, then let the error box report
        // the failure. The next start of any lecture works as usual.
        Bezargombmegnyomas(3);
        throw;
    }
}

void TForm1::Button_Eloadas_LejatszasSzunetClick() { lecture_->Button_Eloadas_LejatszasSzunetClick(); }

void TForm1::Button_Eloadas_VisszaClick() { lecture_->Button_Eloadas_VisszaClick(); }

// ---- practice and test -------------------------------------------------------

void TForm1::Button_Inditas_GyakorlatClick() { startRun(RunKind::Practice); }

void TForm1::Button_Inditas_TesztClick() { startRun(RunKind::Test); }

void TForm1::startRun(RunKind kind)
{
    QPushButton* launcher =
        kind == RunKind::Practice ? controls_->Button_Inditas_Gyakorlat : controls_->Button_Inditas_Teszt;
    // A launcher click can arrive during a status slide, once "Bezár" has
    // given the control panel back. Starting a run there would pull the
    // panel from under the evaluation, so the start waits until it has
    // ended, if the launcher still offers it then.
    if (practice_->run().evaluationRunning()) {
        practice_->run().whenIdle([this, launcher, kind] {
            if (launcher->isEnabled())
                runGuarded([&] { startRun(kind); });
        });
        return;
    }
    state_.CurrentModule = kind == RunKind::Practice ? kPracticeModule : kTestModule;
    state_.ModuleColor = runColors(kind).module;
    IranyitoPult_Deaktivalas();
    const QString title = controls_->ComboBox_Modul->itemText(state_.CurrentModule) + QStringLiteral(": ") +
                          controls_->ComboBox_Lecke->currentText() + QStringLiteral(" lecke");
    practice_->run().start(kind, state_.CurrentLesson, state_.CurrentLevel, title);
    enterPanel(0);
}

void TForm1::Valaszlehetosegmegnyomas(int index) { practice_->run().Valaszlehetosegmegnyomas(index); }

void TForm1::Image_SpeakerClick(int i) { practice_->run().playAnswer(i); }

void TForm1::Label_GyakTeszt_hClick(int i) { practice_->run().showMeaning(i); }

void TForm1::Button_GyakTeszt_TovabbClick()
{
    // The slide lets events run: the verdict and the next question are said
    // together once the judging is over and the focus is back on the answers.
    const SpokenNotice::Hold untilJudged(*notice_);
    practice_->run().Button_GyakTeszt_TovabbClick();
}

void TForm1::ErtekeloSzoLejatszas(int question, int place) { practice_->run().ErtekeloSzoLejatszas(question, place); }

// ---- word index -------------------------------------------------------------

void TForm1::Button_SzomutatoClick()
{
    IranyitoPult_Deaktivalas();
    wordIndex_->showPanel();
    enterPanel(1);
    // Typing filters at once, and the box says how many words match.
    wordIndex_->panel().Edit_Szomutato_Szuro->setFocus(Qt::OtherFocusReason);
}

void TForm1::Szurlista() { wordIndex_->Szurlista(); }

void TForm1::ListBox_SzomutatoClick() { wordIndex_->ListBox_SzomutatoClick(); }

void TForm1::Megszolal() { wordIndex_->Megszolal(); }

void TForm1::Edit_Szomutato_SzuroEnter() { wordIndex_->Edit_Szomutato_SzuroEnter(); }

void TForm1::Edit_Szomutato_SzuroExit() { wordIndex_->Edit_Szomutato_SzuroExit(); }

// ---- pairs game -------------------------------------------------------------

void TForm1::Button_JatekClick()
{
    IranyitoPult_Deaktivalas();
    pairs_->showPanel();
    // The panel is open even when the content gives no game to deal.
    const auto focusPanel = qScopeGuard([this] { enterPanel(2); });
    Ujjatek();
}

void TForm1::Ujjatek() { pairs_->game().Ujjatek(state_.CurrentLevel); }

void TForm1::Jatekgombmegnyomas(int i) { pairs_->game().Jatekgombmegnyomas(i, state_.CurrentLevel); }

} // namespace ejteto
