// The vowel found inside a word: words put together in the test from
// synthesised segments (a voiced closure, a nasal's murmur, an /l/, the
// vowel), said by a man and by a child, with silence, hiss or a cough
// around them; and the takes that hold no single word.
#include "support/synthetic_vowel.h"

#include "phonetics/formant_analysis.h"
#include "phonetics/word_vowel.h"

#include <gtest/gtest.h>
#include <random>

using namespace ejteto::phonetics;
namespace synth = ejteto::testing;

namespace {

constexpr int kRate = 22050;

struct Segment {
    std::array<double, 3> formants; // a man's F1-F3
    double seconds;
    double peak; // of full scale
};

// Voiced consonants as a vowel's neighbours sound: a closure's voice bar
// (one low resonance, faint), a nasal's murmur and an /l/, both weaker than
// the vowel and with their energy low.
const Segment kVoiceBar{{180, 1000, 2400}, 0.07, 0.04};
const Segment kNasal{{260, 1100, 2300}, 0.08, 0.12};
const Segment kLateral{{360, 1000, 2700}, 0.07, 0.22};

// The segments said one after another in one voice, with `padding` seconds
// of silence either side; `vowelAt` tells where the vowel (the segment
// `vowelIndex`) lies, in seconds.
std::vector<qint16> word(const std::vector<Segment>& segments, double scale, double f0, double padding,
                         size_t vowelIndex, std::pair<double, double>* vowelAt = nullptr)
{
    std::vector<qint16> out(static_cast<size_t>(padding * kRate), 0);
    for (size_t i = 0; i < segments.size(); ++i) {
        const Segment& s = segments[i];
        synth::SyntheticVowel v = synth::monophthong(s.formants[0], s.formants[1], s.formants[2], scale, f0);
        v.seconds = s.seconds;
        v.peak = s.peak;
        if (i == vowelIndex && vowelAt)
            *vowelAt = {double(out.size()) / kRate, double(out.size()) / kRate + s.seconds};
        const std::vector<qint16> pcm = synth::synthesize(v);
        out.insert(out.end(), pcm.begin(), pcm.end());
    }
    out.insert(out.end(), static_cast<size_t>(padding * kRate), 0);
    return out;
}

void addNoise(std::vector<qint16>& pcm, size_t from, size_t to, double amplitude, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> gauss(0, amplitude * 32767);
    for (size_t i = from; i < std::min(to, pcm.size()); ++i)
        pcm[i] = static_cast<qint16>(std::clamp(double(pcm[i]) + gauss(random), -32767.0, 32767.0));
}

VowelSpan find(const std::vector<qint16>& pcm, const QString& w = {})
{
    return findVowel(pcm.data(), static_cast<qsizetype>(pcm.size()), kRate, {w, 4});
}

} // namespace

// /æ/ between voiced stops, between nasals and after an /l/, by a man and
// by a child: the vowel's span is found, not the voiced word, so the
// formants at its midpoint are the vowel's.
TEST(WordVowel, TheVowelIsFoundBetweenVoicedNeighbours)
{
    const Segment ae{{780, 1650, 2450}, 0.22, 0.5};
    struct Word {
        const char* name;
        std::vector<Segment> segments;
        size_t vowel;
    };
    const Word words[] = {
        {"bad", {kVoiceBar, ae, kVoiceBar}, 1},
        {"man", {kNasal, ae, kNasal}, 1},
        {"black", {kVoiceBar, kLateral, ae}, 2},
        {"and", {ae, kNasal, kVoiceBar}, 0},
    };
    for (const auto& [scale, f0] : {std::pair(1.0, 110.0), std::pair(1.3, 260.0)})
        for (const Word& w : words) {
            SCOPED_TRACE(::testing::Message() << w.name << " scale " << scale);
            std::pair<double, double> truth;
            const std::vector<qint16> pcm = word(w.segments, scale, f0, 0.3, w.vowel, &truth);
            const VowelSpan span = find(pcm, QString::fromLatin1(w.name));
            ASSERT_TRUE(span.ok()) << int(span.fault);
            EXPECT_NEAR((span.startSec + span.endSec) / 2, (truth.first + truth.second) / 2, 0.03);
            EXPECT_GT(span.endSec - span.startSec, 0.5 * (truth.second - truth.first));
            EXPECT_NEAR(span.f0, f0, 0.1 * f0);
            const VowelAnalysis a = analyseVowelAt(pcm.data(), static_cast<qsizetype>(pcm.size()), kRate, span.startSec,
                                                   span.endSec, span.f0);
            ASSERT_TRUE(a.ok());
            EXPECT_NEAR(a.vowel.mid.f1, 780 * scale, 78 * scale);
            EXPECT_NEAR(a.vowel.mid.f2, 1650 * scale, 165 * scale);
        }
}

// Hiss of a quiet room all through the take and a cough before the word:
// neither is voiced, so the word's vowel is still the one found.
TEST(WordVowel, SilenceHissAndACoughAroundTheWordAreLeftOut)
{
    const Segment ih{{400, 1950, 2600}, 0.16, 0.5};
    std::pair<double, double> truth;
    std::vector<qint16> pcm = word({kNasal, ih, kVoiceBar}, 1.0, 130, 0.6, 1, &truth);
    addNoise(pcm, 0, pcm.size(), 0.002, 1);
    addNoise(pcm, size_t(0.1 * kRate), size_t(0.3 * kRate), 0.2, 2); // the cough
    const VowelSpan span = find(pcm, QStringLiteral("mid"));
    ASSERT_TRUE(span.ok()) << int(span.fault);
    EXPECT_NEAR((span.startSec + span.endSec) / 2, (truth.first + truth.second) / 2, 0.03);
}

// A take without a single word is said so, never judged: nothing but a
// cough, two words with a pause, a clipped voice, a vowel cut to a blip.
TEST(WordVowel, TakesWithoutOneWordGiveTheirFault)
{
    std::vector<qint16> cough(size_t(1.0 * kRate), 0);
    addNoise(cough, size_t(0.3 * kRate), size_t(0.5 * kRate), 0.3, 3);
    EXPECT_EQ(find(cough).fault, AnalysisFault::NoVoice);

    const Segment e{{580, 1800, 2550}, 0.2, 0.5};
    const Segment pause{{580, 1800, 2550}, 0.4, 0.0};
    EXPECT_EQ(find(word({e, pause, e}, 1.0, 120, 0.3, 0)).fault, AnalysisFault::TwoWords);

    const Segment loud{{580, 1800, 2550}, 0.3, 1.0};
    std::vector<qint16> clipped = word({loud}, 1.0, 120, 0.3, 0);
    for (qint16& s : clipped)
        s = static_cast<qint16>(std::clamp(int(s) * 3, -32767, 32767));
    EXPECT_EQ(find(clipped).fault, AnalysisFault::Clipped);

    // Too short to be more than a click: nothing to measure, whatever it is called.
    const Segment blip{{580, 1800, 2550}, 0.04, 0.5};
    EXPECT_FALSE(find(word({blip}, 1.0, 120, 0.3, 0)).ok());
}
