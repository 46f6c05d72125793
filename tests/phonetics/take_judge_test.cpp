// The take judge: what the learner was repeating found from the course
// recording, each take measured, scaled and judged into one value, and
// every way a take goes unjudged told by its fault.
#include "support/synthetic_vowel.h"

#include "content/recording_player.h"
#include "content/tables.h"
#include "phonetics/formant_analysis.h"
#include "phonetics/recorded_vowel_judge.h"
#include "phonetics/take_judge.h"

#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::phonetics;
using ejteto::testing::monophthong;
using ejteto::testing::synthesize;

namespace {

VowelMeasurement measured(double f1, double f2, double f3)
{
    const auto v = monophthong(f1, f2, f3, 1.0, 110);
    const VowelAnalysis a = analyseVowel(synthesize(v), v.sampleRate);
    EXPECT_TRUE(a.ok());
    return a.vowel;
}

// The course's /ɑː/ (9) and its confusables /æ/ (4) and /ʌ/ (10) in a man's
// voice; the other sounds far away.
CourseVowels course()
{
    CourseVowels c;
    for (int n = 1; n <= kSoundCount; ++n)
        c.sound[size_t(n)] = {{250, 3000, 3500}, {250, 3000, 3500}, {250, 3000, 3500}};
    c.sound[4] = measured(780, 1650, 2450);
    c.sound[9] = measured(650, 1100, 2500);
    c.sound[10] = measured(640, 1250, 2600);
    return c;
}

// A take of two channels, the voice on the first.
VoiceTake stereoTake(const std::vector<qint16>& mono)
{
    VoiceTake take{22050, 2, {}};
    for (const qint16 s : mono)
        take.samples.insert(take.samples.end(), {s, 0});
    return take;
}

} // namespace

TEST(TakeJudge, ATakeIsMeasuredScaledAndJudgedIntoOneValue)
{
    TakeJudge judge(course());
    const TakeTarget ah{9, {4, 10}, {}};
    // A child's /ɑː/, through a stereo microphone.
    const JudgedTake t = judge.judge(stereoTake(synthesize(monophthong(650, 1100, 2500, 1.3, 260))), ah);
    ASSERT_TRUE(t.judged());
    EXPECT_EQ(t.target.sound, 9);
    EXPECT_EQ(t.nearest(), 9);
    EXPECT_TRUE(t.verdict->right());
    EXPECT_NEAR(t.scale, 1.3, 0.07) << "judged on the child's scale";
    EXPECT_EQ(t.scaleTakes, 1);
    EXPECT_NEAR(t.analysis.vowel.mid.f1, 650 * 1.3, 85);
    EXPECT_GT(t.analysis.vowel.onset.f2, 0);
    EXPECT_GT(t.analysis.vowel.offset.f3, 0);
    EXPECT_LT(t.verdict->distanceBark[0], t.verdict->distanceBark[1]);

    // The same child says /ʌ/: named, with the way to move.
    const JudgedTake wrong = judge.judge(stereoTake(synthesize(monophthong(640, 1250, 2600, 1.3, 250))), ah);
    EXPECT_EQ(wrong.nearest(), 10);
    EXPECT_FALSE(wrong.verdict->mid.empty());
    EXPECT_EQ(wrong.scaleTakes, 2);

    // Silence: no vowel, and the scale is left as it was.
    const std::vector<qint16> silence(22050, 0);
    const JudgedTake quiet = judge.judge(silence.data(), qsizetype(silence.size()), 22050, ah);
    EXPECT_EQ(quiet.fault, phonetics::TakeFault::NoVowel);
    EXPECT_EQ(quiet.analysis.fault, AnalysisFault::NoVoice);
    EXPECT_FALSE(quiet.verdict);
    EXPECT_EQ(quiet.nearest(), 0);
    EXPECT_EQ(quiet.scaleTakes, 2);
}

TEST(TakeJudge, AMeasuredTakeWithoutTheCourseOrAKnownTargetIsNotJudged)
{
    const std::vector<qint16> ah = synthesize(monophthong(650, 1100, 2500, 1.0, 120));
    TakeJudge noCourse(std::nullopt);
    const JudgedTake a = noCourse.judge(ah.data(), qsizetype(ah.size()), 22050, {9, {4, 10}, {}});
    EXPECT_EQ(a.fault, phonetics::TakeFault::NoCourse);
    EXPECT_TRUE(a.measured());
    EXPECT_EQ(a.scaleTakes, 0);

    TakeJudge judge(course());
    const JudgedTake b = judge.judge(ah.data(), qsizetype(ah.size()), 22050, {0, {}, QStringLiteral("xyz")});
    EXPECT_EQ(b.fault, phonetics::TakeFault::UnknownTarget);
    EXPECT_TRUE(b.measured());
    EXPECT_EQ(b.scaleTakes, 0) << "an unknown vowel teaches nothing of the speaker";
}

TEST(TakeJudge, TheTargetIsTheVowelOrTheWordsVowelWithItsConfusables)
{
    ContentTables tables;
    tables.SoundTable[9] = {9, 1, 4, 10, 0};
    tables.WordTable = {{}, {QStringLiteral("car"), 9, QStringLiteral("autó")}};
    tables.WordCount = 1;

    const TakeTarget vowel = takeTargetOf(CourseRecording::ofVowel(9), tables);
    EXPECT_EQ(vowel.sound, 9);
    EXPECT_EQ(vowel.confusables, (std::array<int, 2>{4, 10}));
    EXPECT_TRUE(vowel.word.isEmpty());

    const TakeTarget word = takeTargetOf(CourseRecording::ofWord(QStringLiteral("car")), tables);
    EXPECT_EQ(word.sound, 9);
    EXPECT_EQ(word.confusables, (std::array<int, 2>{4, 10}));
    EXPECT_EQ(word.word, "car");

    const TakeTarget unknown = takeTargetOf(CourseRecording::ofWord(QStringLiteral("zzz")), tables);
    EXPECT_FALSE(unknown.known());
    EXPECT_EQ(unknown.word, "zzz");
}

TEST(RecordedVowelJudge, AVowelTakeNearerAConfusableIsAskedForAgain)
{
    ContentTables tables;
    tables.SoundTable[9] = {9, 1, 4, 10, 0};
    const VowelJudge judge = recordedVowelJudge(tables, course());
    const RecordingItem ah{9, {}};
    EXPECT_EQ(judge(stereoTake(synthesize(monophthong(650, 1100, 2500, 1.0, 110))), ah), std::nullopt);
    EXPECT_EQ(judge(stereoTake(synthesize(monophthong(780, 1650, 2450, 1.0, 110))), ah),
              QStringLiteral("Ez inkább /æ/-nek hangzik, mint /ɑː/-nek. Felveszed újra?"));
    // Without the course's measured vowels nothing is refused.
    EXPECT_EQ(
        recordedVowelJudge(tables, std::nullopt)(stereoTake(synthesize(monophthong(780, 1650, 2450, 1.0, 110))), ah),
        std::nullopt);
}
