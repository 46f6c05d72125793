#include "practice/practice_module.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "controls/layout_widgets.h"
#include "keyboard/grid_keys.h"
#include "keyboard/panel_focus.h"
#include "keyboard/replay_keys.h"
#include "listening/listen_controls.h"
#include "shared/module_wiring.h"
#include "ui/controls/draw_symbol_tile.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/program_state.h"
#include "ui/registries.h"
#include "ui/spoken_notice.h"

#include <QApplication>
#include <QPushButton>
#include <utility>

namespace ejteto {

namespace {

void setBold(Label* l, bool bold)
{
    QFont f = l->font();
    f.setBold(bold);
    l->setLabelFont(f);
}

// Where the symbol tile stands while a run asks its questions: the test puts
// it where the hidden sound image would be.
QPoint symbolPlace(RunKind kind) { return kind == RunKind::Practice ? QPoint(392, 115) : QPoint(338, 115); }

// A status line moves one pixel a step; the line that left the strip waits
// two lines' height below it.
constexpr int kParkedBelow = 2 * kStatusSlideSteps;

uint32_t markColor(ResultMark mark) { return mark == ResultMark::Right ? colors::Right : colors::Wrong; }

ResultOutcome outcomeOf(ResultMark mark)
{
    return mark == ResultMark::Right ? ResultOutcome::Right : ResultOutcome::Wrong;
}

} // namespace

PracticeModule::PracticeModule(QWidget* window, const ProgramState& state, ContentTables& tables, RandomSource& random,
                               RecordingPlayer& player, EventPump& pump, Clock& clock, Registries& registries)
    : programState_(state), registries_(registries), panel_(createPracticePanel(window)),
      run_(tables, random, player, pump, clock, *this)
{
}

void PracticeModule::wire(ModuleWiring& wiring)
{
    announcer_ = &wiring.notice;
    GuardedBindings& b = wiring.bindings;
    ListenControls& l = wiring.listening;
    ModuleHost* host = &wiring.host; // the window, which outlives its modules
    const QString recording = listenWaysDescription(ListenTarget::Recording);

    b.bind(panel_.Image_Sound, &ImageControl::clicked, [host] { host->playLessonVowel(Speed::Normal); });
    l.addClickable(panel_.Image_Sound,
                   {[host] { host->playLessonVowel(Speed::Slow); },
                    [this] { return std::optional(CourseRecording::ofVowel(programState_.CurrentLesson)); }},
                   recording);
    for (int place = 0; place < 4; ++place) {
        const auto k = static_cast<size_t>(place + 1);
        ImageControl* speaker = panel_.Image_Speaker[k];
        b.bind(panel_.Label_GyakTeszt_e[k], &Label::clicked, [this, place] { run_.Valaszlehetosegmegnyomas(place); });
        b.bind(speaker, &ImageControl::clicked, [this, place] { run_.playAnswer(place); });
        b.bind(panel_.Label_GyakTeszt_h[k], &Label::clicked, [this, place] { run_.showMeaning(place); });
        // An answer and its "HU" button hear their place's word by key, as
        // far as the run offers the place's speaker (a test does not).
        Listening word{[this, place, speaker] {
                           if (speaker->isVisible())
                               run_.playAnswer(place, Speed::Slow);
                       },
                       [this, place, speaker]() -> std::optional<CourseRecording> {
                           if (!speaker->isVisible())
                               return std::nullopt;
                           return wordModel(run_.answerWord(place));
                       }};
        l.addClickable(speaker, word, recording);
        l.addKeysOnly(panel_.Label_GyakTeszt_e[k], word);
        l.addKeysOnly(panel_.Label_GyakTeszt_h[k], word);
    }
    // "Tovább" is the panel's default button: the Enter key presses it
    // (keyboard/panel_keys). The slide lets events run: the verdict and the
    // next question are said together once the judging is over and the
    // focus is back on the answers.
    b.bind(panel_.Button_GyakTeszt_Tovabb, &QPushButton::clicked, [this, &notice = wiring.notice] {
        const SpokenNotice::Hold untilJudged(notice);
        run_.Button_GyakTeszt_TovabbClick();
    });
    for (int q = 1; q <= kLastQuestion; ++q)
        for (int place = 0; place < 4; ++place) {
            Label* word = panel_.Label_Result[static_cast<size_t>(q)][static_cast<size_t>(place)];
            b.bind(word, &Label::clicked, [this, q, place] { run_.ErtekeloSzoLejatszas(q, place); });
            l.addClickable(word,
                           {[this, q, place] { run_.ErtekeloSzoLejatszas(q, place, Speed::Slow); },
                            [this, q, place] { return wordModel(run_.resultWord(q, place)); }},
                           recording);
        }
    b.bind(panel_.Button_Modul_GyakTeszt_Bezar, &QPushButton::clicked,
           [host] { host->closePanel(ModulePanel::Practice); });
}

void PracticeModule::addReplayTargets(ReplayTargets& replay) const
{
    replay.speakers = registries_.SpeakerImages;
    replay.answers = registries_.AnswerLabels;
    replay.meaningButtons = registries_.MeaningButtons;
    replay.results = registries_.ResultLabels;
}

void PracticeModule::addKeys(KeyDispatcher& keys)
{
    // The results table is a grid: the arrows move through it, and each word
    // says its place.
    std::vector<std::vector<QWidget*>> results;
    for (size_t q = 1; q < registries_.ResultLabels.size(); ++q) {
        results.emplace_back(registries_.ResultLabels[q].begin(), registries_.ResultLabels[q].end());
        for (size_t i = 0; i < registries_.ResultLabels[q].size(); ++i)
            registries_.ResultLabels[q][i]->setAccessibleDescription(
                QStringLiteral("%1. kérdés, %2. szó").arg(q).arg(i + 1));
    }
    keys.add(std::make_unique<GridKeys>(std::move(results)));
}

void PracticeModule::describeLesson(int lesson)
{
    panel_.Image_Sound->setAccessibleName(vowelSpeakerName(lesson));
    panel_.Image_Sound->setAccessibleDescription(vowelDescription(lesson));
}

void PracticeModule::hideResults() { panel_.Panel_Ertekelo->hide(); }

void PracticeModule::prepareRunPanel(RunKind kind)
{
    colors_ = runColors(kind);
    const RunColors& c = colors_;
    const bool practice = kind == RunKind::Practice;
    panel_.Image_Sound->setVisible(practice);
    panel_.Image_IPA->move(symbolPlace(kind));
    for (size_t i = 0; i < registries_.SpeakerImages.size(); ++i) {
        registries_.SpeakerImages[i]->setVisible(practice);
        registries_.MeaningButtons[i]->setVisible(practice);
        registries_.MeaningLabels[i]->setVisible(practice);
    }
    // The answer area is in reach again (the last run's results covered it).
    for (QWidget* control : panel_.answerArea())
        setCovered(control, false);
    const QColor module = colorFromValue(c.module);
    setPanelColor(panel_.Panel_Modul_GyakTeszt, module);
    panel_.Label_GyakTeszt_Feladat->setBackgroundColor(module);
    const QColor title = colorFromValue(c.titleText);
    panel_.Label_Modul_GyakTeszt_Cim->setTextColor(title);
    for (Label* s : registries_.StatusLabels)
        s->setTextColor(title);
    panel_.Cloak1->setFillColor(module);
    panel_.Cloak2->setFillColor(module);
    panel_.Shape_Ertekelo->setOutlineColor(module);
    for (size_t q = 1; q < registries_.ResultLabels.size(); ++q) {
        for (Label* r : registries_.ResultLabels[q]) {
            r->setTextColor(colorFromValue(colors::Grey));
            setBold(r, false);
            r->setAccessibleName(resultName(r->text(), ResultOutcome::Plain));
        }
    }
}

void PracticeModule::drawSymbol(int soundId)
{
    DrawSymbolTile(panel_.Image_IPA, colors_.module, colors::Cream, soundId);
}

void PracticeModule::setTitle(const QString& text)
{
    panel_.Label_Modul_GyakTeszt_Cim->setLabelText(text);
    announcer_->announce(text);
}

void PracticeModule::setInstruction(const QString& text)
{
    panel_.Label_Modul_GyakTeszt_Leiras->setLabelText(text);
    announcer_->announce(text);
}

void PracticeModule::showQuestion(int n, const std::array<QString, 4>& byPlace, int correctPlace)
{
    const auto& results = registries_.ResultLabels[static_cast<size_t>(n)];
    for (size_t place = 0; place < byPlace.size(); ++place) {
        const QString& word = byPlace[place];
        registries_.AnswerLabels[place]->setLabelText(word);
        registries_.AnswerLabels[place]->setAccessibleName(answerName(word));
        registries_.SpeakerImages[place]->setAccessibleName(listenName(word));
        registries_.MeaningButtons[place]->setAccessibleName(meaningName(word));
        results[place]->setLabelText(word);
        results[place]->setAccessibleName(resultName(word, ResultOutcome::Plain));
    }
    // Orange and bold until the question is answered right.
    Label* correct = results[static_cast<size_t>(correctPlace)];
    correct->setTextColor(colorFromValue(colors::Orange));
    setBold(correct, true);
    correct->setAccessibleName(resultName(correct->text(), ResultOutcome::MissedRight));
    announcer_->announce(questionNotice(n, QStringList(byPlace.begin(), byPlace.end())));
}

void PracticeModule::paintAnswers(int selected)
{
    const RunColors& c = colors_;
    for (Label* a : registries_.AnswerLabels) {
        a->setBackgroundColor(colorFromValue(c.module));
        a->setTextColor(colorFromValue(colors::Amber));
    }
    if (selected < 0)
        return;
    Label* chosen = registries_.AnswerLabels[static_cast<size_t>(selected)];
    chosen->setBackgroundColor(colorFromValue(c.selectedBack));
    chosen->setTextColor(colorFromValue(c.module));
}

void PracticeModule::setNextEnabled(bool enabled)
{
    QPushButton* next = panel_.Button_GyakTeszt_Tovabb;
    const bool pressedByKeys = !enabled && next->hasFocus();
    next->setEnabled(enabled);
    // "Tovább" pressed from the keyboard: the focus goes back to the answers
    // rather than on to "Bezár".
    if (pressedByKeys)
        focusFirstReachable({registries_.AnswerLabels.begin(), registries_.AnswerLabels.end()});
}

void PracticeModule::showVerdict(int place, ResultMark mark)
{
    // The verdict colour behind cream text.
    Label* chosen = registries_.AnswerLabels[static_cast<size_t>(place)];
    chosen->setBackgroundColor(colorFromValue(markColor(mark)));
    chosen->setTextColor(colorFromValue(colors::Cream));
}

void PracticeModule::markResult(int question, int place, ResultMark mark)
{
    Label* word = registries_.ResultLabels[static_cast<size_t>(question)][static_cast<size_t>(place)];
    word->setTextColor(colorFromValue(markColor(mark)));
    word->setAccessibleName(resultName(word->text(), outcomeOf(mark)));
}

void PracticeModule::setMeaning(int place, const QString& text)
{
    registries_.MeaningLabels[static_cast<size_t>(place)]->setLabelText(text);
}

void PracticeModule::clearMeanings()
{
    for (Label* m : registries_.MeaningLabels)
        m->setLabelText(QString());
}

void PracticeModule::setStatusLineInView(const QString& text)
{
    registries_.StatusLabels[0]->setLabelText(text);
    announcer_->announce(text);
}

void PracticeModule::setWaitingStatusLine(const QString& text)
{
    // The line about to rise into view: the verdict, or what is left.
    registries_.StatusLabels[1]->setLabelText(text);
    announcer_->announce(text);
}

void PracticeModule::stepStatusLines(int direction)
{
    for (Label* line : registries_.StatusLabels)
        line->move(line->x(), line->y() + direction);
}

void PracticeModule::parkLeavingStatusLine()
{
    Label* leaving = registries_.StatusLabels[0];
    leaving->move(leaving->x(), leaving->y() + kParkedBelow);
    std::swap(registries_.StatusLabels[0], registries_.StatusLabels[1]);
}

void PracticeModule::showPanel() { panel_.Panel_Modul_GyakTeszt->show(); }

bool PracticeModule::panelShown() const { return !panel_.Panel_Modul_GyakTeszt->isHidden(); }

void PracticeModule::showResults()
{
    panel_.Image_IPA->move(635, 442);
    panel_.Panel_Ertekelo->show();
    // The table covers the answer area: the keyboard and screen readers
    // leave it for the table's words, and a learner working by keys finds
    // the focus on the first of them.
    const QWidget* focus = QApplication::focusWidget();
    const bool focusHere = focus == nullptr || panel_.Panel_Modul_GyakTeszt->isAncestorOf(focus);
    for (QWidget* control : panel_.answerArea())
        setCovered(control, true);
    if (focusHere)
        focusFirstReachable(panel_.resultWords());
}

} // namespace ejteto
