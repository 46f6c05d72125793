#pragma once
// The word index: the whole word list, narrowed by a filter; a selected
// word shows its meaning and vowel symbol and can be played.
#include "word_index_panel.h"

namespace ejteto {

struct ContentTables;
class RecordingPlayer;

class WordIndexModule {
public:
    WordIndexModule(QWidget* window, const ContentTables& tables, RecordingPlayer& player);

    const WordIndexPanel& panel() const { return panel_; }

    // A word of the table listed as it loads.
    void listWord(const QString& word);
    void showPanel();
    void Szurlista();
    void ListBox_SzomutatoClick();
    void Megszolal();
    // Enter, Space or R on the list: the row the keys stand on, selected
    // if it is not yet, then played.
    void playFocusedRow();
    void Edit_Szomutato_SzuroEnter();
    void Edit_Szomutato_SzuroExit();

private:
    const ContentTables& tables_;
    RecordingPlayer& player_;
    WordIndexPanel panel_;
};

} // namespace ejteto
