#pragma once
// Where a take is voiced, frame by frame: the normalised autocorrelation of
// the low band, whose peak at the period tells a vowel (and a voiced
// consonant) from noise, hiss and silence.
#include <vector>

namespace ejteto::phonetics {

struct PitchFrame {
    double timeSec = 0; // centre of the frame in the analysed samples
    double f0 = 0;      // Hz; 0 when the frame is not voiced
};

// Frames every `hopSec` over `samples` (any rate): F0 between 60 and 500 Hz.
std::vector<PitchFrame> trackPitch(const std::vector<float>& samples, double rate, double hopSec);

} // namespace ejteto::phonetics
