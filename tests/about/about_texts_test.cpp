// The About window's texts: the contributors list's shape, the address
// rule, and that every text fits the label laid out for it.
#include "fonts/layout_fonts.h"
#include "ui/nevjegy_texts.h"

#include <QDir>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace ejteto;

namespace {

// Lines the text takes when wrapped at word boundaries within `width`, the
// way a word-wrapping label breaks it (explicit line breaks included).
int wrappedLineCount(const QString& text, const QFont& font, int width)
{
    int lines = 0;
    for (const QString& paragraph : text.split(QRegularExpression(QStringLiteral("\r\n|\n")))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        lines += layout.lineCount();
    }
    return lines;
}

QFont aboutFont(bool bold = false) { return layoutFont(QStringLiteral("MS Sans Serif"), -11, bold); }

} // namespace

TEST(AboutTexts, ContributorsAreTwelveNamesOnFourLinesEndingInAFullStop)
{
    const QString list = contributorsList();
    EXPECT_TRUE(list.endsWith(QLatin1Char('.')));
    const QStringList lines = list.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) << line.toStdString();
    }
    QString flat = lines.join(QLatin1Char(' '));
    flat.chop(1); // the full stop
    QStringList names = flat.split(QStringLiteral(", "));
    ASSERT_EQ(names.size(), 12) << flat.toStdString();
    for (const QString& name : names) {
        EXPECT_FALSE(name.trimmed().isEmpty());
        EXPECT_EQ(name, name.trimmed()) << "stray space around " << name.toStdString();
        EXPECT_FALSE(name.contains(QLatin1Char(','))) << name.toStdString();
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 12);
    // Every line ends in a comma except the last.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(lines[i].endsWith(QLatin1Char(','))) << lines[i].toStdString();
}

TEST(AboutTexts, EveryTextFitsItsLabel)
{
    // Credit: two lines in the About window (113 px) and in the main
    // window's hidden credit label ("Gentium" -12, 98 x 30).
    EXPECT_EQ(wrappedLineCount(kDeveloperCredit, aboutFont(), 113), 2);
    EXPECT_EQ(wrappedLineCount(kDeveloperCredit, layoutFont(QStringLiteral("Gentium"), -12), 98), 2);
    // One line each in the 209 px bold title lines.
    EXPECT_EQ(wrappedLineCount(QStringLiteral("Ejteto!"), aboutFont(true), 209), 1);
    EXPECT_EQ(wrappedLineCount(kLicenceFamily, aboutFont(true), 209), 1);
    EXPECT_EQ(wrappedLineCount(kKudosTitle, aboutFont(true), 209), 1);
    // Two lines at most in the 25 and 26 px high wrapping labels.
    EXPECT_LE(wrappedLineCount(kLicenceName, aboutFont(), 209), 2);
    EXPECT_LE(wrappedLineCount(kVoiceThanks, aboutFont(true), 225), 2);
    // The four lines of the list stay four: none of them breaks again.
    EXPECT_EQ(wrappedLineCount(contributorsList(), aboutFont(), 225), 4);
    EXPECT_LE(4 * QFontMetrics(aboutFont()).lineSpacing(), 65);
    EXPECT_EQ(wrappedLineCount(kHelpAddress, aboutFont(), 145), 1);
}

TEST(AboutTexts, TheCreditAndThanksNameThisProjectAndItsVoice)
{
    EXPECT_TRUE(kDeveloperCredit.contains(QStringLiteral("Ejteto!")));
    EXPECT_TRUE(kDeveloperCredit.endsWith(QStringLiteral("MMXXVI")));
    EXPECT_TRUE(kVoiceThanks.contains(QStringLiteral("espeak-ng")));
    EXPECT_TRUE(kLicenceName.contains(QStringLiteral("General Public License")));
    EXPECT_TRUE(kLicenceName.contains(QStringLiteral("3.")));
}

TEST(AboutAddress, ARelativeAddressIsAFileInsideTheProgramFolder)
{
    const QUrl target = addressTarget(kHelpAddress, QStringLiteral("/opt/ejteto/"));
    EXPECT_TRUE(target.isLocalFile());
    EXPECT_EQ(target.toLocalFile(), QStringLiteral("/opt/ejteto/help/index.html"));

    const QUrl other = addressTarget(QStringLiteral("docs/egyéb.html"), QStringLiteral("/opt/ejteto/"));
    EXPECT_EQ(other.toLocalFile(), QStringLiteral("/opt/ejteto/docs/egyéb.html"));
}

TEST(AboutAddress, WebAddressesAndAbsolutePathsAreKept)
{
    const QUrl web = addressTarget(QStringLiteral("https://example.org/ejteto/"), QStringLiteral("/opt/ejteto/"));
    EXPECT_EQ(web.scheme(), QStringLiteral("https"));
    EXPECT_EQ(web.toString(), QStringLiteral("https://example.org/ejteto/"));

    const QUrl absolute = addressTarget(QStringLiteral("/usr/share/doc/index.html"), QStringLiteral("/opt/ejteto/"));
    EXPECT_EQ(absolute.toLocalFile(), QStringLiteral("/usr/share/doc/index.html"));
}

TEST(AboutAddress, AnEmptyLabelOpensNothing)
{
    EXPECT_FALSE(addressTarget(QString(), QStringLiteral("/opt/ejteto/")).isValid());
    EXPECT_FALSE(addressTarget(QStringLiteral("   "), QStringLiteral("/opt/ejteto/")).isValid());
}
