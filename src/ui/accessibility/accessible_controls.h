#pragma once
// Screen readers see the window's own clickable pictures and labels as what
// they are: buttons (the address of the About window a link) with a press
// action that does what a click does, and a picture that stands for one of
// a set of choices says whether it is the chosen one. Controls under a panel
// are reported invisible. Other pictures are graphics, other labels static
// text.
namespace ejteto {

// Registers the descriptions with Qt's accessibility; safe to call again.
void installAccessibleControls();

} // namespace ejteto
