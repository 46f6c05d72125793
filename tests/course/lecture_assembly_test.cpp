// Putting a lecture together without the synthesizer: sound and pictures
// stay in step, and a short lecture is held to the minimum length.
#include "audio/pcm_shaping.h"
#include "contentkit/build_manifest.h"
#include "contentkit/lecture_video.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::contentkit;

namespace {
std::array<LectureScript, 17> scripts()
{
    std::array<LectureScript, 17> all;
    for (int n = 1; n <= 16; ++n) {
        all[size_t(n)].lesson = n;
        all[size_t(n)].soundName = QStringLiteral("hang %1").arg(n);
    }
    LectureScript& s = all[1];
    s.keyWord = "sheep";
    s.formation = {"Egy mondat.", "Még egy."};
    s.hungarian = "Magyar í.";
    s.spellings = {{"ee", {"see", "tree"}}, {"ea", {"sea"}}};
    s.contrasts = {{2, 1, {{"sheep", "ship"}, {"feet", "fit"}}}, {3, 2, {{"bead", "bed"}}}};
    return all;
}

// Every spoken piece lasts `ms` of a tone, so lengths are known exactly.
std::function<PcmAudio(const SpeechRequest&)> fixedSpeech(int ms)
{
    return [ms](const SpeechRequest&) {
        PcmAudio a = silence(ms);
        for (size_t i = 0; i < a.samples.size(); ++i)
            a.samples[i] = int16_t((i % 50) * 100);
        return a;
    };
}
} // namespace

TEST(LectureAssembly, EveryStepCoversWholeFramesAndSoundMatchesPictures)
{
    const auto all = scripts();
    const LecturePlan plan = planLecture(all[1], all);
    // Title, three paragraphs, spelling intro + 2 rows, 2 x (intro + pairs), closing.
    EXPECT_EQ(plan.steps.size(), 1u + 3 + 3 + (1 + 2) + (1 + 1) + 1);
    for (const LectureStep& st : plan.steps)
        EXPECT_EQ(st.picture.size(), QSize(400, 300));

    double seconds = 0;
    const AviMovie m = assembleLecture(plan, fixedSpeech(2000), &seconds);
    EXPECT_EQ(m.framesPerSecond, 2);
    EXPECT_EQ(m.sound.samples.size(), m.frames.size() * 11025);
    EXPECT_DOUBLE_EQ(seconds, m.frames.size() / 2.0);
    EXPECT_GT(seconds, 30.0);
    // Spoken English: the key word twice, three spelling examples, six pair words;
    // the vowel alone three times.
    int english = 0;
    int vowels = 0;
    for (const SpeechRequest& r : speechOf(plan)) {
        english += r.voice == Voice::BritishEnglish && !r.phonemes;
        vowels += r.phonemes;
    }
    EXPECT_EQ(english, 11);
    EXPECT_EQ(vowels, 3);
}

TEST(LectureAssembly, ShortLectureIsHeldToThirtySeconds)
{
    const auto all = scripts();
    double seconds = 0;
    const AviMovie m = assembleLecture(planLecture(all[1], all), fixedSpeech(50), &seconds);
    EXPECT_DOUBLE_EQ(seconds, 30.0);
    EXPECT_EQ(m.sound.samples.size(), 60u * 11025);
}

TEST(LectureAssembly, NarrationUsesTheRightVoices)
{
    EXPECT_EQ(narrationRequest({NarrationPart::Hungarian, "Első lecke.", 0}, 1).voice, Voice::Hungarian);
    const SpeechRequest word = narrationRequest({NarrationPart::English, "sheep", 0}, 1);
    EXPECT_EQ(word.key(), wordRequest("sheep").key()); // the lecture's word sounds like its recording
    const SpeechRequest v = narrationRequest({NarrationPart::Vowel, {}, 0}, 9);
    EXPECT_TRUE(v.phonemes);
    EXPECT_EQ(v.text, QStringLiteral("'A:"));
}

TEST(BuildManifest, OutputIsCurrentOnlyWithItsKeyAndItsFile)
{
    QTemporaryDir dir;
    const QByteArray key = BuildManifest::keyOf({"a", "b"});
    EXPECT_NE(key, BuildManifest::keyOf({"ab"}));
    BuildManifest m;
    m.record("x.wav", key);
    EXPECT_FALSE(m.isCurrent(dir.path(), "x.wav", key)); // no file yet
    QFile f(dir.filePath("x.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    m.save(dir.filePath("manifest"));
    const BuildManifest back = BuildManifest::load(dir.filePath("manifest"));
    EXPECT_TRUE(back.isCurrent(dir.path(), "x.wav", key));
    EXPECT_FALSE(back.isCurrent(dir.path(), "x.wav", BuildManifest::keyOf({"a", "c"})));
    EXPECT_FALSE(BuildManifest::load(dir.filePath("none")).isCurrent(dir.path(), "x.wav", key));
}
