// The program as `cmake --install` lays it out under a prefix: the program
// folder under lib/ejteto with the course under share/ejteto, the bin/ejteto link and the
// desktop files; the installed program started through the link from another
// folder; and the installed icons, which must be the window icon's picture.
#include "support/headless_program.h"
#include "ui/emblem.h"
#include "ui/pictures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString buildTree() { return qEnvironmentVariable("EJTETO_BUILD_TREE"); }

// One installation for the whole suite: copying the course takes a moment.
class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = std::make_unique<QTemporaryDir>();
        // The install overwrites the build's list of installed files, which a
        // developer's own uninstall may still need: it is put back after.
        QFile manifest(buildTree() + QStringLiteral("/install_manifest.txt"));
        const bool hadManifest = manifest.open(QIODevice::ReadOnly);
        const QByteArray saved = hadManifest ? manifest.readAll() : QByteArray();
        manifest.close();
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(qEnvironmentVariable("EJTETO_CMAKE"),
                      {QStringLiteral("--install"), buildTree(), QStringLiteral("--prefix"), prefix_->path()});
        install.waitForFinished(120000);
        installLog_ = QString::fromLocal8Bit(install.readAll());
        installed_ = install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
        if (!hadManifest)
            manifest.remove();
        else if (manifest.open(QIODevice::WriteOnly | QIODevice::Truncate))
            manifest.write(saved);
    }
    static void TearDownTestSuite() { prefix_.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(buildTree().isEmpty()) << "EJTETO_BUILD_TREE is not set";
        ASSERT_TRUE(installed_) << installLog_.toStdString();
    }

    static QString at(const QString& relative) { return prefix_->path() + QLatin1Char('/') + relative; }

    static inline std::unique_ptr<QTemporaryDir> prefix_;
    static inline QString installLog_;
    static inline bool installed_ = false;
};

TEST_F(InstalledProgram, HoldsTheWholeProgramFolderAndTheDesktopFiles)
{
    // The link is relative, so the prefix can be moved or packaged.
    EXPECT_EQ(std::filesystem::read_symlink(QFile::encodeName(at(QStringLiteral("bin/ejteto"))).toStdString()),
              "../lib/ejteto/ejteto");

    // Every file of the build's program folder, byte for byte in size;
    // the settings a run from the build folder may have left are not.
    const QString built = buildTree() + QStringLiteral("/ejteto");
    int files = 0;
    // A build that links to another build's course (the sanitizer build) holds
    // its folders as links.
    for (QDirIterator it(built, QDir::Files, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
         it.hasNext();) {
        const QFileInfo source(it.next());
        const QString relative = QDir(built).relativeFilePath(source.filePath());
        const QFileInfo copy(at(QStringLiteral("lib/ejteto/") + relative));
        if (relative == QLatin1String("et.ini")) {
            EXPECT_FALSE(copy.exists()) << "et.ini must not be installed";
            continue;
        }
        ++files;
        EXPECT_TRUE(copy.isFile() && copy.size() == source.size()) << relative.toStdString();
    }
    EXPECT_GT(files, 500); // the tables, 34 pictures, 480 recordings, 16 videos, 2 placeholders, help
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("lib/ejteto/ejteto"))).isExecutable());
    // The course, the same on every architecture, lies under share/ejteto;
    // relative links beside the executable lead to it.
    EXPECT_EQ(std::filesystem::read_symlink(QFile::encodeName(at(QStringLiteral("lib/ejteto/media"))).toStdString()),
              "../../share/ejteto/media");
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("share/ejteto/images/lecke_i_1.jpg"))).isFile());

    for (const char* file :
         {"share/applications/io.github.ejteto.ejteto.desktop", "share/metainfo/io.github.ejteto.ejteto.metainfo.xml",
          "share/man/man1/ejteto.1.gz", "share/man/hu/man1/ejteto.1.gz", "share/doc/ejteto/copyright",
          "share/icons/hicolor/scalable/apps/io.github.ejteto.ejteto.svg"})
        EXPECT_TRUE(QFileInfo(at(QLatin1String(file))).isFile()) << file;
}

TEST_F(InstalledProgram, StartsThroughTheLinkFromAnotherFolder)
{
    QTemporaryDir elsewhere;
    QProcess program;
    program.setProcessEnvironment(ejteto::testing::headlessProgramEnvironment());
    program.setWorkingDirectory(elsewhere.path());
    program.start(at(QStringLiteral("bin/ejteto")), {});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the program did not close by itself";
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QLatin1String("Ejteto!")) || errors.contains(QLatin1String("Error")))
        << errors.toStdString();
    // The level was kept in the real program folder (writable here), so the
    // program found that folder through the link.
    EXPECT_TRUE(QFile::exists(at(QStringLiteral("lib/ejteto/et.ini"))));
    EXPECT_FALSE(QFile::exists(at(QStringLiteral("bin/et.ini"))));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// How far two pictures of one size are apart: the mean difference of every
// channel, alpha included, over all pixels (0..255).
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

TEST_F(InstalledProgram, IconsAreTheWindowIconsPicture)
{
    const QString icons = at(QStringLiteral("share/icons/hicolor/"));
    const QString name = QStringLiteral("/apps/io.github.ejteto.ejteto");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage png(icons + QStringLiteral("%1x%1").arg(size) + name + QStringLiteral(".png"));
        ASSERT_EQ(png.size(), QSize(size, size)) << size;
        // The window shows the 16 and 32 pixel icons: the same pixels.
        const QImage drawn =
            size == 16 || size == 32 ? ejteto::applicationIconImage(size) : ejteto::applicationIconArtwork(size);
        EXPECT_EQ(png.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32)) << size;
    }
    // The scalable icon, drawn at 128 pixels, is the same picture as the
    // bitmap; only the edges may differ a little.
    QSvgRenderer svg(icons + QStringLiteral("scalable") + name + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.isValid());
    QImage rendered(128, 128, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    {
        QPainter p(&rendered);
        svg.render(&p);
    }
    EXPECT_LT(meanDifference(rendered, ejteto::applicationIconArtwork(128)), 0.5);
}

} // namespace
