// The content rules the program checks at start: what a broken table is
// reported as, and the one message a learner or teacher sees.
#include "content/content_rules.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

using namespace ejteto;

namespace {

// Sixteen sounds of twelve words each, as the tiny installation holds them.
struct Tables {
    QByteArray sounds = "Id;WordCount;Confusable1;Confusable2\r\n";
    QByteArray words = "Word;SoundId;Meaning\r\n";
    Tables()
    {
        for (int s = 1; s <= 16; ++s) {
            sounds += QByteArray::number(s) + ";12;" + QByteArray::number(s % 16 + 1) + ';' +
                      QByteArray::number((s + 1) % 16 + 1) + "\r\n";
            for (int k = 1; k <= 12; ++k)
                words += 's' + QByteArray::number(s) + 'w' + QByteArray::number(k) + ';' + QByteArray::number(s) +
                         ";jelent\xE9s\r\n";
        }
    }
};

QStringList faultsOf(const QByteArray& sounds, const QByteArray& words)
{
    QStringList out;
    for (const ContentFault& f : checkContentRules(sounds, words))
        out << f.toString();
    return out;
}

} // namespace

TEST(ContentRules, TablesThatMeetEveryRuleTheProgramNeedsHaveNoFault)
{
    // Twelve words and a header of anything: the course's own stricter
    // rules (25, 29 or 31 words, the line number in the first field) are
    // the checker's business, not the program's.
    Tables t;
    t.sounds.replace("1;12;2;3", "99;12;2;3");
    EXPECT_EQ(faultsOf(t.sounds, t.words), QStringList());
}

TEST(ContentRules, TablesThatLoadSilentlyButBreakTheQuestionsAreFound)
{
    const Tables good;
    struct Case {
        const char* what;
        QByteArray sounds, words;
        QStringList expected;
    };
    QByteArray utf16 = "\xFF\xFE";
    for (char c : QByteArray("Id;WordCount\r\n1;12;2;3\r\n"))
        utf16 += QByteArray(1, c) + '\0';
    QByteArray shortCount = good.sounds;
    shortCount.replace("\r\n5;12;6;7", "\r\n5;11;6;7");
    QByteArray selfConfused = good.sounds;
    selfConfused.replace("\r\n9;12;10;11", "\r\n9;12;9;0");
    QByteArray movedWord = good.words;
    movedWord.replace("s1w12;1;", "s1w12;3;"); // the last word of sound 1 joins sound 3 early
    QByteArray nul = good.words;
    nul[nul.indexOf("s16w12")] = '\0';
    // Words that would name a file elsewhere, a hidden one or hold a control
    // character; a blank, an accent and a single dot inside are fine.
    QByteArray paths = good.words;
    paths.replace("s1w1;", "../../../../tmp/evil;").replace("s1w2;", "a\\b;").replace("s1w3;", ".hidden;");
    paths.replace("s1w4;", "bell\x07;").replace("s1w5;", "ice cream;").replace("s1w6;", "\xC9va.x;");
    const Case cases[] = {
        {"words that are no file names",
         good.sounds,
         paths,
         {"words.csv:2: a(z) '../../../../tmp/evil' szó nem lehet fájlnév ('/', '\\', '..' és vezérlőkarakter nem "
          "lehet benne, "
          "ponttal nem kezdődhet), ezért a felvétele nem szólal meg",
          "words.csv:3: a(z) 'a\\b' szó nem lehet fájlnév ('/', '\\', '..' és vezérlőkarakter nem lehet benne, "
          "ponttal nem kezdődhet), ezért a felvétele nem szólal meg",
          "words.csv:4: a(z) '.hidden' szó nem lehet fájlnév ('/', '\\', '..' és vezérlőkarakter nem lehet benne, "
          "ponttal nem kezdődhet), ezért a felvétele nem szólal meg",
          "words.csv:5: a(z) 'bell?' szó nem lehet fájlnév ('/', '\\', '..' és vezérlőkarakter nem lehet benne, "
          "ponttal nem kezdődhet), ezért a felvétele nem szólal meg"}},
        {"empty sounds.csv", "", good.words, {"sounds.csv: üres fájl"}},
        {"UTF-16 words.csv", good.sounds, utf16, {"words.csv: UTF-16 kódolású, de Windows-1250 kódolású szöveg kell"}},
        {"a NUL byte cuts words.csv at its last line",
         good.sounds,
         nul,
         {"sounds.csv:17: a(z) 16. hang szószáma 12, de a words.csv-ben 11 szava van",
          "words.csv:193: nulla bájt van benne (UTF-16 vagy nem szövegfájl?): a program itt abbahagyja az olvasását"}},
        {"fewer than twelve words",
         shortCount,
         good.words,
         {"sounds.csv:6: 11 szó kevés: legalább 12 kell",
          "sounds.csv:6: a(z) 5. hang szószáma 11, de a words.csv-ben 12 szava van"}},
        {"confusables out of range or the sound itself",
         selfConfused,
         good.words,
         {"sounds.csv:10: a(z) tévesztett1 a hang saját maga",
          "sounds.csv:10: a(z) tévesztett2 (0) nem hang 1 és 16 között"}},
        {"a block broken up and miscounted",
         good.sounds,
         movedWord,
         {"sounds.csv:2: a(z) 1. hang szószáma 12, de a words.csv-ben 11 szava van",
          "sounds.csv:4: a(z) 3. hang szószáma 12, de a words.csv-ben 13 szava van",
          "words.csv:26: a(z) 3. hang szavai nem egy tömbben állnak: a tömbje már véget ért"}},
        {"a seventeenth sound and a missing line",
         good.sounds + "17;12;1;2\r\n",
         good.words.left(good.words.indexOf("s16w12")) + "s16w12;16\r\n",
         {"sounds.csv:17: a(z) 16. hang szószáma 12, de a words.csv-ben 11 szava van",
          "sounds.csv:18: fölösleges sor: csak 16 hang lehet",
          "words.csv:193: 3 mező kell (szó;hang;jelentés), 2 van"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // In file order: sounds first, then by line.
        EXPECT_EQ(faultsOf(c.sounds, c.words), c.expected);
    }
}

TEST(ContentRules, TheMessageNamesFilesAndLinesAndCountsTheRest)
{
    const std::vector<ContentFault> seven = {
        {"sounds.csv", 0, "üres fájl"}, {"words.csv", 2, "a"}, {"words.csv", 3, "b"}, {"words.csv", 4, "c"},
        {"words.csv", 5, "d"},          {"words.csv", 6, "e"}, {"words.csv", 7, "f"}};
    EXPECT_EQ(contentFaultMessage(seven, QStringLiteral("/opt/ejteto/")),
              QStringLiteral("A tartalomtáblák hibásak, ezért a gyakorlás és a teszt kérdései hiányosak vagy hibásak "
                             "lehetnek:\n/opt/ejteto/sounds.csv: üres fájl\n/opt/ejteto/words.csv, 2. sor: a\n"
                             "/opt/ejteto/words.csv, 3. sor: b\n/opt/ejteto/words.csv, 4. sor: c\n"
                             "/opt/ejteto/words.csv, 5. sor: d\nés még 2 hiba"));
    EXPECT_TRUE(contentFaultMessage({}, QStringLiteral("/opt/ejteto/")).isEmpty());
}
