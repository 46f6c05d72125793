// Lecture scripts: mistakes are reported on their line, and a lecture must
// contrast its sound with exactly the two sounds the table names.
#include "contentkit/lecture_script.h"
#include "contentkit/lecture_video.h"

#include <gtest/gtest.h>

using namespace ejteto::contentkit;

namespace {
const char* const kScript = "# teszt\n"
                            "név: hosszú í hang\n"
                            "kulcsszó: sheep\n"
                            "képzés: Az ajkak szétterülnek.\n"
                            "írás: ee | see, green\n"
                            "pár: 2 | sheep ship | feet fit\n"
                            "pár: 3 | feel fell\n";

QStringList texts(const std::vector<TableProblem>& problems)
{
    QStringList out;
    for (const TableProblem& p : problems)
        out << p.toString();
    return out;
}
} // namespace

TEST(LectureScript, ParsesEveryKindOfLine)
{
    std::vector<TableProblem> problems;
    const LectureScript s = parseLectureScript(QString::fromUtf8(kScript), 1, "lectures/1.txt", problems);
    EXPECT_TRUE(problems.empty()) << texts(problems).join('\n').toStdString();
    EXPECT_EQ(s.soundName, QStringLiteral("hosszú í hang"));
    ASSERT_EQ(s.spellings.size(), 1u);
    EXPECT_EQ(s.spellings[0].examples, QStringList({"see", "green"}));
    ASSERT_EQ(s.contrasts.size(), 2u);
    EXPECT_EQ(s.contrasts[0].sound, 2);
    EXPECT_EQ(s.contrasts[0].pairs[1], std::make_pair(QString("feet"), QString("fit")));
    checkContrasts(s, 3, 2, problems);
    EXPECT_TRUE(problems.empty());
}

TEST(LectureScript, ReportsMistakesOnTheirLines)
{
    std::vector<TableProblem> problems;
    const QString text = QString::fromUtf8(kScript) + "írás: ee see\npár: 17 | a b\npár: 4 | a b c\nhang: x\n";
    const LectureScript s = parseLectureScript(text, 1, "lectures/1.txt", problems);
    const QStringList p = texts(problems);
    ASSERT_EQ(p.size(), 4) << p.join('\n').toStdString();
    EXPECT_TRUE(p[0].startsWith("lectures/1.txt:8: írásmód"));
    EXPECT_TRUE(p[1].startsWith("lectures/1.txt:9: szópárok"));
    EXPECT_TRUE(p[2].startsWith("lectures/1.txt:10: szópárok"));
    EXPECT_TRUE(p[3].startsWith("lectures/1.txt:11: ismeretlen kulcs"));

    problems.clear();
    checkContrasts(s, 4, 2, problems); // the table says 4 and 2, the script has 2 and 3
    EXPECT_EQ(texts(problems).filter("pontosan egy \"pár: 4").size(), 1);
    EXPECT_EQ(texts(problems).filter("lectures/1.txt:7: a(z) 3. hang nem").size(), 1);
}

TEST(LectureScript, MissingPartsAreNamed)
{
    std::vector<TableProblem> problems;
    parseLectureScript("név: x\n", 5, "lectures/5.txt", problems);
    EXPECT_EQ(texts(problems).filter("hiányzik").size(), 3);
}

TEST(LectureVideo, HungarianArticleFollowsTheFirstSound)
{
    EXPECT_EQ(withArticle("ej kettőshang"), QStringLiteral("az ej kettőshang"));
    EXPECT_EQ(withArticle("őz"), QStringLiteral("az őz"));
    EXPECT_EQ(withArticle("hosszú í hang"), QStringLiteral("a hosszú í hang"));
}
