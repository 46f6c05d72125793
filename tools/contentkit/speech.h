#pragma once
// Speech synthesis through the espeak-ng program.
#include "contentkit/wav_file.h"

#include <QString>

namespace ejteto::contentkit {

enum class Voice {
    BritishEnglish, // en-gb: the words and the English examples of the lectures
    BritishRp,      // en-gb-x-rp+m4: a vowel whose en-gb rendering lies off its RP place
    Hungarian,      // hu: the lectures' narration
};

struct SpeechRequest {
    Voice voice = Voice::BritishEnglish;
    QString text; // plain text, or espeak-ng phoneme mnemonics when `phonemes`
    bool phonemes = false;
    int wordsPerMinute = 150;
    // An espeak-ng voice with its variant ("en-gb-x-rp+f2") in place of
    // `voice`; empty for the voice itself.
    QString variant;

    // A text that names the request exactly, for caching and build keys.
    QString key() const;
};

// Runs espeak-ng and returns its sound, untrimmed. Raises AppError when the
// program is missing, fails or gives no sound.
PcmAudio synthesize(const SpeechRequest& request);

// "eSpeak NG text-to-speech: 1.51 ...": part of every build key, so a new
// synthesizer renews the recordings.
QString synthesizerVersion();

} // namespace ejteto::contentkit
