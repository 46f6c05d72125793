// The installation folder and the paths formed from it: every piece must
// find its file, the doubled separator included.
#include "app/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Paths, AppDirIsTheExecutablesFolderWithItsSeparator)
{
    EXPECT_EQ(ejteto::appDirOf(QStringLiteral("/opt/ejteto/ejteto")), QStringLiteral("/opt/ejteto/"));
    EXPECT_EQ(ejteto::appDirOf(QStringLiteral("/ejteto")), QStringLiteral("/"));
    EXPECT_EQ(ejteto::appDirOf(QStringLiteral("/home/éva/ejtető 2/ejteto")), QStringLiteral("/home/éva/ejtető 2/"));
    EXPECT_EQ(ejteto::mediaDirOf(QStringLiteral("/")), QStringLiteral("//media"));
    EXPECT_EQ(ejteto::mediaDirOf(QStringLiteral("/opt/ejteto/")), QStringLiteral("/opt/ejteto//media"));
}

TEST(Paths, TheRunningProgramsFolder)
{
    const QString appDir = ejteto::currentAppDir();
    ASSERT_TRUE(appDir.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(appDir + QFileInfo(QCoreApplication::applicationFilePath()).fileName()).isExecutable());
}

// A tiny installation with one file at every place the program reads from.
TEST(Paths, EveryFormedPathFindsItsFile)
{
    QTemporaryDir dir;
    QDir root(dir.path());
    for (const char* sub : {"images", "media/words", "media/phones", "media/videos"})
        ASSERT_TRUE(root.mkpath(QLatin1String(sub)));
    const QStringList files{QStringLiteral("images/lecke_i_16.jpg"), QStringLiteral("images/lecke_a_7.jpg"),
                            QStringLiteral("media/words/ice cream.wav"), QStringLiteral("media/words/Éva.wav"),
                            QStringLiteral("media/phones/1.wav"), QStringLiteral("media/videos/12.avi")};
    for (const QString& f : files) {
        QFile file(root.filePath(f));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << f.toStdString();
    }
    const QString appDir = ejteto::appDirOf(dir.path() + QStringLiteral("/ejteto"));
    const QString mediaDir = ejteto::mediaDirOf(appDir);
    const QStringList formed{ejteto::inactiveTilePath(appDir, 16),
                             ejteto::activeTilePath(appDir, 7),
                             ejteto::wordRecordingPath(mediaDir, QStringLiteral("ice cream")).value_or(QString()),
                             ejteto::wordRecordingPath(mediaDir, QStringLiteral("Éva")).value_or(QString()),
                             ejteto::vowelRecordingPath(mediaDir, 1),
                             ejteto::lectureVideoPath(mediaDir, 12)};
    for (qsizetype i = 0; i < formed.size(); ++i) {
        EXPECT_TRUE(QFile::exists(formed[i])) << formed[i].toStdString();
        EXPECT_EQ(QFileInfo(formed[i]).canonicalFilePath(), QFileInfo(root.filePath(files[i])).canonicalFilePath());
    }
}

} // namespace
