#pragma once
// The vowel of a take: the voiced part found with the recorder's own speech
// rule and a pitch detector, then formant tracks by Burg's linear
// prediction at several formant ceilings, keeping the ceiling whose tracks
// run steadiest through the vowel, as phoneticians do by hand in Praat.
#include "phonetics/vowel_measurement.h"

#include <QtGlobal>
#include <vector>

namespace ejteto::phonetics {

struct AnalysisOptions {
    // Formant ceilings tried, Hz: five formants are sought below each. A
    // man's vocal tract wants about 5000, a woman's 5500, a child's 6500.
    std::vector<double> ceilingsHz = {4500, 5000, 5500, 6000, 6500};
};

// Analyses 16-bit mono PCM at any sampling rate. Never throws on bad sound:
// silence, noise, clipping, a few milliseconds or an odd rate come back as
// a fault.
VowelAnalysis analyseVowel(const qint16* samples, qsizetype count, int sampleRate, const AnalysisOptions& options = {});
inline VowelAnalysis analyseVowel(const std::vector<qint16>& samples, int sampleRate,
                                  const AnalysisOptions& options = {})
{
    return analyseVowel(samples.data(), static_cast<qsizetype>(samples.size()), sampleRate, options);
}

// The vowel known to lie between `startSec` and `endSec` of the samples (as
// the vowel finder of a word gives it), measured the same way; `f0` is
// passed through. A span too short to measure is TooShort.
VowelAnalysis analyseVowelAt(const qint16* samples, qsizetype count, int sampleRate, double startSec, double endSec,
                             double f0, const AnalysisOptions& options = {});

} // namespace ejteto::phonetics
