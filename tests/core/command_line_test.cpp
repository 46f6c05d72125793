// --help and --version answer and end the program; anything else (Qt's own
// options included) opens the window. Qt's texts come in Hungarian.
#include "app/command_line.h"
#include "app/qt_translation.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace ejteto;

TEST(CommandLine, HelpAndVersionAnswerTheRestOpensTheWindow)
{
    const auto help = answerCommandLine({"ejteto", "--help"}, "1.2.3");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->exitCode, 0);
    EXPECT_TRUE(help->text.startsWith(QStringLiteral("Használat: ejteto")));
    EXPECT_TRUE(help->text.contains(QStringLiteral("F1"))) << "the keys are listed";
    EXPECT_EQ(answerCommandLine({"ejteto", "-platform", "offscreen", "-v"}, "1.2.3")->text,
              QStringLiteral("Ejteto! 1.2.3\n"));
    EXPECT_FALSE(answerCommandLine({"ejteto"}, "1.2.3"));
    EXPECT_FALSE(answerCommandLine({"ejteto", "-platform", "offscreen"}, "1.2.3"));
}

TEST(QtTranslation, QtsOwnTextsAreHungarian)
{
    ASSERT_TRUE(installQtTranslation(*QCoreApplication::instance())) << "qt6-translations-l10n is missing";
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Visszavonás"));
}
