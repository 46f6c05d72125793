#pragma once
// The pairs game in the window: its panel, and the game's sequence shown on
// the panel's twenty buttons.
#include "content/pairs_controller.h"
#include "pairs/pairs_panel.h"
#include "ui/announcer.h"

namespace ejteto {

struct ModuleWiring;
struct ProgramState;
struct Registries;

class PairsModule : private PairsView {
public:
    // The game deals and plays at the window's chosen level (`state`).
    PairsModule(QWidget* window, const ProgramState& state, const ContentTables& tables, RandomSource& random,
                RecordingPlayer& player, Clock& clock, const Registries& registries);

    const PairsPanel& panel() const { return panel_; }
    PairsController& game() { return game_; }
    const PairsGameState& state() const { return game_.state(); }
    // Binds the cards, "Új játék" and "Bezár", with the cards' other ways of
    // hearing and their right-click menu; says the game through `wiring`.
    void wire(ModuleWiring& wiring);
    // The panel shown, and a new game dealt.
    void open();
    void Ujjatek();
    void Jatekgombmegnyomas(int i);

private:
    void setInstruction(const QString& text) override;
    void dealButton(int i) override;
    void turnButton(int i, const QString& face) override;
    void turnBack(int i) override;
    void removeButton(int i) override;

    const ProgramState& programState_;
    const Registries& registries_;
    PairsPanel panel_;
    PairsController game_;
    Announcer* announcer_ = &silentAnnouncer();
    int turnedUp_ = 0; // cards face up in the attempt, to tell a miss
};

} // namespace ejteto
