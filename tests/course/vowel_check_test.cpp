// The checker's two vowel options as a teacher runs them: --formants on a
// recording of known formants and on one without voice; --vowels on the
// built course, which passes, and on a copy whose /æ/ says /ʌ/.
#include "course/course_fixture.h"
#include "support/synthetic_vowel.h"

#include "contentkit/wav_file.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace ejteto;

namespace {

struct CheckRun {
    int exitCode = -1;
    QString out;
};

CheckRun check(const QStringList& args)
{
    const QString program = QDir(coursetest::installationDir()).filePath("../tools/ejteto_check");
    QProcess p;
    p.start(program, args);
    CheckRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    return r;
}

void writeVowel(const QString& path, const std::vector<qint16>& samples, int rate)
{
    contentkit::PcmAudio audio;
    audio.sampleRate = rate;
    audio.samples.assign(samples.begin(), samples.end());
    contentkit::writeWav(path, audio);
}

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(name), QDir(to).filePath(name)));
}

} // namespace

TEST(VowelCheck, FormantsOptionPrintsTheMiddleOfTheVowelOrSaysThereIsNone)
{
    QTemporaryDir dir;
    // A woman's /æ/ at 44.1 kHz, as a teacher's recorder would write it.
    ejteto::testing::SyntheticVowel v = ejteto::testing::monophthong(780, 1650, 2450, 1.15, 210);
    v.sampleRate = 44100;
    writeVowel(dir.filePath("ae.wav"), ejteto::testing::synthesize(v), 44100);
    const CheckRun r = check({"--formants", dir.filePath("ae.wav")});
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString();
    const QStringList hz = r.out.trimmed().split(u' ');
    ASSERT_EQ(hz.size(), 3) << r.out.toStdString();
    EXPECT_NEAR(hz[0].toDouble(), 780 * 1.15, 78 * 1.15);
    EXPECT_NEAR(hz[1].toDouble(), 1650 * 1.15, 165 * 1.15);
    EXPECT_NEAR(hz[2].toDouble(), 2450 * 1.15, 245 * 1.15);

    writeVowel(dir.filePath("quiet.wav"), std::vector<qint16>(22050, 0), 22050);
    const CheckRun quiet = check({"--formants", dir.filePath("quiet.wav")});
    EXPECT_EQ(quiet.exitCode, 1);
    EXPECT_EQ(quiet.out, "Nem hallottam magánhangzót.\n");
}

TEST(VowelCheck, VowelsOptionPassesTheCourseAndNamesARecordingOfAnotherVowel)
{
    const QString course = coursetest::installationDir();
    const CheckRun r = check({"--vowels", course});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    EXPECT_EQ(r.out.count(u"legközelebb:"), 16) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u" 4 /æ/: 25% F1 ")) << r.out.toStdString();
    // The stored measurements are the ones the check makes.
    QFile stored(course + "/media/phones/formants.csv");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll().count('\n'), 17);

    QTemporaryDir copy;
    QFile::copy(course + "/sounds.csv", copy.filePath("sounds.csv"));
    copyFolder(course + "/media/phones", copy.filePath("media/phones"));
    QFile::remove(copy.filePath("media/phones/4.wav"));
    QFile::copy(course + "/media/phones/10.wav", copy.filePath("media/phones/4.wav"));
    const CheckRun wrong = check({"--vowels", copy.path()});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.out.contains(u"media/phones/4.wav: a mért magánhangzó (F1 ")) << wrong.out.toStdString();
    EXPECT_TRUE(wrong.out.contains(u"a(z) /ʌ/ hanghoz áll közelebb, nem a lecke /æ/ hangjához"));
}
