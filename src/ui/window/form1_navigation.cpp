// Lesson selection in the mosaic, the control panel, closing module panels,
// and playing a word or the lesson's vowel.
#include "accessibility/accessible_texts.h"
#include "app/paths.h"
#include "content/practice_run.h"
#include "content/run_clock.h"
#include "content/sound_id.h"
#include "keyboard/mosaic_keys.h"
#include "keyboard/panel_focus.h"
#include "lecture/lecture_module.h"
#include "listening/recording_sounds.h"
#include "media/jpeg_loader.h"
#include "pairs/pairs_module.h"
#include "practice/practice_module.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/nevjegy.h"
#include "ui/spoken_notice.h"
#include "window/window_controls.h"
#include "word_index/word_index_module.h"

#include <QComboBox>
#include <QPushButton>

namespace ejteto {

void TForm1::Mozaikmegnyomas(int n, Speed speed)
{
    for (const SoundId s : allSounds())
        registries_.MosaicImages[s.index()]->setPicture(loadJpeg(inactiveTilePath(state_.AppDir, s.value())));
    registries_.MosaicImages[n]->setPicture(loadJpeg(activeTilePath(state_.AppDir, n)));
    // Paint the new pictures before the vowel holds the window.
    pump_->processPendingEvents();
    controls_->ComboBox_Lecke->setCurrentIndex(n);
    Gombellenorzes();
    mosaicKeys_->follow(n);
    for (const SoundId sound : allSounds()) {
        const int i = sound.value();
        registries_.MosaicImages[i]->setChecked(i == state_.CurrentLesson);
    }
    practice_->describeLesson(state_.CurrentLesson);
    notice_->announce(lessonChosenNotice(n));
    for (const auto& observer : lessonObservers_)
        runGuarded([&] { observer(state_.CurrentLesson); });
    if (speed == Speed::Normal)
        Image_SoundClick();
    else
        playLessonVowel(speed);
}

void TForm1::Gombellenorzes()
{
    const WindowControls& c = *controls_;
    if (c.ComboBox_Lecke->currentIndex() > 0) {
        c.Button_Inditas_Eloadas->setEnabled(true);
        c.Button_Inditas_Gyakorlat->setEnabled(true);
        c.Button_Inditas_Teszt->setEnabled(true);
    }
    c.Button_Szomutato->setEnabled(true);
    c.Button_Jatek->setEnabled(true);
    if (c.ComboBox_Nehezseg->currentIndex() != state_.CurrentLevel) {
        c.Label_Cimke_Szint->setAccessibleName(levelNotice(c.ComboBox_Nehezseg->currentText()));
        notice_->announce(levelNotice(c.ComboBox_Nehezseg->currentText()));
    }
    state_.CurrentLevel = c.ComboBox_Nehezseg->currentIndex();
    state_.CurrentLesson = c.ComboBox_Lecke->currentIndex();
}

void TForm1::IranyitoPult_Deaktivalas()
{
    for (QPushButton* b : registries_.LauncherButtons)
        b->setEnabled(false);
    const WindowControls& c = *controls_;
    c.Label_Cimke_Szint->setEnabled(false);
    c.ComboBox_Nehezseg->setEnabled(false);
    c.Label_Cimke_Modulvalasztas->setEnabled(false);
    c.Label_Cimke_Extra->setEnabled(false);
}

void TForm1::Bezargombmegnyomas(ModulePanel panel)
{
    registries_.panel(panel)->hide();
    if (panel == ModulePanel::Practice)
        practice_->run().abandon(); // nothing once the run has finished
    practice_->hideResults();
    if (state_.CurrentModule == ModuleId::Lecture)
        lecture_->stopForClose();
    const WindowControls& c = *controls_;
    c.Label_Cimke_Szint->setEnabled(true);
    c.ComboBox_Nehezseg->setEnabled(true);
    c.Label_Cimke_Modulvalasztas->setEnabled(true);
    c.Label_Cimke_Extra->setEnabled(true);
    Gombellenorzes();
    // The focus goes back to the control panel's button that opened the
    // panel, the mosaic within reach again.
    mosaicKeys_->setCovered(false);
    QPushButton* opener = panel == ModulePanel::WordIndex              ? c.Button_Szomutato
                          : panel == ModulePanel::Game                 ? c.Button_Jatek
                          : panel == ModulePanel::Lecture              ? c.Button_Inditas_Eloadas
                          : state_.CurrentModule == ModuleId::Practice ? c.Button_Inditas_Gyakorlat
                                                                       : c.Button_Inditas_Teszt;
    if (opener->isEnabled())
        opener->setFocus(Qt::OtherFocusReason);
}

void TForm1::Label_DeveloperClick()
{
    if (aboutWindow_)
        aboutWindow_->showOver(this);
}

} // namespace ejteto
