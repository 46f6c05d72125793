// Decoding the program's pictures, and the messages a learner sees when a
// picture is missing or damaged.
#include "media/media_fixtures.h"

#include "app/app_error.h"
#include "media/jpeg_loader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ejteto {
namespace {

class JpegLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    static QString errorOf(const QString& path)
    {
        try {
            loadJpeg(path);
        } catch (const AppError& e) {
            return e.message();
        }
        ADD_FAILURE() << "no error for " << path.toStdString();
        return {};
    }

    static void expectNear(QRgb actual, int r, int g, int b)
    {
        EXPECT_NEAR(qRed(actual), r, 6);
        EXPECT_NEAR(qGreen(actual), g, 6);
        EXPECT_NEAR(qBlue(actual), b, 6);
    }

    QTemporaryDir dir;
};

TEST_F(JpegLoaderTest, ColourPictureDecodesToItsSizeAndColours)
{
    // Left half orange, right half dark blue, in blocks of 8 so the
    // compression keeps the colours.
    const QString path = dir.filePath("lecke_i_1.jpg");
    testing::writeJpeg(path, 32, 16, 3, [](int x, int, unsigned char* c) {
        c[0] = x < 16 ? 255 : 40;
        c[1] = x < 16 ? 152 : 53;
        c[2] = x < 16 ? 0 : 147;
    });
    const QImage image = loadJpeg(path);
    ASSERT_EQ(image.size(), QSize(32, 16));
    expectNear(image.pixel(4, 4), 255, 152, 0);
    expectNear(image.pixel(27, 11), 40, 53, 147);
}

TEST_F(JpegLoaderTest, GrayscaleAndCmykPicturesBecomeRgb)
{
    const QString gray = dir.filePath("gray.jpg");
    testing::writeJpeg(gray, 16, 8, 1, [](int, int, unsigned char* c) { c[0] = 128; });
    const QImage grayImage = loadJpeg(gray);
    ASSERT_EQ(grayImage.size(), QSize(16, 8));
    expectNear(grayImage.pixel(3, 3), 128, 128, 128);

    // Full magenta ink, no cyan, yellow or black (stored inverted).
    const QString cmyk = dir.filePath("cmyk.jpg");
    testing::writeJpeg(cmyk, 16, 8, 4, [](int, int, unsigned char* c) {
        c[0] = 255;
        c[1] = 0;
        c[2] = 255;
        c[3] = 255;
    });
    const QImage cmykImage = loadJpeg(cmyk);
    ASSERT_EQ(cmykImage.size(), QSize(16, 8));
    expectNear(cmykImage.pixel(8, 4), 255, 0, 255);
}

TEST_F(JpegLoaderTest, UnreadableFilesGiveTheFileOpenMessage)
{
    const QString missing = dir.filePath("images/speaker_blue.jpg");
    EXPECT_EQ(errorOf(missing), QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    EXPECT_EQ(errorOf(dir.path()), QStringLiteral("Cannot open file \"%1\". Is a directory").arg(dir.path()));
}

TEST_F(JpegLoaderTest, DamagedContentGivesTheDecoderMessageWithoutCrashing)
{
    const QString garbage = dir.filePath("garbage.jpg");
    testing::writeBytes(garbage, QByteArray("this is no picture at all"));
    EXPECT_TRUE(errorOf(garbage).startsWith("Not a JPEG file"));

    const QString empty = dir.filePath("empty.jpg");
    testing::writeBytes(empty, QByteArray());
    EXPECT_FALSE(errorOf(empty).isEmpty());

    // A picture cut short: either the decoder fills the rest or it reports
    // the damage; it never takes the program down.
    const QString whole = dir.filePath("whole.jpg");
    testing::writeJpeg(whole, 64, 64, 3, [](int x, int y, unsigned char* c) {
        c[0] = static_cast<unsigned char>(x * 4);
        c[1] = static_cast<unsigned char>(y * 4);
        c[2] = 90;
    });
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const qsizetype keep : {bytes.size() / 2, qsizetype(200), qsizetype(3)}) {
        const QString cut = dir.filePath(QStringLiteral("cut%1.jpg").arg(keep));
        testing::writeBytes(cut, bytes.left(keep));
        try {
            const QImage image = loadJpeg(cut);
            EXPECT_EQ(image.size(), QSize(64, 64));
        } catch (const AppError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}

TEST_F(JpegLoaderTest, APictureDeclaringMoreThan2048PixelsASideIsRefusedBeforeItIsDecoded)
{
    const auto bytesOf = [this](int width, int height) {
        const QString path = dir.filePath(QStringLiteral("p%1x%2.jpg").arg(width).arg(height));
        testing::writeJpeg(path, width, height, 1, [](int, int, unsigned char* c) { c[0] = 77; });
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    };
    // Read from memory, as the file loader does: the largest side accepted.
    EXPECT_EQ(decodeJpeg(bytesOf(2048, 8)).size(), QSize(2048, 8));
    EXPECT_EQ(decodeJpeg(bytesOf(8, 2048)).size(), QSize(8, 2048));

    // A tiny file whose header claims 28160 x 28160 pixels (3 GB decoded).
    QByteArray lying = bytesOf(8, 8);
    const qsizetype sof = lying.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (qsizetype at : {sof + 5, sof + 7}) { // height, then width, big-endian
        lying[at] = char(0x6E);
        lying[at + 1] = char(0x00);
    }
    const QString path = dir.filePath(QStringLiteral("lecke_i_3.jpg"));
    testing::writeBytes(path, lying);
    EXPECT_EQ(errorOf(path), QStringLiteral("Cannot open file \"%1\". Picture too large (28160 x 28160 pixels, "
                                            "at most 2048 x 2048)")
                                 .arg(path));
    try {
        decodeJpeg(bytesOf(2049, 8));
        ADD_FAILURE() << "a side of 2049 pixels decoded";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Picture too large (2049 x 8 pixels"))) << e.what();
    }
}

TEST_F(JpegLoaderTest, APictureLoadedAgainIsReadAgainWhateverWasDecodedBefore)
{
    // Pictures are loaded over and over (a tile click loads seventeen);
    // what was decoded before must never hide a change, a loss or damage.
    const QString tile = dir.filePath("lecke_a_3.jpg");
    auto writeTile = [&](unsigned char red) {
        testing::writeJpeg(tile, 16, 16, 3, [red](int, int, unsigned char* c) {
            c[0] = red;
            c[1] = 0;
            c[2] = 0;
        });
    };
    writeTile(250);
    decodeAhead({tile, dir.filePath("nincs.jpg")}); // a missing one is passed over
    expectNear(loadJpeg(tile).pixel(8, 8), 250, 0, 0);
    writeTile(20);
    expectNear(loadJpeg(tile).pixel(8, 8), 20, 0, 0);
    // Named with the doubled separator the window's paths have.
    expectNear(loadJpeg(dir.path() + QStringLiteral("//lecke_a_3.jpg")).pixel(8, 8), 20, 0, 0);

    testing::writeBytes(tile, QByteArray("this is no picture at all"));
    EXPECT_TRUE(errorOf(tile).startsWith("Not a JPEG file"));
    QFile::remove(tile);
    EXPECT_EQ(errorOf(tile), QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(tile));
}

} // namespace
} // namespace ejteto
