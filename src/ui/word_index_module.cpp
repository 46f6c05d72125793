#include "word_index_module.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "content/recording_player.h"
#include "content/word_filter.h"
#include "controls/label.h"
#include "draw_symbol_tile.h"
#include "layout_widgets.h"

#include <optional>

namespace ejteto {

namespace {
// The word of the list's selected row; nothing when no row is selected (the
// list was just refilled by the filter, or nothing was ever chosen).
std::optional<QString> selectedRowWord(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text();
}
} // namespace

WordIndexModule::WordIndexModule(QWidget* window, const ContentTables& tables, RecordingPlayer& player)
    : tables_(tables), player_(player), panel_(createWordIndexPanel(window))
{
}

void WordIndexModule::listWord(const QString& word) { panel_.ListBox_Szomutato->addItem(word); }

void WordIndexModule::showPanel() { panel_.Panel_Szomutato->show(); }

void WordIndexModule::Szurlista()
{
    // Clearing drops the selection; the meaning and the symbol tile of the
    // word shown last stay on view until another row is selected.
    panel_.ListBox_Szomutato->clear();
    panel_.ListBox_Szomutato->addItems(filterWords(tables_, panel_.Edit_Szomutato_Szuro->text()));
    // With no row selected the speaker plays nothing.
    panel_.Image_Szomutato_Hanglejatszas->setAccessibleName(listenName(QString()));
}

void WordIndexModule::ListBox_SzomutatoClick()
{
    const std::optional<QString> word = selectedRowWord(panel_.ListBox_Szomutato);
    if (!word)
        return;
    // Both look-ups take the first entry of the word, so a word listed twice
    // shows the same details on either row.
    panel_.Label_Szomutato_Magyar_Ertek->setLabelText(MeaningOfWord(tables_, *word));
    DrawSymbolTile(panel_.Image_IPA_2, colors::Window, colors::Cream, SoundOfWord(tables_, *word));
    panel_.Image_Szomutato_Hanglejatszas->setAccessibleName(listenName(*word));
}

void WordIndexModule::Megszolal(Speed speed)
{
    if (const std::optional<QString> word = selectedRowWord(panel_.ListBox_Szomutato))
        player_.playWord(*word, speed);
}

void WordIndexModule::playFocusedRow(Speed speed)
{
    selectFocusedRow();
    Megszolal(speed);
}

QString WordIndexModule::selectedWord() const { return selectedRowWord(panel_.ListBox_Szomutato).value_or(QString()); }

QString WordIndexModule::selectFocusedRow()
{
    QListWidget* list = panel_.ListBox_Szomutato;
    // The row the keys stand on is the one to hear, selected first so its
    // meaning and symbol show as they do for a click.
    if (QListWidgetItem* current = list->currentItem(); current && !current->isSelected())
        current->setSelected(true);
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
