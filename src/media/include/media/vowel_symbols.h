#pragma once
// The phonetic symbol of each vowel sound, indexed by sound id 1..16.
#include <QString>

namespace ejteto {

// Two UTF-16 units per sound; the second is 0 for a one-character symbol.
// Entry 0 is unused.
extern const char16_t VowelSymbols[17][2];

// "/" + symbol + "/" (3 or 4 UTF-16 units); empty for an id outside 1..16.
QString symbolText(int soundId);

} // namespace ejteto
