#pragma once
// What the pairs game shows: twenty word buttons and the instruction line.
// The window implements it over its game panel; tests keep it in memory.
#include <QString>

namespace ejteto {

class PairsView {
public:
    virtual ~PairsView() = default;

    virtual void setInstruction(const QString& text) = 0;
    // Button `i` face down on the board: shown, with no text.
    virtual void dealButton(int i) = 0;
    // Button `i` shows `face`, on screen at once: the word's recording holds
    // the window right after.
    virtual void turnButton(int i, const QString& face) = 0;
    // Button `i` face down again.
    virtual void turnBack(int i) = 0;
    // A found button leaves the board.
    virtual void removeButton(int i) = 0;
};

} // namespace ejteto
