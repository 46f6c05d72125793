// The control panel's launchers. Each does the window's part of the work
// (the module id, the control panel, the level and lesson it reads) and
// hands the rest to its module, which binds its own panel.
#include "content/practice_run.h"
#include "keyboard/mosaic_keys.h"
#include "keyboard/panel_focus.h"
#include "lecture/lecture_module.h"
#include "listening/recording_sounds.h"
#include "pairs/pairs_module.h"
#include "practice/practice_module.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "window/window_controls.h"
#include "word_index/word_index_module.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace ejteto {

namespace {

// A module panel comes into view with the focus on its first control, the
// mosaic under it out of reach.
void enterPanel(MosaicKeys& mosaic, const QList<QWidget*>& tabChain)
{
    mosaic.setCovered(true);
    focusFirstReachable(tabChain);
}

} // namespace

void TForm1::Button_Inditas_EloadasClick()
{
    const int n = controls_->ComboBox_Lecke->currentIndex();
    state_.CurrentModule = ModuleId::Lecture;
    IranyitoPult_Deaktivalas();
    try {
        lecture_->start(n, controls_->ComboBox_Lecke->itemText(n));
        enterPanel(*mosaicKeys_, lecture_->panel().tabChain());
    } catch (...) {
        // The panel is not shown, so its Close button cannot give the control
        // panel back: do what closing it would, then let the error box report
        // the failure. The next start of any lecture works as usual.
        Bezargombmegnyomas(ModulePanel::Lecture);
        throw;
    }
}

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
    state_.CurrentModule = kind == RunKind::Practice ? ModuleId::Practice : ModuleId::Test;
    state_.ModuleColor = runColors(kind).module;
    IranyitoPult_Deaktivalas();
    const QString title = controls_->ComboBox_Modul->itemText(static_cast<int>(state_.CurrentModule)) +
                          QStringLiteral(": ") + controls_->ComboBox_Lecke->currentText() + QStringLiteral(" lecke");
    practice_->run().start(kind, state_.CurrentLesson, state_.CurrentLevel, title);
    enterPanel(*mosaicKeys_, practice_->panel().tabChain());
}

void TForm1::Button_SzomutatoClick()
{
    IranyitoPult_Deaktivalas();
    wordIndex_->showPanel();
    enterPanel(*mosaicKeys_, wordIndex_->panel().tabChain());
    // Typing filters at once, and the box says how many words match.
    wordIndex_->panel().Edit_Szomutato_Szuro->setFocus(Qt::OtherFocusReason);
}

void TForm1::Button_JatekClick()
{
    IranyitoPult_Deaktivalas();
    // The panel is open even when the content gives no game to deal.
    const auto focusPanel = qScopeGuard([this] { enterPanel(*mosaicKeys_, pairs_->panel().tabChain()); });
    pairs_->open();
}

void TForm1::closePanel(ModulePanel panel) { Bezargombmegnyomas(panel); }

void TForm1::playLessonVowel(Speed speed) { sounds_->playVowel(state_.CurrentLesson, speed); }

void TForm1::Image_SoundClick() { playLessonVowel(Speed::Normal); }

} // namespace ejteto
