// The symbol tiles of the practice, test and word index panels.
#include "app/color_value.h"
#include "media/flood_fill.h"
#include "media/symbol_tile.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace ejteto {
namespace {

class SymbolTileTest : public ::testing::Test {
protected:
    // Where the text colour shows, as a bounding box; empty when nowhere.
    static QRect textArea(const QImage& tile, QColor text)
    {
        QRect area;
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                if (tile.pixel(x, y) == text.rgb())
                    area |= QRect(x, y, 1, 1);
        return area;
    }

    static bool anyPixel(const QImage& tile, QColor colour)
    {
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                if (tile.pixel(x, y) == colour.rgb())
                    return true;
        return false;
    }

    static void expectCorners(const QImage& tile, QColor background)
    {
        const int r = tile.width() - 1, b = tile.height() - 1;
        for (const QPoint p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            EXPECT_EQ(tile.pixel(p), background.rgb()) << p.x() << "," << p.y();
    }

    const QColor cream = colorFromValue(colors::Cream);
    const QColor practiceBlue = colorFromValue(colors::PracticeBlue);
    const QColor window = colorFromValue(colors::Window);
};

TEST_F(SymbolTileTest, FontIsGentiumAt43Pixels)
{
    const QFont font = symbolTileFont();
    EXPECT_EQ(font.pixelSize(), 43);
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(QFontInfo(font).family().startsWith("Gentium"));
}

TEST_F(SymbolTileTest, PracticeTileOfSoundSeven)
{
    const QImage tile = makeSymbolTile(QSize(85, 50), practiceBlue, cream, 7);
    ASSERT_EQ(tile.size(), QSize(85, 50));
    expectCorners(tile, practiceBlue);
    EXPECT_FALSE(anyPixel(tile, Qt::white)); // nothing of the fresh white bitmap is left
    const QRect text = textArea(tile, cream);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LT(text.left(), 10); // drawn from the top-left corner
    EXPECT_LT(text.top(), 15);
    EXPECT_GT(text.width(), 40); // four characters wide
}

TEST_F(SymbolTileTest, WordIndexTileOfSoundTenIsNarrower)
{
    const QImage ten = makeSymbolTile(QSize(85, 50), window, cream, 10);
    expectCorners(ten, window);
    const QRect tenText = textArea(ten, cream);
    ASSERT_FALSE(tenText.isEmpty());
    const QRect sevenText = textArea(makeSymbolTile(QSize(85, 50), window, cream, 7), cream);
    EXPECT_LT(tenText.right(), sevenText.right()); // three characters, not four

    // A tile painted after another is the same as a fresh one: nothing of the
    // earlier symbol carries over.
    EXPECT_EQ(makeSymbolTile(QSize(85, 50), window, cream, 10), ten);
}

TEST_F(SymbolTileTest, SoundOutsideTheTableGivesAPlainTile)
{
    for (const int id : {0, 17, -3, 1000}) {
        const QImage tile = makeSymbolTile(QSize(85, 50), practiceBlue, cream, id);
        QImage plain(85, 50, QImage::Format_RGB32);
        plain.fill(practiceBlue);
        EXPECT_EQ(tile, plain) << id;
    }
}

TEST(FloodFillTest, FillsOnlyTheConnectedAreaOfTheTargetColour)
{
    // A white picture with a closed black ring: filling inside it leaves the
    // ring and everything outside untouched.
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 4; x <= 14; ++x) {
        image.setPixel(x, 2, qRgb(0, 0, 0));
        image.setPixel(x, 9, qRgb(0, 0, 0));
    }
    for (int y = 2; y <= 9; ++y) {
        image.setPixel(4, y, qRgb(0, 0, 0));
        image.setPixel(14, y, qRgb(0, 0, 0));
    }
    image.setPixel(9, 5, qRgb(0, 0, 0)); // an island inside the ring
    floodFill(image, QPoint(6, 4), Qt::white, Qt::red);

    EXPECT_EQ(image.pixel(5, 3), QColor(Qt::red).rgb());
    EXPECT_EQ(image.pixel(13, 8), QColor(Qt::red).rgb());
    EXPECT_EQ(image.pixel(10, 5), QColor(Qt::red).rgb()); // around the island
    EXPECT_EQ(image.pixel(9, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(4, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), QColor(Qt::white).rgb());
    EXPECT_EQ(image.pixel(19, 11), QColor(Qt::white).rgb());

    // A start outside the picture, or on another colour, changes nothing.
    const QImage before = image;
    floodFill(image, QPoint(25, 1), Qt::white, Qt::blue);
    floodFill(image, QPoint(4, 2), Qt::white, Qt::blue);
    EXPECT_EQ(image, before);
}

} // namespace
} // namespace ejteto
