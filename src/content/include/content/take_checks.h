#pragma once
// Whether a speaker's take may become one of a voice's recordings: it must
// hold the whole word or vowel (not cut off at either end), clean (not
// clipped, not drowned in noise, not silent) and of a length that fits a
// word or a held vowel. Each fault comes with what to do about it, in
// Hungarian; the vowel's own sound is judged elsewhere (the phonetics layer).
#include "content/voice_recorder.h"

#include <QString>
#include <optional>

namespace ejteto {

enum class TakeFault { None, Silent, Clipped, Noisy, CutOff, TooShort, TooLong };

struct TakeCheck {
    TakeFault fault = TakeFault::None;
    QString advice; // Hungarian, ends with the question to record again
    bool ok() const { return fault == TakeFault::None; }
};

struct TakeLimits {
    int minVoicedMs = 0;
    int maxVoicedMs = 0;
};
// A word is said in a breath; a vowel is held a little.
constexpr TakeLimits kWordTake{200, 2500};
constexpr TakeLimits kVowelTake{250, 3000};

// The first channel of `take` (16-bit samples) judged against `limits`.
TakeCheck checkTake(const VoiceTake& take, const TakeLimits& limits);

} // namespace ejteto
