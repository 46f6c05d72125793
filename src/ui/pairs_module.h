#pragma once
// The pairs game in the window: its panel, and the game's sequence shown on
// the panel's twenty buttons.
#include "content/pairs_controller.h"
#include "game_panel.h"
#include "ui/announcer.h"

namespace ejteto {

struct Registries;

class PairsModule : private PairsView {
public:
    PairsModule(QWidget* window, const ContentTables& tables, RandomSource& random, RecordingPlayer& player,
                Clock& clock, const Registries& registries);

    const GamePanel& panel() const { return panel_; }
    PairsController& game() { return game_; }
    const PairsGameState& state() const { return game_.state(); }
    void showPanel();
    // Where turned cards, found pairs and the game's end are said.
    void announceThrough(Announcer& announcer) { announcer_ = &announcer; }

private:
    void setInstruction(const QString& text) override;
    void dealButton(int i) override;
    void turnButton(int i, const QString& face) override;
    void turnBack(int i) override;
    void removeButton(int i) override;

    const Registries& registries_;
    GamePanel panel_;
    PairsController game_;
    Announcer* announcer_ = &silentAnnouncer();
    int turnedUp_ = 0; // cards face up in the attempt, to tell a miss
};

} // namespace ejteto
