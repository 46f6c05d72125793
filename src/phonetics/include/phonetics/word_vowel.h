#pragma once
// Where the vowel lies in a take: a vowel said alone, or a word of the
// course said whole ("cat", "black", "teacher"). The vowel is the loudest
// voiced nucleus of the take: voiced consonants beside it (the closure of
// /b d g/, a nasal, an /l/) are voiced too but carry far less energy above
// the voice's own pitch, so the edges are where the pre-emphasised energy
// falls well below the nucleus's peak. Of several syllables, the one with
// the most energy over its length is taken: English stresses a syllable by
// making it louder and longer.
#include "phonetics/vowel_measurement.h"

#include <QString>
#include <QtGlobal>

namespace ejteto::phonetics {

// What the learner was asked to say: a word of the course with its
// stressed vowel, or (`word` empty) the vowel alone or a word not known.
struct SaidWord {
    QString word;
    int soundId = 0; // 1..16; 0 when not known
};

// The vowel found, or why none was: NoVoice (silence, noise, a cough),
// TooShort, Clipped, TwoWords (more than one word with a pause between).
struct VowelSpan {
    AnalysisFault fault = AnalysisFault::NoVoice;
    double startSec = 0; // where the vowel lies in the samples
    double endSec = 0;
    double f0 = 0; // the voice's median pitch over the vowel, Hz

    bool ok() const { return fault == AnalysisFault::None; }
};

// 16-bit mono PCM at any rate; never throws on bad sound.
VowelSpan findVowel(const qint16* samples, qsizetype count, int sampleRate, const SaidWord& said);

} // namespace ejteto::phonetics
