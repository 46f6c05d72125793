// Reading a table file into lines: every line-break rule, the zero byte, the
// code page, and the failures of opening and reading.
#include "app/app_error.h"
#include "content/cp1250.h"
#include "content/line_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/file.h>
#include <unistd.h>

#include "support/failure_of.h"

using ejteto::testing::failureOf;

namespace {

struct SplitCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, FollowsTheLineRules) { EXPECT_EQ(ejteto::splitTableLines(GetParam().bytes), GetParam().lines); }

using L = QStringList;
const QString E; // an empty line

INSTANTIATE_TEST_SUITE_P(
    LineReader, SplitLinesTest,
    ::testing::Values(
        SplitCase{"lf", "h\na\nb", L{"h", "a", "b"}}, SplitCase{"cr", "h\ra\rb", L{"h", "a", "b"}},
        SplitCase{"crlf", "h\r\na\r\nb", L{"h", "a", "b"}}, SplitCase{"mixed", "h\r\na\rb\nc", L{"h", "a", "b", "c"}},
        SplitCase{"final_lf_starts_no_line", "h\na\n", L{"h", "a"}},
        SplitCase{"final_crlf_starts_no_line", "h\r\na\r\n", L{"h", "a"}},
        SplitCase{"final_cr_starts_no_line", "h\ra\r", L{"h", "a"}},
        SplitCase{"last_line_without_break_kept", "h\na", L{"h", "a"}},
        SplitCase{"empty_line_between", "h\n\na", L{"h", E, "a"}},
        SplitCase{"two_final_breaks_end_in_an_empty_line", "h\na\n\n", L{"h", "a", E}},
        SplitCase{"crlf_crlf_is_an_empty_line", "h\r\n\r\na", L{"h", E, "a"}},
        SplitCase{"lf_cr_is_two_breaks", "h\n\ra", L{"h", E, "a"}},
        SplitCase{"cr_cr_is_two_breaks", "h\r\ra", L{"h", E, "a"}}, SplitCase{"only_a_break", "\n", L{E}},
        SplitCase{"empty_file", "", L{}}, SplitCase{"blanks_and_semicolons_kept", " a ; b \n;", L{" a ; b ", ";"}},
        SplitCase{"zero_byte_ends_reading", QByteArray("h\na\0b\nc", 7), L{"h", "a"}},
        SplitCase{"zero_byte_at_line_start", QByteArray("h\n\0a", 4), L{"h"}},
        SplitCase{"zero_byte_first", QByteArray("\0h\na", 4), L{}},
        SplitCase{"byte_order_mark_stays_in_header", "\xef\xbb\xbfh\na", L{QStringLiteral("\u010f\u00bb\u017ch"), "a"}},
        SplitCase{"code_page_1250", "h\n\xe1rv\xedzt\xfbr\xf5 t\xfck\xf6rf\xfar\xf3g\xe9p;\xc1\xd5\xdb",
                  L{"h", QStringLiteral("árvíztűrő tükörfúrógép;ÁŐŰ")}}));

// Every byte of the code page against the C library's own converter.
TEST(Cp1250, DecodesEveryByteAsTheSystemConverterDoes)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP1250");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1)) << "no CP1250 converter";
    int compared = 0;
    for (int b = 1; b < 256; ++b) {
        char in = static_cast<char>(b);
        char16_t out[2] = {};
        char* inp = &in;
        auto* outp = reinterpret_cast<char*>(out);
        size_t inLeft = 1, outLeft = sizeof out;
        if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1))
            continue; // a byte the code page leaves undefined
        const char bytes[1] = {in};
        EXPECT_EQ(ejteto::decodeCp1250(QByteArrayView(bytes, 1)), QString(QChar(out[0]))) << "byte " << b;
        ++compared;
    }
    iconv_close(cd);
    EXPECT_GE(compared, 250);
}

TEST(Cp1250, EveryByteEncodesBackToItself)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ejteto::encodeCp1250(ejteto::decodeCp1250(all)), all);
    EXPECT_EQ(ejteto::encodeCp1250(QStringLiteral("ő ű")), QByteArray("\xf5 \xfb"));
    EXPECT_FALSE(ejteto::encodeCp1250(QStringLiteral("ʌ")).has_value()); // no vowel symbols in the code page
}

// The system's own wording, in whatever language the machine speaks.
QString systemReason(int errnoValue) { return QString::fromLocal8Bit(std::strerror(errnoValue)); }

class LoadLinesTest : public ::testing::Test {
protected:
    QString appDir() const { return dir.path() + QLatin1Char('/'); }
    void put(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(LoadLinesTest, ReadsTheFileBesideTheProgramHeaderIncluded)
{
    put(QStringLiteral("words.csv"), "Word;Sound;Meaning\r\nbird;12;mad\xe1r\r\n\r\ncat;7;macska\r\n");
    EXPECT_EQ(ejteto::LoadLines(appDir(), QStringLiteral("words.csv")),
              (L{"Word;Sound;Meaning", QStringLiteral("bird;12;madár"), E, "cat;7;macska"}));
}

TEST_F(LoadLinesTest, ReadsAFileLargerThanOneBuffer)
{
    QByteArray big = "header\n";
    for (int i = 0; i < 20000; ++i)
        big += "word" + QByteArray::number(i) + ";1;jelent\xe9s\n";
    put(QStringLiteral("words.csv"), big);
    const QStringList lines = ejteto::LoadLines(appDir(), QStringLiteral("words.csv"));
    ASSERT_EQ(lines.size(), 20001);
    EXPECT_EQ(lines.last(), QStringLiteral("word19999;1;jelentés"));
}

TEST_F(LoadLinesTest, AMissingFileNamesItsFullPathAndTheReason)
{
    const QString path = appDir() + QStringLiteral("sounds.csv");
    EXPECT_EQ(failureOf([&] { ejteto::LoadLines(appDir(), QStringLiteral("sounds.csv")); }),
              QStringLiteral("Cannot open file \"%1\". %2").arg(path, systemReason(ENOENT)));
}

TEST_F(LoadLinesTest, AFolderInPlaceOfTheFileIsAReadError)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sounds.csv")));
    const QString path = appDir() + QStringLiteral("sounds.csv");
    EXPECT_EQ(failureOf([&] { ejteto::LoadLines(appDir(), QStringLiteral("sounds.csv")); }),
              QStringLiteral("Cannot open file \"%1\". %2").arg(path, systemReason(EISDIR)));
}

TEST_F(LoadLinesTest, AFileHeldByAWriterIsRefusedNotWaitedFor)
{
    put(QStringLiteral("words.csv"), "h\na\n");
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("words.csv")));
    const int writer = ::open(path.constData(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    const QString message = failureOf([&] { ejteto::LoadLines(appDir(), QStringLiteral("words.csv")); });
    ::flock(writer, LOCK_UN);
    EXPECT_EQ(message,
              QStringLiteral("Cannot open file \"%1\". %2").arg(QString::fromUtf8(path), systemReason(EWOULDBLOCK)));
    // Other readers are welcome.
    ASSERT_EQ(::flock(writer, LOCK_SH), 0);
    EXPECT_EQ(ejteto::LoadLines(appDir(), QStringLiteral("words.csv")), (L{"h", "a"}));
    ::close(writer);
}

} // namespace
