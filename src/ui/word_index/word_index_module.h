#pragma once
// The word index: the whole word list, narrowed by a filter; a selected
// word shows its meaning and vowel symbol and can be played.
#include "content/recording_player.h"
#include "content/word_filter.h"
#include "ui/announcer.h"
#include "word_index/word_index_panel.h"

#include <QStringList>
#include <optional>

namespace ejteto {

struct ContentTables;
struct ModuleWiring;
struct ReplayTargets;

class WordIndexModule {
public:
    WordIndexModule(QWidget* window, const ContentTables& tables, RecordingPlayer& player);

    const WordIndexPanel& panel() const { return panel_; }
    // Binds the list, the filter box, the speaker and "Bezár", with their
    // other ways of hearing; says the matches and details through `wiring`.
    void wire(ModuleWiring& wiring);
    // The list and how its focused row plays, for the window's keys (R
    // replays it; Enter and Space play it).
    void addReplayTargets(ReplayTargets& replay);

    // The words the table's load listed, in file order, however it ended.
    void showWords(const QStringList& words);
    void showPanel();
    void Szurlista();
    void ListBox_SzomutatoClick();
    void Megszolal(Speed speed = Speed::Normal);
    // Enter, Space or R on the list: the row the keys stand on, selected
    // if it is not yet, then played.
    void playFocusedRow(Speed speed = Speed::Normal);
    // The word the speaker plays: the selected row's; empty with none.
    QString selectedWord() const;
    // The row the keys stand on, selected if it is not yet, as for playing
    // it; its word (empty when the list is empty).
    QString selectFocusedRow();
    void Edit_Szomutato_SzuroEnter();
    void Edit_Szomutato_SzuroExit();

private:
    const ContentTables& tables_;
    RecordingPlayer& player_;
    WordIndexPanel panel_;
    // Every word folded once, at the first filter keystroke.
    std::optional<WordFilterIndex> filter_;
    Announcer* announcer_ = &silentAnnouncer();
};

} // namespace ejteto
