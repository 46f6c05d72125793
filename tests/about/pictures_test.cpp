// The pictures drawn by the program: their sizes and what shows where.
#include "app/color_value.h"
#include "ui/emblem.h"
#include "ui/pictures.h"

#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

using namespace ejteto;

namespace {

bool isWhite(QRgb c) { return qAlpha(c) == 255 && qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }
bool isBlue(QRgb c)
{
    return qAlpha(c) == 255 && qBlue(c) > 140 && qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 20;
}
bool isLight(QRgb c) { return qAlpha(c) > 200 && qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }
bool isBlack(QRgb c) { return qAlpha(c) == 255 && qRed(c) < 30 && qGreen(c) < 30 && qBlue(c) < 30; }

QRgb at(const QImage& image, int x, int y) { return image.convertToFormat(QImage::Format_ARGB32).pixel(x, y); }

int countPixels(const QImage& image, QRect area, bool (*test)(QRgb))
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(argb.pixel(x, y)) ? 1 : 0;
    return n;
}

QSet<QRgb> colours(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> set;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            set.insert(argb.pixel(x, y));
    return set;
}

} // namespace

TEST(Pictures, InformationSignIsAWhiteIOnABlueDisc)
{
    const QImage sign = informationSign();
    ASSERT_EQ(sign.size(), QSize(24, 24));
    EXPECT_TRUE(isWhite(at(sign, 12, 12))) << std::hex << at(sign, 12, 12); // the stem
    EXPECT_TRUE(isWhite(at(sign, 12, 16)));
    EXPECT_TRUE(isWhite(at(sign, 12, 6)));                               // the dot
    EXPECT_TRUE(isBlue(at(sign, 12, 9))) << std::hex << at(sign, 12, 9); // gap between dot and stem
    EXPECT_TRUE(isBlue(at(sign, 5, 12)));
    EXPECT_TRUE(isBlue(at(sign, 18, 12)));
    EXPECT_TRUE(isBlue(at(sign, 12, 21)));
    EXPECT_EQ(qAlpha(at(sign, 0, 0)), 0); // round, not square
    EXPECT_EQ(qAlpha(at(sign, 23, 23)), 0);
    // The letter is narrow: beside the stem it is blue again.
    EXPECT_TRUE(isBlue(at(sign, 8, 14)));
    EXPECT_TRUE(isBlue(at(sign, 15, 14)));
}

TEST(Pictures, ApplicationIconHasBothSizesInSixteenColours)
{
    const QIcon icon = applicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_EQ(applicationIconColorTable().size(), 16);
    for (int size : {32, 16}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        const QSet<QRgb> used = colours(image);
        EXPECT_LE(used.size(), 16) << size;
        EXPECT_GE(used.size(), 4) << size; // a picture, not a blot
        // The emblem's cream bubble and amber rim are there.
        EXPECT_TRUE(used.contains(colorFromValue(colors::Cream).rgb())) << size;
        EXPECT_TRUE(used.contains(colorFromValue(colors::Amber).rgb())) << size;
        // The picture the build painted is the emblem as the routine paints it.
        EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32), applicationIconImage(size)) << size;
    }
    // The large one sits on the main window's dark colour.
    EXPECT_EQ(applicationIconImage(32).pixel(28, 28), colorFromValue(colors::Window).rgb());
}

TEST(Pictures, LoudspeakerIsLightOnTransparentWithWavesToTheRight)
{
    const QImage speaker = loudspeakerPicture();
    ASSERT_EQ(speaker.size(), QSize(36, 25));
    EXPECT_EQ(qAlpha(at(speaker, 0, 0)), 0);
    EXPECT_EQ(qAlpha(at(speaker, 35, 24)), 0);
    EXPECT_EQ(qAlpha(at(speaker, 35, 0)), 0);
    EXPECT_TRUE(isLight(at(speaker, 5, 12)));  // the box
    EXPECT_TRUE(isLight(at(speaker, 14, 12))); // the cone
    // Waves: light strokes right of the cone, with gaps between them.
    EXPECT_GT(countPixels(speaker, QRect(19, 4, 14, 17), isLight), 15);
    EXPECT_EQ(qAlpha(at(speaker, 18, 12)), 0);
}

TEST(Pictures, LicenceBadgeIsAFramedButtonNamingTheLicence)
{
    const QImage badge = licenceBadge();
    ASSERT_EQ(badge.size(), QSize(88, 31));
    EXPECT_TRUE(isBlack(at(badge, 0, 0)));
    EXPECT_TRUE(isBlack(at(badge, 87, 30)));
    EXPECT_TRUE(isBlack(at(badge, 44, 0)));
    // Grey plate at the top right, black band with white lettering below.
    const QRgb plate = at(badge, 84, 4);
    EXPECT_GT(qRed(plate), 150);
    EXPECT_LT(qRed(plate), 235);
    EXPECT_TRUE(isBlack(at(badge, 84, 26)));
    EXPECT_GT(countPixels(badge, QRect(32, 20, 54, 9), isLight), 30);
    // Dark lettering on the plate, and the white seal on the left.
    EXPECT_GT(countPixels(badge, QRect(32, 2, 54, 16), isBlack), 20);
    EXPECT_TRUE(isWhite(at(badge, 15, 6)));
    EXPECT_TRUE(isWhite(at(badge, 15, 25)));
}
