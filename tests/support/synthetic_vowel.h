#pragma once
// Vowels of known formants, made the way a source-filter model says speech
// is made: a pulse train at the voice's pitch, shaped like glottal pulses,
// through a cascade of five resonators, then radiated from the lips. The
// formant analysis is measured against them in the tests and the benchmark.
#include <QtGlobal>
#include <array>
#include <vector>

namespace ejteto::testing {

struct SyntheticVowel {
    // F1..F7 at the start and at the end of the vowel, Hz; equal for a
    // monophthong. They move linearly from 30 to 70 % of a diphthong.
    // A real tract has resonances above the five an analysis looks for, and
    // they are what a ceiling set too high mistakes for formants.
    std::array<double, 7> from{};
    std::array<double, 7> to{};
    double f0 = 120;
    double seconds = 0.5;
    int sampleRate = 22050;
    double peak = 0.5; // of full scale
};

// A man's vowel with the given F1, F2, F3 (F4..F7 at 3500..6500 Hz),
// every formant multiplied by `scale` (1.15 a woman's tract, 1.3 a child's).
SyntheticVowel monophthong(double f1, double f2, double f3, double scale, double f0);
SyntheticVowel diphthong(std::array<double, 3> from, std::array<double, 3> to, double scale, double f0);

std::vector<qint16> synthesize(const SyntheticVowel& vowel);

} // namespace ejteto::testing
