#pragma once
// What the vowel analysis finds in a take or a recording: the first three
// formants where the vowel is measured, and why nothing was found when it
// was not. A failed analysis carries no numbers, so no caller can draw a
// chart from a take that held no vowel.
#include <QString>

namespace ejteto::phonetics {

// F1, F2 and F3 in Hz at one moment of the vowel.
struct FormantPoint {
    double f1 = 0;
    double f2 = 0;
    double f3 = 0;
};

// A vowel's target: the midpoint, and for a diphthong where its glide
// starts (25 % of the vowel) and ends (75 %). A monophthong has them too;
// they lie close to its midpoint.
struct VowelMeasurement {
    FormantPoint onset;
    FormantPoint mid;
    FormantPoint offset;
    double f0 = 0;        // median fundamental frequency of the vowel, Hz
    double ceilingHz = 0; // the formant ceiling chosen for this take
    double startSec = 0;  // where the measured vowel lies in the input
    double endSec = 0;
};

enum class AnalysisFault {
    None,
    NoVoice,    // silence, noise, a consonant alone: nothing voiced
    TooShort,   // voice too short to hold a vowel
    Clipped,    // the microphone was overdriven
    RateTooLow, // the sampling rate cannot hold the formants
    NoFormants, // voiced, but the resonances could not be followed
    TwoWords,   // more than one word, a pause between them
};

struct VowelAnalysis {
    AnalysisFault fault = AnalysisFault::NoVoice;
    VowelMeasurement vowel; // meaningful only when ok()

    bool ok() const { return fault == AnalysisFault::None; }
};

// What the learner is told when the analysis found no vowel ("Nem hallottam
// magánhangzót." and why); empty for a successful one.
QString analysisFaultText(AnalysisFault fault);

} // namespace ejteto::phonetics
