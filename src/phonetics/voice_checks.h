#pragma once
// Checks on the voice of a take that every way of finding its vowel makes.
#include <QtGlobal>
#include <cstdlib>

namespace ejteto::phonetics {

// Whether the microphone was overdriven in samples [first, last): samples
// this near full scale were cut off, and more than a few of them bend
// every formant.
inline bool overdriven(const qint16* samples, qsizetype first, qsizetype last)
{
    constexpr int kClipLevel = 32640;
    constexpr double kClippedShare = 0.002;
    qsizetype clipped = 0;
    for (qsizetype i = first; i < last; ++i)
        if (std::abs(int(samples[i])) >= kClipLevel)
            ++clipped;
    return double(clipped) > kClippedShare * double(last - first);
}

} // namespace ejteto::phonetics
