#pragma once
// The light palette every control of the windows draws with, whatever the
// desktop's theme: the windows set it whole, so a dark or high-contrast
// desktop palette can change none of the colours the layout relies on (dark
// text on the light word list and filter box, on the cream About window, on
// the grey control panel and buttons).
#include <QPalette>

namespace ejteto {

// Every colour role of every group set: Qt's standard light colours.
QPalette fixedLightPalette();

} // namespace ejteto
