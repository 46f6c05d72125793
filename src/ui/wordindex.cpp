// The word index: the whole word list, narrowed by a filter; a selected
// word shows its meaning and vowel symbol and can be played.
#include "app/color_value.h"
#include "content/word_filter.h"
#include "draw_symbol_tile.h"
#include "ui/form1.h"
#include "layout_widgets.h"

#include <optional>

namespace ejteto {

namespace {
// The word of the list's selected row; empty when no row is selected (the
// list was just refilled by the filter, or nothing was ever chosen).
std::optional<QString> selectedWord(const TForm1& f)
{
    const QList<QListWidgetItem*> selected = f.ListBox_Szomutato->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text();
}
} // namespace

void TForm1::Button_SzomutatoClick()
{
    IranyitoPult_Deaktivalas();
    Panel_Szomutato->show();
}

void TForm1::Szurlista()
{
    // Clearing drops the selection; the meaning and the symbol tile of the
    // word shown last stay on view until another row is selected.
    ListBox_Szomutato->clear();
    ListBox_Szomutato->addItems(filterWords(Content, Edit_Szomutato_Szuro->text()));
}

void TForm1::ListBox_SzomutatoClick()
{
    const std::optional<QString> word = selectedWord(*this);
    if (!word)
        return;
    // Both look-ups take the first entry of the word, so a word listed twice
    // shows the same details on either row.
    Label_Szomutato_Magyar_Ertek->setLabelText(MeaningOfWord(Content, *word));
    DrawSymbolTile(Image_IPA_2, colors::Window, colors::Cream, SoundOfWord(Content, *word));
}

void TForm1::Megszolal()
{
    if (const std::optional<QString> word = selectedWord(*this))
        Hanglejatszas(*word);
}

void TForm1::Edit_Szomutato_SzuroEnter()
{
    setEditBackground(Edit_Szomutato_Szuro, colorFromValue(colors::LightBlue));
}

void TForm1::Edit_Szomutato_SzuroExit()
{
    setEditBackground(Edit_Szomutato_Szuro, colorFromValue(colors::White));
}

} // namespace ejteto
