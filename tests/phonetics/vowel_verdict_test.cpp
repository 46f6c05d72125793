// The verdict on synthetic takes: the nearest of a vowel and its two
// confusables once the course voice is carried to the learner's, and the
// Hungarian words that say which way to move.
#include "support/synthetic_vowel.h"

#include "phonetics/auditory_scale.h"
#include "phonetics/formant_analysis.h"
#include "phonetics/speaker_scale.h"
#include "phonetics/vowel_verdict.h"

#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::phonetics;

namespace {

struct Formants {
    double f1, f2, f3;
};
// A man's vowels, for the sounds the tests use.
const std::map<int, Formants> kMan = {
    {3, {580, 1800, 2550}},
    {4, {780, 1650, 2450}},
    {9, {650, 1100, 2500}},
    {10, {640, 1250, 2600}},
};

VowelMeasurement measured(const ejteto::testing::SyntheticVowel& v)
{
    const VowelAnalysis a = analyseVowel(ejteto::testing::synthesize(v), v.sampleRate);
    EXPECT_TRUE(a.ok());
    return a.vowel;
}

VowelMeasurement take(int sound, double scale, double f0)
{
    const Formants& f = kMan.at(sound);
    return measured(ejteto::testing::monophthong(f.f1, f.f2, f.f3, scale, f0));
}

// The course as the builder would store it: a man's voice at 110 Hz, the
// sounds not used here placed far away.
CourseVowels verdictCourse()
{
    CourseVowels c;
    for (int n = 1; n <= kSoundCount; ++n)
        c.sound[size_t(n)] = kMan.count(n) ? take(n, 1.0, 110)
                                           : VowelMeasurement{{250, 3000, 3500}, {250, 3000, 3500}, {250, 3000, 3500}};
    return c;
}

QString symbol(int n) { return QStringLiteral("/%1/").arg(n); }

} // namespace

TEST(VowelVerdict, AChildsVowelIsJudgedByItsVowelOnceScaledNotByItsVoice)
{
    const CourseVowels c = verdictCourse();
    // A child's /ɑː/ lies, unscaled, where a man's /æ/ does.
    const VowelMeasurement childA = take(9, 1.3, 260);
    EXPECT_NE(judgeVowel(childA, 9, {4, 10}, c, 1.0).nearest, 9);

    SpeakerScale scale;
    scale.addTake(childA, c.of(9));
    EXPECT_NEAR(scale.factor(), 1.3, 0.07);
    const VowelVerdict v = judgeVowel(childA, 9, {4, 10}, c, scale.factor());
    EXPECT_TRUE(v.right());
    EXPECT_EQ(verdictText(v, symbol).left(36), "Ezt hallottam: /9/. Ez a lecke hangj");

    // Later takes refine the estimate rather than replace it.
    scale.addTake(take(4, 1.3, 240), c.of(4));
    EXPECT_EQ(scale.takeCount(), 2);
    EXPECT_NEAR(scale.factor(), 1.3, 0.07);
}

TEST(VowelVerdict, TheConfusableSaidInsteadIsNamedWithTheWayToMove)
{
    const CourseVowels c = verdictCourse();
    // A woman says /ʌ/ for /æ/, and /e/ for /æ/.
    const VowelVerdict back = judgeVowel(take(10, 1.15, 210), 4, {10, 3}, c, 1.15);
    EXPECT_EQ(back.nearest, 10);
    EXPECT_EQ(back.mid, (std::vector<Move>{Move::Open, Move::Front}));
    EXPECT_EQ(verdictText(back, symbol), "Ezt hallottam: /10/, nem /4/. Ejtsd: nyíltabban, előrébb.");

    const VowelVerdict close = judgeVowel(take(3, 1.15, 210), 4, {10, 3}, c, 1.15);
    EXPECT_EQ(close.nearest, 3);
    EXPECT_EQ(close.mid.front(), Move::Open);
}

TEST(VowelVerdict, ADiphthongIsToldWhichEndOfItsGlideIsWrong)
{
    CourseVowels c = verdictCourse();
    // /aɪ/ of the course: from open back to close front.
    c.sound[8] = measured(ejteto::testing::diphthong({750, 1300, 2500}, {400, 1950, 2600}, 1.0, 110));
    // The learner starts right but stops halfway, at /e/.
    const VowelMeasurement halfway =
        measured(ejteto::testing::diphthong({750, 1300, 2500}, {580, 1700, 2550}, 1.0, 120));
    const VowelVerdict v = judgeVowel(halfway, 8, {12, 7}, c, 1.0);
    EXPECT_TRUE(v.onset.empty());
    EXPECT_EQ(v.offset.front(), Move::Close);
    EXPECT_TRUE(verdictText(v, symbol).endsWith(u"A siklás vége: zártabban, előrébb."))
        << verdictText(v, symbol).toStdString();
}

TEST(CourseVowels, StoredMeasurementsReadBackAndADamagedFileIsRefused)
{
    CourseVowels c;
    for (int n = 1; n <= kSoundCount; ++n)
        c.sound[size_t(n)] = {{300.0 + n, 1000.0 + n, 2500}, {310.0 + n, 1100, 2510}, {320, 1200, 2520.0 + n}};
    const QByteArray text = formatCourseVowels(c);
    const auto back = parseCourseVowels(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->of(7).onset.f1, 307);
    EXPECT_EQ(back->of(16).offset.f3, 2536);

    QByteArray shortened = text;
    shortened.truncate(text.lastIndexOf("16;"));
    QByteArray garbled = text;
    garbled.replace("1;301;", "1;x;");
    for (const QByteArray& bad : {shortened, garbled, QByteArray(), QByteArray(text + "4;1;1;1;1;1;1;1;1;1\n")})
        EXPECT_FALSE(parseCourseVowels(bad)) << bad.constData();
}

// A word's verdict names the word; a take about halfway between the lesson's
// vowel and a confusable one is called uncertain, never one of them.
TEST(VowelVerdict, AWordIsNamedAndATakeBetweenTwoVowelsIsUncertain)
{
    const CourseVowels c = verdictCourse();
    const VowelVerdict wrong = judgeVowel(take(3, 1.0, 120), 4, {10, 3}, c, 1.0);
    EXPECT_TRUE(verdictText(wrong, symbol, QStringLiteral("bad"))
                    .startsWith(u"bad: /3/-t hallottam /4/ helyett. Ejtsd nyíltabban"))
        << verdictText(wrong, symbol, QStringLiteral("bad")).toStdString();

    VowelMeasurement halfway = c.of(3);
    for (const auto& [mine, e, ae] :
         {std::tuple(&halfway.onset, c.of(3).onset, c.of(4).onset), std::tuple(&halfway.mid, c.of(3).mid, c.of(4).mid),
          std::tuple(&halfway.offset, c.of(3).offset, c.of(4).offset)})
        *mine = {barkToHz((hzToBark(e.f1) + hzToBark(ae.f1)) / 2), barkToHz((hzToBark(e.f2) + hzToBark(ae.f2)) / 2),
                 barkToHz((hzToBark(e.f3) + hzToBark(ae.f3)) / 2)};
    const VowelVerdict between = judgeVowel(halfway, 4, {10, 3}, c, 1.0);
    EXPECT_TRUE(between.uncertain());
    EXPECT_FALSE(between.right());
    const QString text = verdictText(between, symbol, QStringLiteral("bad"));
    EXPECT_TRUE(text.startsWith(u"bad: bizonytalan: /") && text.contains(u"/3/") && text.contains(u"/4/"))
        << text.toStdString();

    // A clear /æ/ is not made uncertain by the band.
    EXPECT_TRUE(judgeVowel(take(4, 1.0, 120), 4, {10, 3}, c, 1.0).right());
}

// The speaker's scale carries over from one session to the next as kept,
// and a new learner (or nothing kept) starts from the course voice's.
TEST(SpeakerScale, AKeptScaleGoesOnAndANewLearnerStartsFromOne)
{
    const CourseVowels c = verdictCourse();
    SpeakerScale kept = SpeakerScale::restored(1.25, 20);
    EXPECT_NEAR(kept.factor(), 1.25, 1e-9);
    kept.addTake(take(10, 1.25, 230), c.of(10));
    EXPECT_EQ(kept.takeCount(), 21);
    EXPECT_NEAR(kept.factor(), 1.25, 0.03);
    for (const auto& [factor, takes] : {std::pair(1.3, 0), std::pair(-1.0, 5), std::pair(std::nan(""), 5)})
        EXPECT_EQ(SpeakerScale::restored(factor, takes).factor(), 1.0);
}
