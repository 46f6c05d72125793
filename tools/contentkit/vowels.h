#pragma once
// The sixteen vowels as the course builder needs them: the symbol the program
// shows (from the program's own symbol table, content/vowel_symbols.h) and
// how espeak-ng says the vowel alone.
#include "contentkit/speech.h"

#include <QString>

namespace ejteto::contentkit {

// The symbol of sound n (1..16) without slashes, e.g. "iː".
QString vowelSymbol(int n);
// espeak-ng's British English phoneme mnemonic of sound n, stressed ("'i:").
QString vowelPhoneme(int n);
// The espeak-ng voice that says sound n alone: the British voice, except
// where its vowel measures off the RP vowel's place (/æ/ comes out as /ʌ/).
Voice vowelVoice(int n);

} // namespace ejteto::contentkit
