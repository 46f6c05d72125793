// The filter of the word index, without any widget: which words a filter
// text selects, and in which order.
#include "content/word_filter.h"

#include <gtest/gtest.h>

using namespace ejteto;

namespace {
// Lines as the word table file holds them, the header first.
ContentTables filterTableOf(const QStringList& dataLines)
{
    ContentTables t;
    loadWordTable(t, QStringList{QStringLiteral("Word;SoundId;Meaning")} + dataLines);
    return t;
}

ContentTables sampleTable()
{
    return filterTableOf({
        QStringLiteral("sea;1;tenger"),
        QStringLiteral("Earth;5;föld"),
        QStringLiteral(";3;"),
        QStringLiteral("bEAd;1;gyöngy"),
        QStringLiteral("café;7;kávézó"),
        QStringLiteral("CAFÉ;7;kávézó"),
        QStringLiteral("sea;2;tenger"),
        QStringLiteral("cup;9;csésze"),
    });
}
} // namespace

TEST(WordFilter, OnlyAsciiLettersAreFolded)
{
    // '@' and '[' sit just outside A-Z; accented capitals and other scripts keep their case.
    EXPECT_EQ(foldAsciiCase(QStringLiteral("@AZ[`az{ÉŐÜé Ω")), QStringLiteral("@az[`az{ÉŐÜé Ω"));
}

TEST(WordFilter, AsciiCaseDoesNotMatterAndTheStoredCaseIsListed)
{
    const ContentTables t = sampleTable();
    const QStringList expected{QStringLiteral("sea"), QStringLiteral("Earth"), QStringLiteral("bEAd"),
                               QStringLiteral("sea")};
    EXPECT_EQ(filterWords(t, QStringLiteral("ea")), expected);
    EXPECT_EQ(filterWords(t, QStringLiteral("EA")), expected);
    EXPECT_EQ(filterWords(t, QStringLiteral("Ea")), expected);
    EXPECT_EQ(filterWords(t, QStringLiteral("eA")), expected);
}

TEST(WordFilter, AnAccentedCapitalMatchesOnlyItself)
{
    const ContentTables t = sampleTable();
    EXPECT_EQ(filterWords(t, QStringLiteral("É")), QStringList{QStringLiteral("CAFÉ")});
    EXPECT_EQ(filterWords(t, QStringLiteral("fé")), QStringList{QStringLiteral("café")});
    EXPECT_EQ(filterWords(t, QStringLiteral("afÉ")), QStringList{QStringLiteral("CAFÉ")});
    // The ASCII part still folds: both spellings share "caf".
    EXPECT_EQ(filterWords(t, QStringLiteral("CaF")), (QStringList{QStringLiteral("café"), QStringLiteral("CAFÉ")}));
}

TEST(WordFilter, TheEmptyFilterListsEveryEntryIncludingEmptyWords)
{
    const ContentTables t = sampleTable();
    const QStringList all = filterWords(t, QString());
    ASSERT_EQ(all.size(), t.WordCount);
    EXPECT_EQ(all, (QStringList{QStringLiteral("sea"), QStringLiteral("Earth"), QString(), QStringLiteral("bEAd"),
                                QStringLiteral("café"), QStringLiteral("CAFÉ"), QStringLiteral("sea"),
                                QStringLiteral("cup")}));
    EXPECT_EQ(filterWords(t, QStringLiteral("")), all);
    // Any other filter leaves the empty word out.
    EXPECT_FALSE(filterWords(t, QStringLiteral("a")).contains(QString()));
}

TEST(WordFilter, MatchesOnlyContiguousRunsAndNothingLongerThanTheWords)
{
    const ContentTables t = sampleTable();
    EXPECT_TRUE(filterWords(t, QStringLiteral("sa")).isEmpty()) << "s..a is not a contiguous run";
    EXPECT_TRUE(filterWords(t, QStringLiteral("earthearth")).isEmpty());
    EXPECT_TRUE(filterWords(t, QStringLiteral("cups")).isEmpty()) << "a filter running past the word's end";
    EXPECT_EQ(filterWords(t, QStringLiteral("p")), QStringList{QStringLiteral("cup")}) << "last letter";
    EXPECT_EQ(filterWords(t, QStringLiteral("cup")), QStringList{QStringLiteral("cup")}) << "whole word";
}

TEST(WordFilter, AWordStoredTwiceIsListedTwiceInTableOrder)
{
    const ContentTables t = sampleTable();
    EXPECT_EQ(filterWords(t, QStringLiteral("SEA")), (QStringList{QStringLiteral("sea"), QStringLiteral("sea")}));
}

TEST(WordFilter, AnEmptyTableGivesAnEmptyList)
{
    const ContentTables none;
    EXPECT_TRUE(filterWords(none, QString()).isEmpty());
    const ContentTables headerOnly = filterTableOf({});
    EXPECT_TRUE(filterWords(headerOnly, QString()).isEmpty());
}

TEST(WordFilter, TheEmptyFilterKeepsEntriesWithAnEmptyWord)
{
    const ContentTables t = sampleTable();
    EXPECT_EQ(WordFilterIndex(t).entriesMatching(QString()), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}
