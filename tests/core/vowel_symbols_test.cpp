// The phonetic symbols of the sixteen vowel sounds, as every window and the
// course builder write them.
#include "content/vowel_symbols.h"

#include <gtest/gtest.h>
#include <vector>

namespace ejteto {
namespace {

TEST(VowelSymbolsTest, UnitsAndTextsMatchTheTable)
{
    EXPECT_EQ(VowelSymbols[1][0], u'\u0069');
    EXPECT_EQ(VowelSymbols[1][1], u'\u02D0'); // the length mark, not a colon
    EXPECT_EQ(VowelSymbols[7][1], u'\u026A');
    EXPECT_EQ(VowelSymbols[10][0], u'\u028C');
    EXPECT_EQ(VowelSymbols[10][1], 0);
    EXPECT_EQ(VowelSymbols[15][0], u'\u0065'); // a plain e
    EXPECT_EQ(VowelSymbols[15][1], u'\u028A');
    int lengthMarks = 0;
    for (int s = 1; s <= 16; ++s) {
        EXPECT_NE(VowelSymbols[s][0], 0) << s;
        lengthMarks += VowelSymbols[s][1] == u'\u02D0';
    }
    EXPECT_EQ(lengthMarks, 5); // iː uː ɑː ɜː ɔː

    EXPECT_EQ(symbolText(7), QString::fromUtf16(u"/e\u026A/"));
    EXPECT_EQ(symbolText(7).size(), 4);
    EXPECT_EQ(symbolText(10), QString::fromUtf16(u"/\u028C/"));
    EXPECT_EQ(symbolText(10).size(), 3);
    EXPECT_TRUE(symbolText(0).isEmpty());
    EXPECT_TRUE(symbolText(17).isEmpty());
}

// The judge weighs a diphthong's glide, not its middle: the flag comes from
// the symbols, so it must name exactly the five gliding vowels, and a number
// outside the course names no sound at all.
TEST(VowelSymbolsTest, SoundIdsAreCheckedAndDiphthongsReadFromTheSymbols)
{
    std::vector<int> ids;
    std::vector<int> diphthongs;
    for (const SoundId s : allSounds()) {
        ids.push_back(s.value());
        if (isDiphthong(s))
            diphthongs.push_back(s.value());
    }
    EXPECT_EQ(ids.size(), size_t(kSoundCount));
    EXPECT_EQ(ids.front(), 1);
    EXPECT_EQ(ids.back(), 16);
    EXPECT_EQ(diphthongs, (std::vector<int>{7, 8, 12, 15, 16})); // eɪ aɪ ɔɪ eʊ aʊ
    EXPECT_FALSE(SoundId::of(0));
    EXPECT_FALSE(SoundId::of(17));
    EXPECT_FALSE(SoundId::of(-1));
    EXPECT_EQ(SoundId::of(16)->index(), 16u);
    EXPECT_FALSE(isDiphthong(17));
}

} // namespace
} // namespace ejteto
