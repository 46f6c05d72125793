#include "contentkit/vowels.h"

#include "content/vowel_symbols.h"

namespace ejteto::contentkit {

namespace {
// How espeak-ng's British voice says each vowel alone; sound 15, written
// with a plain e as the program shows it, is its GOAT vowel.
constexpr const char* kPhonemes[kSoundCount] = {
    "i:", "I", "E", "a", "u:", "U", "eI", "aI", "A:", "V", "0", "OI", "3:", "O:", "oU", "aU",
};

// An id outside 1..16 stands for sound 1.
int known(int n) { return SoundId::isValid(n) ? n : 1; }
} // namespace

QString vowelSymbol(int n) { return bareSymbolText(known(n)); }

Voice vowelVoice(int n) { return n == 4 ? Voice::BritishRp : Voice::BritishEnglish; }

QString vowelPhoneme(int n) { return QLatin1Char('\'') + QLatin1String(kPhonemes[known(n) - 1]); }

} // namespace ejteto::contentkit
