#pragma once
// The course's colours, taken from the program's own layout so that tiles,
// speakers and lecture slides sit well on its panels.
#include "app/color_value.h"

#include <QColor>

namespace ejteto::contentkit::palette {

inline QColor practiceBlue() { return colorFromValue(colors::PracticeBlue); } // #283593
inline QColor windowBrown() { return colorFromValue(colors::Window); }        // #4E342E
inline QColor cream() { return colorFromValue(colors::Cream); }               // #FFFBF0
inline QColor lightBlue() { return colorFromValue(colors::LightBlue); }       // #91A7FF
inline QColor amber() { return colorFromValue(colors::Amber); }               // #FFCC00

} // namespace ejteto::contentkit::palette
