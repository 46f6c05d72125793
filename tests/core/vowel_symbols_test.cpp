// The phonetic symbols of the sixteen vowel sounds, as every window and the
// course builder write them.
#include "content/vowel_symbols.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace ejteto
