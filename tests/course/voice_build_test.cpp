// The builder's voices, on a copy of the built course: one changed word is
// spoken again in the model voice and in every other voice and nothing else
// is made; the old word's recordings go from the builder's own voices, while
// a teacher's voice folder is left exactly as it was.
#include "course_fixture.h"

#include "app/voice_paths.h"
#include "contentkit/course_builder.h"
#include "contentkit/course_voices.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <unistd.h>

using namespace ejteto;
using ejteto::coursetest::put;
using namespace ejteto::contentkit;

namespace {
// Links every file of `from` into `to`: the builder replaces files by
// renaming, so the built course itself is never written through a link.
bool linkTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
            return false;
    }
    return true;
}

} // namespace

TEST(VoiceBuild, OneChangedWordIsSpokenAgainInEveryVoiceAndATeachersVoiceIsLeftAlone)
{
    const QString built = coursetest::installationDir();
    const QString manifest = QDir(built).filePath(QStringLiteral("../tools/course-manifest.txt"));
    if (!QFileInfo::exists(manifest))
        GTEST_SKIP() << "the course was linked, not built, in this build tree";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString data = work.filePath(QStringLiteral("data"));
    const QString out = work.filePath(QStringLiteral("ejteto"));
    ASSERT_TRUE(linkTree(QStringLiteral(EJTETO_TEST_DATA_DIR), data));
    ASSERT_TRUE(linkTree(built, out));
    ASSERT_TRUE(QFile::copy(manifest, work.filePath(QStringLiteral("manifest.txt"))));

    // "meet" becomes "meek" (a word no lecture says); a teacher's voice holds
    // one recording of a word the table does not have, and so does a builder's voice.
    QFile words(data + QStringLiteral("/words.csv"));
    ASSERT_TRUE(words.open(QIODevice::ReadOnly));
    QByteArray table = words.readAll();
    words.close();
    ASSERT_TRUE(table.contains("\nmeet;"));
    table.replace("\nmeet;", "\nmeek;");
    QFile::remove(words.fileName());
    put(words.fileName(), table);
    const QString media = out + QStringLiteral("/media");
    const QByteArray take = "RIFF teacher's own take";
    put(*voiceWordRecordingPath(media, QStringLiteral("anna"), QStringLiteral("extra")), take);
    const QString ownVoice = courseVoices().front().folder;
    put(*voiceWordRecordingPath(media, ownVoice, QStringLiteral("extra")), take);

    CourseBuildOptions o;
    o.dataDir = data;
    o.outDir = out;
    o.manifestPath = work.filePath(QStringLiteral("manifest.txt"));
    const CourseBuildResult r = buildCourse(o);
    ASSERT_TRUE(r.problems.empty()) << r.problems.front().toString().toStdString();
    EXPECT_EQ(r.written, 1 + int(courseVoices().size())) << "only the changed word, in each voice";
    EXPECT_GE(courseVoices().size(), 6u);
    for (const CourseVoice& v : courseVoices()) {
        EXPECT_TRUE(QFileInfo(*voiceWordRecordingPath(media, v.folder, QStringLiteral("meek"))).size() > 1000);
        EXPECT_FALSE(QFileInfo::exists(*voiceWordRecordingPath(media, v.folder, QStringLiteral("meet"))));
    }
    EXPECT_FALSE(QFileInfo::exists(*voiceWordRecordingPath(media, ownVoice, QStringLiteral("extra"))));
    QFile teachers(*voiceWordRecordingPath(media, QStringLiteral("anna"), QStringLiteral("extra")));
    ASSERT_TRUE(teachers.open(QIODevice::ReadOnly));
    EXPECT_EQ(teachers.readAll(), take);
    // The built course itself is untouched.
    EXPECT_TRUE(
        QFileInfo::exists(*voiceWordRecordingPath(built + QStringLiteral("/media"), ownVoice, QStringLiteral("meet"))));
}
