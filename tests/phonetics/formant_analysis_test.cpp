// The formant tracker on vowels of known formants, made in the test by a
// pulse train through resonators: men's, women's and children's tracts at
// pitches from 100 to 300 Hz, a diphthong's glide, and every kind of take
// that holds no vowel.
#include "support/synthetic_vowel.h"

#include "phonetics/formant_analysis.h"

#include <gtest/gtest.h>
#include <numbers>
#include <random>

using namespace ejteto::phonetics;
using ejteto::testing::SyntheticVowel;
namespace synth = ejteto::testing;

namespace {

struct KnownVowel {
    const char* name;
    double f1, f2, f3; // a man's
};
const KnownVowel kVowels[] = {
    {"i", 280, 2250, 2900}, {"ae", 700, 1600, 2450}, {"a", 650, 1100, 2500},
    {"o", 430, 700, 2500},  {"u", 300, 1200, 2250},  {"3", 520, 1400, 2450},
};

double error(double measured, double truth) { return std::abs(measured / truth - 1); }

} // namespace

TEST(FormantAnalysis, FindsKnownFormantsAtEveryTractScaleAndPitch)
{
    int cases = 0, bothWithinTenPercent = 0;
    for (const double scale : {1.0, 1.15, 1.3})
        for (const double f0 : {100.0, 150.0, 200.0, 250.0, 300.0})
            for (const KnownVowel& v : kVowels) {
                SCOPED_TRACE(::testing::Message() << v.name << " scale " << scale << " f0 " << f0);
                const VowelAnalysis a =
                    analyseVowel(synth::synthesize(synth::monophthong(v.f1, v.f2, v.f3, scale, f0)), 22050);
                ASSERT_TRUE(a.ok()) << int(a.fault);
                const std::pair<double, double> formants[] = {
                    {a.vowel.mid.f1, v.f1 * scale}, {a.vowel.mid.f2, v.f2 * scale}, {a.vowel.mid.f3, v.f3 * scale}};
                // Linear prediction is drawn to the nearest harmonic when
                // few harmonics lie below a formant (Praat's is too); with
                // three or more below it, every formant must be hit.
                for (const auto& [measured, truth] : formants) {
                    if (truth >= 2.5 * f0) {
                        EXPECT_LE(error(measured, truth), 0.1) << measured << " for " << truth;
                    }
                }
                EXPECT_NEAR(a.vowel.f0, f0, 0.05 * f0);
                ++cases;
                bothWithinTenPercent +=
                    error(a.vowel.mid.f1, v.f1 * scale) <= 0.1 && error(a.vowel.mid.f2, v.f2 * scale) <= 0.1;
            }
    // Near the harmonics too, nearly every vowel is measured within 10 %.
    EXPECT_GE(bothWithinTenPercent, 0.9 * cases) << bothWithinTenPercent << " of " << cases;
}

TEST(FormantAnalysis, FollowsADiphthongsGlideFromOnsetToOffset)
{
    // /aɪ/ of a woman: from an open back start to a close front end.
    const SyntheticVowel ai = synth::diphthong({750, 1300, 2500}, {400, 1950, 2600}, 1.15, 140);
    const VowelAnalysis a = analyseVowel(synth::synthesize(ai), 22050);
    ASSERT_TRUE(a.ok());
    EXPECT_LE(error(a.vowel.onset.f1, 750 * 1.15), 0.12);
    EXPECT_LE(error(a.vowel.onset.f2, 1300 * 1.15), 0.12);
    EXPECT_LE(error(a.vowel.offset.f1, 400 * 1.15), 0.12);
    EXPECT_LE(error(a.vowel.offset.f2, 1950 * 1.15), 0.12);
}

TEST(FormantAnalysis, AnySamplingRateFromElevenToAHundredAndNinetyTwoKilohertz)
{
    for (const int rate : {11025, 16000, 44100, 48000, 192000}) {
        SCOPED_TRACE(rate);
        SyntheticVowel v = synth::monophthong(700, 1600, 2450, 1.0, 120);
        v.sampleRate = rate;
        const VowelAnalysis a = analyseVowel(synth::synthesize(v), rate);
        ASSERT_TRUE(a.ok());
        EXPECT_LE(error(a.vowel.mid.f1, 700), 0.1);
        EXPECT_LE(error(a.vowel.mid.f2, 1600), 0.1);
    }
}

TEST(FormantAnalysis, ATakeWithoutAVowelIsAFaultNeverFormants)
{
    const std::vector<qint16> vowel = synth::synthesize(synth::monophthong(700, 1600, 2450, 1.0, 120));
    std::mt19937 random(7);
    std::normal_distribution<double> spread(0, 4000);
    std::vector<qint16> noise(22050), hiss(22050);
    for (qint16& s : noise)
        s = static_cast<qint16>(std::clamp(spread(random), -32000.0, 32000.0));
    double last = 0;
    for (qint16& s : hiss) { // an /s/: noise with its energy high up
        const double next = spread(random);
        s = static_cast<qint16>(std::clamp(next - last, -32000.0, 32000.0));
        last = next;
    }
    std::vector<qint16> loud = vowel;
    for (qint16& s : loud)
        s = static_cast<qint16>(std::clamp(4 * int(s), -32768, 32767));
    std::vector<qint16> hum(22050), whistle(22050);
    for (size_t i = 0; i < hum.size(); ++i) {
        hum[i] = static_cast<qint16>(12000 * std::sin(2 * std::numbers::pi * 100 * double(i) / 22050));
        whistle[i] = static_cast<qint16>(12000 * std::sin(2 * std::numbers::pi * 2000 * double(i) / 22050));
    }
    SyntheticVowel telephone = synth::monophthong(700, 1600, 2450, 1.0, 120);
    telephone.sampleRate = 8000;

    const struct {
        const char* take;
        std::vector<qint16> samples;
        int rate;
        AnalysisFault fault;
    } cases[] = {
        {"silence", std::vector<qint16>(22050, 0), 22050, AnalysisFault::NoVoice},
        {"noise", noise, 22050, AnalysisFault::NoVoice},
        {"a consonant alone", hiss, 22050, AnalysisFault::NoVoice},
        {"a hum", hum, 22050, AnalysisFault::NoFormants},
        {"a whistle", whistle, 22050, AnalysisFault::NoVoice},
        {"clipped", loud, 22050, AnalysisFault::Clipped},
        {"20 ms", std::vector<qint16>(vowel.begin() + 4000, vowel.begin() + 4441), 22050, AnalysisFault::TooShort},
        {"nothing", {}, 22050, AnalysisFault::TooShort},
        {"8 kHz", synth::synthesize(telephone), 8000, AnalysisFault::RateTooLow},
        {"no rate", vowel, 0, AnalysisFault::RateTooLow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.take);
        const VowelAnalysis a = analyseVowel(c.samples, c.rate);
        EXPECT_EQ(a.fault, c.fault);
        EXPECT_FALSE(a.ok());
        EXPECT_TRUE(analysisFaultText(a.fault).startsWith(u"Nem hallottam magánhangzót") ||
                    analysisFaultText(a.fault).startsWith(u"A felvétel"))
            << analysisFaultText(a.fault).toStdString();
    }
}
