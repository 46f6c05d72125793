#pragma once
// The keyboard focus is drawn only once the learner uses the keyboard, as a
// browser's :focus-visible does: a mouse learner sees the window's fixed
// layout exactly as it is laid out, even on the control a panel gives the
// focus to when it opens, and a keyboard learner still sees where the focus
// is. A key press shows it; a mouse press hides it again.
class QWidget;

namespace ejteto {

// Watches the application's input from now on; once is enough.
void watchFocusVisibility();
// True while the focus of `control`'s window should be drawn.
bool focusVisible(const QWidget* control);
// True when the learner's last press was a key rather than a mouse button:
// what they opened by a key may take the focus, what they clicked may not.
bool keyboardInUse();

} // namespace ejteto
