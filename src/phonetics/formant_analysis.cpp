#include "phonetics/formant_analysis.h"

#include "burg.h"
#include "lpc_roots.h"
#include "phonetics/speech_watch.h"
#include "pitch.h"
#include "resampler.h"
#include "voice_checks.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <numbers>
#include <optional>

namespace ejteto::phonetics {

namespace {

// Voicing is decided every 20 ms, formants followed every 10 ms at most.
constexpr double kPitchHopSec = 0.02;
constexpr double kHopSec = 0.01;
// Shorter than this, a take holds no vowel worth measuring.
constexpr double kShortestTakeSec = 0.1;
constexpr double kShortestVowelSec = 0.06;
// Five formants below the ceiling: ten predictor coefficients.
constexpr int kOrder = 10;
// A Gaussian window of 50 ms, whose effective length is half that.
constexpr double kWindowSec = 0.05;
// Pre-emphasis from 50 Hz up, as Praat's formant analysis has it.
constexpr double kPreEmphasisHz = 50;
// A pole wider than this is the spectrum's tilt, not a resonance.
constexpr double kWidestFormantHz = 1000;
// Above any vowel's F1, a child's /a/ included.
constexpr double kHighestF1Hz = 1300;
// The vowel is followed at most this many frames; enough for its glide.
constexpr int kMostFrames = 24;
// Where along the vowel its frames lie: its edges belong to the consonants.
constexpr double kFirstAt = 0.1;
constexpr double kLastAt = 0.9;

using Formants = std::array<double, 3>; // 0 where a formant was not found

struct Track {
    double ceiling = 0;
    std::vector<double> at; // position of each frame along the vowel, 0..1
    std::vector<Formants> formants;
    double cost = 0;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

// The longest run of voiced frames, a single unvoiced frame inside bridged.
std::optional<std::pair<size_t, size_t>> longestVoicedRun(const std::vector<PitchFrame>& frames)
{
    std::optional<std::pair<size_t, size_t>> best;
    size_t i = 0;
    while (i < frames.size()) {
        if (frames[i].f0 <= 0) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < frames.size() && (frames[end].f0 > 0 || (end + 1 < frames.size() && frames[end + 1].f0 > 0)))
            ++end;
        if (!best || end - i > best->second - best->first)
            best = std::pair(i, end);
        i = end;
    }
    return best;
}

// The formants of one frame: `samples` at `rate`, pre-emphasised from its
// first sample on (which only serves as the one before the frame).
Formants frameFormants(const std::vector<float>& samples, double rate, const std::vector<double>& window)
{
    const double alpha = std::exp(-2 * std::numbers::pi * kPreEmphasisHz / rate);
    std::vector<double> frame(window.size());
    for (size_t i = 0; i < window.size(); ++i)
        frame[i] = window[i] * (samples[i + 1] - alpha * samples[i]);
    Formants f{0, 0, 0};
    size_t found = 0;
    for (const Resonance& r : predictorResonances(burgPredictor(frame, kOrder), rate)) {
        if (r.bandwidthHz > kWidestFormantHz)
            continue;
        f[found] = r.hz;
        if (++found == f.size())
            break;
    }
    // No human vowel has its first resonance this high: the real F1 merged
    // with F2 into one broad pole, as a ceiling too high for the voice does.
    // The frame counts as lost rather than as a steady, wrong track.
    if (f[0] > kHighestF1Hz)
        return {0, 0, 0};
    return f;
}

std::vector<double> gaussianWindow(size_t length)
{
    std::vector<double> w(length);
    const double edge = std::exp(-12.0);
    for (size_t i = 0; i < length; ++i) {
        const double t = (double(i) + 0.5) / double(length) - 0.5;
        w[i] = (std::exp(-48.0 * t * t) - edge) / (1 - edge);
    }
    return w;
}

// How unsteadily the tracks run: the mean step of each formant between
// neighbouring frames on a log scale, a missing formant counting as a leap.
// A ceiling too low for the voice drops or merges formants, one too high
// splits them: either way the tracks jump between frames.
double unsteadiness(const std::vector<Formants>& tracks)
{
    constexpr double kMissing = 1.0;
    double sum = 0;
    int steps = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        for (size_t k = 0; k < 3; ++k) {
            if (tracks[i][k] <= 0) {
                sum += kMissing;
                ++steps;
                continue;
            }
            if (i + 1 < tracks.size() && tracks[i + 1][k] > 0) {
                sum += std::abs(std::log(tracks[i + 1][k] / tracks[i][k]));
                ++steps;
            }
        }
    }
    return steps > 0 ? sum / steps : kMissing;
}

Track trackAtCeiling(const std::vector<float>& input, double inputRate, double startSec, double endSec, double ceiling,
                     int frameCount)
{
    Track t;
    t.ceiling = ceiling;
    const double rate = 2 * ceiling;
    // Only the frames' own stretches are brought to the ceiling's rate.
    const Resampler toRate(inputRate, rate);
    const std::vector<double> window = gaussianWindow(static_cast<size_t>(kWindowSec * rate));
    const auto length = static_cast<long>(window.size());
    for (int i = 0; i < frameCount; ++i) {
        const double at = frameCount > 1 ? kFirstAt + (kLastAt - kFirstAt) * i / (frameCount - 1) : 0.5;
        const double sec = startSec + at * (endSec - startSec);
        const long first = std::lround(sec * rate) - length / 2 - 1;
        t.at.push_back(at);
        t.formants.push_back(frameFormants(toRate.range(input, first, length + 1), rate, window));
    }
    t.cost = unsteadiness(t.formants);
    return t;
}

// How far the tracks at other ceilings lie from `t`'s, by the median over
// them of the mean log distance of F1 and F2, frame by frame. A vowel's
// true formants stay put over a range of ceilings; a ceiling too high
// merges two of them and one too low splits one, each into values no
// neighbouring ceiling repeats. A steady but wrong track is caught here.
double disagreement(const Track& t, const std::vector<Track>& all)
{
    constexpr double kMissing = 1.0;
    std::vector<double> distances;
    for (const Track& other : all) {
        if (&other == &t)
            continue;
        double sum = 0;
        for (size_t i = 0; i < t.formants.size(); ++i)
            for (size_t k = 0; k < 2; ++k) {
                const double a = t.formants[i][k], b = other.formants[i][k];
                sum += a > 0 && b > 0 ? std::abs(std::log(a / b)) : kMissing;
            }
        distances.push_back(sum / double(2 * std::max<size_t>(1, t.formants.size())));
    }
    return median(distances);
}

// The formants at `at` along the vowel: the median of the three nearest
// frames, formant by formant.
FormantPoint pointAt(const Track& t, double at)
{
    std::vector<size_t> order(t.at.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return std::abs(t.at[a] - at) < std::abs(t.at[b] - at); });
    order.resize(std::min<size_t>(3, order.size()));
    std::array<double, 3> values{};
    for (size_t k = 0; k < 3; ++k) {
        std::vector<double> v;
        for (size_t i : order)
            if (t.formants[i][k] > 0)
                v.push_back(t.formants[i][k]);
        values[k] = median(v);
    }
    return {values[0], values[1], values[2]};
}

// Whether a point can be a vowel's at all. A hum or a whistle is voiced and
// periodic too, but its one tone gives an "F1" below any vowel's or two
// "formants" split around it, closer than any vowel's F1 and F2 lie.
bool vowelLike(const FormantPoint& p)
{
    constexpr double kLowestF1 = 180;
    constexpr double kClosestF1F2 = 150;
    return p.f1 >= kLowestF1 && p.f2 - p.f1 >= kClosestF1F2;
}

std::vector<double> usableCeilings(const AnalysisOptions& options, int sampleRate)
{
    std::vector<double> ceilings;
    for (double c : options.ceilingsHz)
        if (c > 0 && 2 * c <= sampleRate)
            ceilings.push_back(c);
    return ceilings;
}

VowelAnalysis measureAt(const std::vector<float>& x, double rate, double startSec, double endSec, double f0,
                        const std::vector<double>& ceilings);

} // namespace

VowelAnalysis analyseVowel(const qint16* samples, qsizetype count, int sampleRate, const AnalysisOptions& options)
{
    VowelAnalysis result;
    const std::vector<double> ceilings = usableCeilings(options, sampleRate);
    if (ceilings.empty()) {
        result.fault = AnalysisFault::RateTooLow;
        return result;
    }
    if (samples == nullptr || count < static_cast<qsizetype>(kShortestTakeSec * sampleRate)) {
        result.fault = AnalysisFault::TooShort;
        return result;
    }

    // The voice, by the rule that ends the recorder's takes.
    RecordingLimits limits;
    limits.longestMs = INT_MAX;
    SpeechWatch watch(limits, sampleRate);
    watch.add(samples, count);
    const auto [voiceFirst, voiceLast] = watch.voiceOnly();
    if (voiceLast <= voiceFirst) {
        result.fault = AnalysisFault::NoVoice;
        return result;
    }
    if (overdriven(samples, voiceFirst, voiceLast)) {
        result.fault = AnalysisFault::Clipped;
        return result;
    }

    const std::vector<float> x(samples, samples + count);
    const double rate = sampleRate;
    const qsizetype margin = static_cast<qsizetype>(0.05 * rate);
    const qsizetype spanFirst = std::max<qsizetype>(0, voiceFirst - margin);
    const qsizetype spanLast = std::min(count, voiceLast + margin);
    const std::vector<float> span(x.begin() + spanFirst, x.begin() + spanLast);
    const std::vector<PitchFrame> pitch = trackPitch(span, rate, kPitchHopSec);
    const auto run = longestVoicedRun(pitch);
    if (!run) {
        result.fault = AnalysisFault::NoVoice;
        return result;
    }
    const double spanSec = double(spanFirst) / rate;
    const double startSec = spanSec + pitch[run->first].timeSec;
    const double endSec = spanSec + pitch[run->second - 1].timeSec;
    if (endSec - startSec < kShortestVowelSec) {
        // A short voice is too short; a long sound with hardly a voiced
        // moment (a whistle, a hiss with a click) held no vowel.
        result.fault = double(voiceLast - voiceFirst) / rate < kShortestTakeSec + kShortestVowelSec
                           ? AnalysisFault::TooShort
                           : AnalysisFault::NoVoice;
        return result;
    }
    std::vector<double> f0s;
    for (size_t i = run->first; i < run->second; ++i)
        if (pitch[i].f0 > 0)
            f0s.push_back(pitch[i].f0);
    return measureAt(x, rate, startSec, endSec, median(f0s), ceilings);
}

VowelAnalysis analyseVowelAt(const qint16* samples, qsizetype count, int sampleRate, double startSec, double endSec,
                             double f0, const AnalysisOptions& options)
{
    VowelAnalysis result;
    const std::vector<double> ceilings = usableCeilings(options, sampleRate);
    if (ceilings.empty()) {
        result.fault = AnalysisFault::RateTooLow;
        return result;
    }
    if (samples == nullptr || count <= 0 || endSec - startSec < kShortestVowelSec) {
        result.fault = AnalysisFault::TooShort;
        return result;
    }
    return measureAt(std::vector<float>(samples, samples + count), sampleRate, startSec, endSec, f0, ceilings);
}

namespace {

VowelAnalysis measureAt(const std::vector<float>& x, double rate, double startSec, double endSec, double f0,
                        const std::vector<double>& ceilings)
{
    VowelAnalysis result;
    const int frameCount =
        std::clamp(static_cast<int>((endSec - startSec) * (kLastAt - kFirstAt) / kHopSec) + 1, 3, kMostFrames);
    std::vector<Track> tracks;
    tracks.reserve(ceilings.size());
    for (double ceiling : ceilings)
        tracks.push_back(trackAtCeiling(x, rate, startSec, endSec, ceiling, frameCount));
    const Track* best = nullptr;
    double lowest = 0;
    for (const Track& t : tracks) {
        const double cost = t.cost + disagreement(t, tracks);
        if (!best || cost < lowest) {
            best = &t;
            lowest = cost;
        }
    }
    VowelMeasurement& v = result.vowel;
    v.onset = pointAt(*best, 0.25);
    v.mid = pointAt(*best, 0.5);
    v.offset = pointAt(*best, 0.75);
    v.f0 = f0;
    v.ceilingHz = best->ceiling;
    v.startSec = startSec;
    v.endSec = endSec;
    for (const FormantPoint* p : {&v.onset, &v.mid, &v.offset})
        if (!vowelLike(*p)) {
            result.fault = AnalysisFault::NoFormants;
            return result;
        }
    result.fault = AnalysisFault::None;
    return result;
}

} // namespace

} // namespace ejteto::phonetics
