#pragma once
// The lesson mosaic from the keyboard: the arrow keys move the focus over
// the four-by-four tiles (Enter or Space then chooses one, as any pressable
// control is pressed). The mosaic is one stop of the Tab order: the chosen
// lesson's tile, or the one the arrows last reached, so Tab leaves the
// mosaic at once instead of walking sixteen tiles.
#include "keyboard/key_dispatcher.h"

#include <array>

namespace ejteto {

class ImageControl;

class MosaicKeys : public KeyConcern {
public:
    // `tiles` [1..16], row by row from the top left.
    explicit MosaicKeys(const std::array<ImageControl*, 17>& tiles);

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

    // Tile `n` becomes the mosaic's Tab stop (the learner chose it).
    void follow(int n);
    // A module panel lies over the mosaic: no tile can take the focus.
    void setCovered(bool covered);

private:
    void applyFocusPolicies();

    std::array<ImageControl*, 17> tiles_;
    int tabStop_ = 1;
    bool covered_ = false;
};

} // namespace ejteto
