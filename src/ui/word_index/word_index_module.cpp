#include "word_index/word_index_module.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "content/recording_player.h"
#include "content/word_filter.h"
#include "controls/layout_widgets.h"
#include "keyboard/replay_keys.h"
#include "listening/listen_controls.h"
#include "shared/module_wiring.h"
#include "ui/controls/draw_symbol_tile.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/controls/word_list.h"
#include "ui/spoken_notice.h"

#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace ejteto {

WordIndexModule::WordIndexModule(QWidget* window, const ContentTables& tables, RecordingPlayer& player)
    : tables_(tables), player_(player), panel_(createWordIndexPanel(window))
{
}

void WordIndexModule::wire(ModuleWiring& wiring)
{
    announcer_ = &wiring.notice;
    GuardedBindings& b = wiring.bindings;
    const WordIndexPanel& p = panel_;
    b.bind(p.ListBox_Szomutato, &WordList::rowSelectionChanged, [this] { ListBox_SzomutatoClick(); });
    b.bind(p.ListBox_Szomutato, &WordList::rowDoubleClicked, [this](int) { Megszolal(); });
    b.bind(p.Image_Szomutato_Hanglejatszas, &ImageControl::clicked, [this] { Megszolal(); });
    b.bind(p.Edit_Szomutato_Szuro, &QLineEdit::textChanged, [this](const QString&) { Szurlista(); });
    b.bindFocus(
        p.Edit_Szomutato_Szuro, [this] { Edit_Szomutato_SzuroEnter(); }, [this] { Edit_Szomutato_SzuroExit(); });
    b.bind(p.Button_Modul_Szomutato_Bezar, &QPushButton::clicked,
           [&host = wiring.host] { host.closePanel(ModulePanel::WordIndex); });

    wiring.listening.addClickable(p.Image_Szomutato_Hanglejatszas,
                                  {[this] { Megszolal(Speed::Slow); }, [this] { return wordModel(selectedWord()); }},
                                  listenWaysDescription(ListenTarget::Recording));
    wiring.listening.addList(
        p.ListBox_Szomutato,
        {[this] { playFocusedRow(Speed::Slow); }, [this] { return wordModel(selectFocusedRow()); }},
        listenWaysDescription(ListenTarget::WordList));
}

void WordIndexModule::addReplayTargets(ReplayTargets& replay)
{
    replay.wordList = panel_.ListBox_Szomutato;
    replay.playListWord = [this] { runGuarded([this] { playFocusedRow(); }); };
}

void WordIndexModule::showWords(const QStringList& words) { panel_.ListBox_Szomutato->setWords(words); }

void WordIndexModule::showPanel() { panel_.Panel_Szomutato->show(); }

void WordIndexModule::Szurlista()
{
    // Clearing drops the selection; the meaning and the symbol tile of the
    // word shown last stay on view until another row is selected.
    if (!filter_)
        filter_.emplace(tables_);
    const QStringList matching = filter_->wordsMatching(tables_, panel_.Edit_Szomutato_Szuro->text());
    panel_.ListBox_Szomutato->setWords(matching);
    announcer_->announce(matchCountNotice(static_cast<int>(matching.size())));
    // With no row selected the speaker plays nothing.
    panel_.Image_Szomutato_Hanglejatszas->setAccessibleName(listenName(QString()));
}

void WordIndexModule::ListBox_SzomutatoClick()
{
    const std::optional<QString> word = panel_.ListBox_Szomutato->selectedWord();
    if (!word)
        return;
    // Both look-ups take the first entry of the word, so a word listed twice
    // shows the same details on either row.
    panel_.Label_Szomutato_Magyar_Ertek->setLabelText(MeaningOfWord(tables_, *word));
    DrawSymbolTile(panel_.Image_IPA_2, colors::Window, colors::Cream, SoundOfWord(tables_, *word));
    panel_.Image_Szomutato_Hanglejatszas->setAccessibleName(listenName(*word));
    announcer_->announce(wordDetailsNotice(panel_.Label_Szomutato_Magyar_Ertek->text(), SoundOfWord(tables_, *word)));
}

void WordIndexModule::Megszolal(Speed speed)
{
    if (const std::optional<QString> word = panel_.ListBox_Szomutato->selectedWord())
        player_.playWord(*word, speed);
}

void WordIndexModule::playFocusedRow(Speed speed)
{
    selectFocusedRow();
    Megszolal(speed);
}

QString WordIndexModule::selectedWord() const { return panel_.ListBox_Szomutato->selectedWord().value_or(QString()); }

QString WordIndexModule::selectFocusedRow()
{
    WordList* list = panel_.ListBox_Szomutato;
    // The row the keys stand on is the one to hear, selected first so its
    // meaning and symbol show as they do for a click.
    if (const int current = list->currentRow(); current >= 0 && list->selectedRow() != current)
        list->setCurrentRow(current);
    return selectedWord();
}

void WordIndexModule::Edit_Szomutato_SzuroEnter()
{
    setEditBackground(panel_.Edit_Szomutato_Szuro, colorFromValue(colors::LightBlue));
}

void WordIndexModule::Edit_Szomutato_SzuroExit()
{
    setEditBackground(panel_.Edit_Szomutato_Szuro, colorFromValue(colors::White));
}

} // namespace ejteto
