// The built installation: every file the program looks for is there, the
// tables load through the program's own loader, and the recordings and
// lectures are what a learner should get.
#include "course_fixture.h"
#include "gst_playback.h"

#include "app/random_source.h"
#include "app/voice_paths.h"
#include "audio/pcm_shaping.h"
#include "content/line_reader.h"
#include "content/tables.h"
#include "contentkit/table_checker.h"
#include "contentkit/wav_file.h"

#include <QImageReader>
#include <QtEndian>
#include <numeric>

using namespace ejteto;
using namespace ejteto::contentkit;

namespace {
class Installation : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = coursetest::installationDir();
        ASSERT_FALSE(dir_.isEmpty()) << "EJTETO_BINARY names no built program";
        ASSERT_TRUE(QFileInfo::exists(path("sounds.csv"))) << "the course is not built in " << dir_.toStdString();
        RandomSource rng;
        rng.seed(7);
        // Exactly what the program does at start-up; any error fails the test.
        loadSoundTable(tables_, readTableLines(path("sounds.csv")), rng);
        loadWordTable(tables_, readTableLines(path("words.csv")));
    }

    QString path(const QString& rel) const { return QDir(dir_).filePath(rel); }
    QStringList words() const
    {
        QStringList w;
        for (int i = 1; i <= tables_.WordCount; ++i)
            w << tables_.WordTable[size_t(i)].Word;
        return w;
    }

    QString dir_;
    ContentTables tables_;
};

struct AviHeader {
    int microsecondsPerFrame = 0;
    int frames = 0;
    int width = 0;
    int height = 0;
};

AviHeader aviHeader(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.read(256);
    const qsizetype at = b.indexOf("avih");
    if (at < 0)
        return {};
    const auto field = [&](qsizetype offset) { return int(qFromLittleEndian<quint32>(b.constData() + at + offset)); };
    return {field(8), field(24), field(40), field(44)};
}
} // namespace

TEST_F(Installation, HoldsEveryFileThePathTableNames)
{
    QStringList missing;
    for (const QString& rel : requiredInstallationFiles(words()))
        if (QFileInfo(path(rel)).size() <= 0)
            missing << rel;
    EXPECT_EQ(missing, QStringList());
    // The same check a teacher runs finds nothing wrong either.
    QStringList problems;
    for (const TableProblem& p : checkContentFolder(dir_))
        problems << p.toString();
    EXPECT_EQ(problems, QStringList());
}

TEST_F(Installation, TablesRoundTripThroughTheProgramsLoader)
{
    int total = 0;
    for (int s = 1; s <= kSoundCount; ++s) {
        const SoundRecord& r = tables_.SoundTable[size_t(s)];
        EXPECT_EQ(r.Id, s);
        EXPECT_TRUE(r.WordCount == 25 || r.WordCount == 29 || r.WordCount == 31) << s;
        EXPECT_EQ(std::gcd(r.WordCount, 12), 1);
        EXPECT_NE(r.Confusable1, s);
        EXPECT_NE(r.Confusable2, s);
        EXPECT_GE(r.Cursor, 0);
        EXPECT_LT(r.Cursor, r.WordCount);
        // The block of sound s: the first entry of it and the N that follow.
        int first = 1;
        while (first <= tables_.WordCount && tables_.WordTable[size_t(first)].SoundId != s)
            ++first;
        for (int k = 0; k < r.WordCount; ++k)
            EXPECT_EQ(tables_.WordTable[size_t(first + k)].SoundId, s) << "entry " << first + k;
        total += r.WordCount;
    }
    EXPECT_EQ(total, tables_.WordCount);
    for (const QString& w : words()) {
        EXPECT_FALSE(MeaningOfWord(tables_, w).isEmpty()) << w.toStdString();
        EXPECT_GE(SoundOfWord(tables_, w), 1);
    }
    // Hungarian accents survive the code page: "őszibarack", "gyűrű".
    EXPECT_EQ(MeaningOfWord(tables_, "peach"), QStringLiteral("őszibarack"));
    EXPECT_EQ(MeaningOfWord(tables_, "ring"), QStringLiteral("gyűrű"));
}

TEST_F(Installation, PicturesHaveTheirLayoutSizes)
{
    for (int n = 1; n <= 16; ++n) {
        for (const char* state : {"i", "a"}) {
            QImageReader r(path(QStringLiteral("images/lecke_%1_%2.jpg").arg(QLatin1String(state)).arg(n)));
            EXPECT_EQ(r.format(), "jpeg");
            EXPECT_EQ(r.size(), QSize(110, 110)) << state << n;
        }
    }
    for (const char* name : {"images/speaker_blue.jpg", "images/speaker_brown.jpg"})
        EXPECT_EQ(QImageReader(path(QLatin1String(name))).size(), QSize(36, 32)) << name;
}

TEST_F(Installation, RecordingsAreTrimmedShortAndEvenlyLoud)
{
    QStringList files;
    for (const QString& w : words())
        files << QStringLiteral("media/words/%1.wav").arg(w);
    for (int n = 1; n <= 16; ++n)
        files << QStringLiteral("media/phones/%1.wav").arg(n);
    for (const QString& rel : files) {
        const PcmAudio a = readWav(path(rel));
        EXPECT_EQ(a.sampleRate, 22050) << rel.toStdString();
        EXPECT_GT(a.seconds(), 0.15) << rel.toStdString();
        EXPECT_LT(a.seconds(), 2.0) << rel.toStdString();
        EXPECT_NEAR(voicedLevelDbfs(a), -18.0, 1.5) << rel.toStdString();
        // No trailing silence: sound within the last tenth of a second.
        int tailPeak = 0;
        for (size_t i = a.samples.size() - std::min<size_t>(a.samples.size(), 2205); i < a.samples.size(); ++i)
            tailPeak = std::max(tailPeak, std::abs(int(a.samples[i])));
        EXPECT_GT(tailPeak, 160) << rel.toStdString();
    }
    EXPECT_LT(readWav(path("media/null.wav")).seconds(), 0.5);
}

TEST_F(Installation, EveryWordAndVowelIsSpokenInSixMoreVoicesAsLoudAsTheModel)
{
    const QString media = path("media");
    const QStringList voices = voiceFolders(media);
    EXPECT_GE(voices.size(), 6);
    for (const QString& v : voices) {
        QStringList files;
        for (const QString& w : words())
            files << *voiceWordRecordingPath(media, v, w);
        for (int n = 1; n <= 16; ++n)
            files << voiceVowelRecordingPath(media, v, n);
        for (const QString& f : files) {
            const PcmAudio a = readWav(f);
            EXPECT_GT(a.seconds(), 0.15) << f.toStdString();
            EXPECT_LT(a.seconds(), 2.5) << f.toStdString();
            // The model voice is held to the same window, so the spread stays within 3 dB.
            EXPECT_NEAR(voicedLevelDbfs(a), -18.0, 1.5) << f.toStdString();
        }
    }
    // Another voice, not a copy of the model's recording.
    ASSERT_FALSE(voices.isEmpty());
    EXPECT_NE(readWav(*voiceWordRecordingPath(media, voices[0], "see")).samples,
              readWav(path("media/words/see.wav")).samples);
}

TEST_F(Installation, LecturesLastHalfAMinuteToAMinuteAndAHalfAndPlay)
{
    for (int n = 1; n <= 16; ++n) {
        const AviHeader h = aviHeader(path(QStringLiteral("media/videos/%1.avi").arg(n)));
        EXPECT_EQ(h.width, 400);
        EXPECT_EQ(h.height, 300);
        const double seconds = double(h.frames) * h.microsecondsPerFrame / 1e6;
        EXPECT_GE(seconds, 30.0) << n;
        EXPECT_LE(seconds, 90.0) << n;
    }
    const AviHeader h = aviHeader(path("media/videos/1.avi"));
    const auto played = coursetest::playAvi(path("media/videos/1.avi"), true);
    EXPECT_TRUE(played.reachedEnd) << played.error.toStdString();
    EXPECT_EQ(played.videoFrames, h.frames);
    EXPECT_EQ(played.audioBytes, qint64(h.frames) * 11025 * 2);

    const auto placeholder = coursetest::playAvi(path("media/null.avi"), false);
    EXPECT_TRUE(placeholder.reachedEnd) << placeholder.error.toStdString();
    EXPECT_EQ(placeholder.videoFrames, 1);
}
