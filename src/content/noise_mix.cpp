#include "content/noise_mix.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ejteto {

namespace {
constexpr int kPadMs = 200;
constexpr double kGateRatio = 0.1;

uint32_t le32(const QByteArray& b, qsizetype at)
{
    const auto u = [&](qsizetype i) { return uint32_t(uint8_t(b[at + i])); };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}
uint16_t le16(const QByteArray& b, qsizetype at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }
void put16(QByteArray& b, uint16_t v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}
void put32(QByteArray& b, uint32_t v)
{
    put16(b, uint16_t(v & 0xFFFF));
    put16(b, uint16_t(v >> 16));
}

// A small generator of its own, so the noise of a trial does not move the
// program's random source.
class Xorshift {
public:
    explicit Xorshift(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
    double uniform() // -1..1
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return double(s_) / double(std::numeric_limits<uint32_t>::max()) * 2.0 - 1.0;
    }

private:
    uint32_t s_;
};
} // namespace

std::optional<MonoPcm> readPcm16Wav(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    int channels = 0;
    MonoPcm out;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        qsizetype size = qsizetype(le32(b, at + 4));
        const qsizetype body = at + 8;
        size = std::min(size, b.size() - body);
        if (id == "fmt " && size >= 16) {
            if (le16(b, body) != 1 || le16(b, body + 14) != 16)
                return std::nullopt;
            channels = le16(b, body + 2);
            out.sampleRate = int(le32(b, body + 4));
            if (channels < 1 || out.sampleRate < 8000)
                return std::nullopt;
        } else if (id == "data") {
            if (channels == 0)
                return std::nullopt;
            const qsizetype frames = size / (2 * channels);
            out.samples.resize(size_t(frames));
            for (qsizetype f = 0; f < frames; ++f) {
                int sum = 0;
                for (int c = 0; c < channels; ++c)
                    sum += int16_t(le16(b, body + 2 * (f * channels + c)));
                out.samples[size_t(f)] = int16_t(sum / channels);
            }
            return out;
        }
        at = body + size + (size % 2);
    }
    return std::nullopt;
}

QByteArray pcm16WavBytes(const MonoPcm& a)
{
    QByteArray b;
    const uint32_t data = uint32_t(a.samples.size() * 2);
    b.append("RIFF");
    put32(b, 36 + data);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, 1);
    put32(b, uint32_t(a.sampleRate));
    put32(b, uint32_t(a.sampleRate) * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, data);
    for (const int16_t s : a.samples)
        put16(b, uint16_t(s));
    return b;
}

double voicedLevelOf(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (const int16_t v : samples)
        peak = std::max(peak, std::abs(int(v)));
    if (peak == 0)
        return -std::numeric_limits<double>::infinity();
    double sum = 0;
    size_t n = 0;
    for (const int16_t v : samples) {
        if (std::abs(int(v)) >= peak * kGateRatio) {
            sum += double(v) * double(v);
            ++n;
        }
    }
    return 20.0 * std::log10(std::sqrt(sum / double(n)) / 32768.0);
}

MonoPcm mixNoise(const MonoPcm& speech, int snrDb, uint32_t seed)
{
    const double level = voicedLevelOf(speech.samples);
    if (!std::isfinite(level))
        return speech;
    const size_t pad = size_t(speech.sampleRate) * kPadMs / 1000;
    const size_t n = speech.samples.size() + 2 * pad;
    // White noise through a one-pole low-pass: most of its energy where the
    // vowels' formants are, as with a room of talkers.
    std::vector<double> noise(n);
    Xorshift rng(seed);
    const double a = std::exp(-2.0 * M_PI * 800.0 / speech.sampleRate);
    double y = 0;
    double sum = 0;
    for (double& v : noise) {
        y = (1 - a) * rng.uniform() + a * y;
        v = y;
        sum += y * y;
    }
    const double rms = std::sqrt(sum / double(n));
    const double target = 32768.0 * std::pow(10.0, (level - snrDb) / 20.0);
    const double gain = rms > 0 ? target / rms : 0;
    std::vector<double> mix(n);
    double peak = 0;
    for (size_t i = 0; i < n; ++i) {
        const double voice = (i >= pad && i < pad + speech.samples.size()) ? speech.samples[i - pad] : 0.0;
        mix[i] = voice + noise[i] * gain;
        peak = std::max(peak, std::abs(mix[i]));
    }
    const double scale = peak > 32000.0 ? 32000.0 / peak : 1.0;
    MonoPcm out;
    out.sampleRate = speech.sampleRate;
    out.samples.resize(n);
    for (size_t i = 0; i < n; ++i)
        out.samples[i] = int16_t(std::lround(mix[i] * scale));
    return out;
}

} // namespace ejteto
