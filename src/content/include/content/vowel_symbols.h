#pragma once
// The phonetic symbol of each vowel sound, indexed by sound id 1..16: the one
// table the windows, the symbol tiles and the course builder all write from.
#include "content/sound_id.h"

#include <QString>

namespace ejteto {

// Two UTF-16 units per sound; the second is 0 for a one-character symbol.
// Entry 0 is unused.
extern const char16_t VowelSymbols[kSoundCount + 1][2];

// The symbol alone (1 or 2 UTF-16 units, e.g. "iː"); empty for an id
// outside 1..16.
QString bareSymbolText(int soundId);

// "/" + symbol + "/" (3 or 4 UTF-16 units); empty for an id outside 1..16.
QString symbolText(int soundId);

// Whether the sound glides from one vowel to another (/eɪ/, /aʊ/ ...), so its
// onset and offset count: a two-letter symbol whose second letter is not the
// length mark. False for an id outside 1..16.
bool isDiphthong(int soundId);
bool isDiphthong(SoundId sound);

} // namespace ejteto
