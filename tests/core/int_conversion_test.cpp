// The strict integer conversion shared by the table fields and the settings
// file: which texts convert, to what, and which are refused.
#include "app/app_error.h"
#include "app/int_conversion.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct IntCase {
    const char* text;
    std::optional<int32_t> expected; // nothing: the text is refused
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StrictIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(StrictIntTest, ConvertsOrRefuses)
{
    const IntCase& c = GetParam();
    EXPECT_EQ(ejteto::parseStrictInt(QString::fromUtf8(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Decimal, StrictIntTest,
                         ::testing::Values(IntCase{"7", 7}, IntCase{" 7", 7}, IntCase{"   12", 12}, IntCase{"+7", 7},
                                           IntCase{"-7", -7}, IntCase{" -7", -7}, IntCase{"0", 0}, IntCase{"-0", 0},
                                           IntCase{"007", 7}, IntCase{"2147483647", 2147483647},
                                           IntCase{"-2147483648", INT32_MIN}, IntCase{"00000000000000000016", 16}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, StrictIntTest,
                         ::testing::Values(IntCase{"0x1F", 31}, IntCase{"0X1f", 31}, IntCase{"$1f", 31},
                                           IntCase{"$1F", 31}, IntCase{"x1F", 31}, IntCase{"X10", 16},
                                           IntCase{" $10", 16}, IntCase{"-$10", -16}, IntCase{"-0x10", -16},
                                           IntCase{"0x1", 1}, IntCase{"$7FFFFFFF", 2147483647},
                                           IntCase{"$80000000", INT32_MIN}, IntCase{"$FFFFFFFF", -1},
                                           IntCase{"0x000000000001", 1}));

INSTANTIATE_TEST_SUITE_P(
    Refused, StrictIntTest,
    ::testing::Values(IntCase{"", std::nullopt}, IntCase{" ", std::nullopt}, IntCase{"7 ", std::nullopt},
                      IntCase{"7\t", std::nullopt}, IntCase{"\t7", std::nullopt}, IntCase{"+", std::nullopt},
                      IntCase{"-", std::nullopt}, IntCase{"- 7", std::nullopt}, IntCase{"+-7", std::nullopt},
                      IntCase{"7a", std::nullopt}, IntCase{"abc", std::nullopt}, IntCase{"1.5", std::nullopt},
                      IntCase{"1e3", std::nullopt}, IntCase{"1 000", std::nullopt}, IntCase{"$", std::nullopt},
                      IntCase{"0x", std::nullopt}, IntCase{"x", std::nullopt}, IntCase{"$-1", std::nullopt},
                      IntCase{"$G", std::nullopt}, IntCase{"0x 1", std::nullopt}, IntCase{"00x1", std::nullopt},
                      IntCase{"2147483648", std::nullopt}, IntCase{"-2147483649", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt}, IntCase{"$100000000", std::nullopt},
                      IntCase{"\xef\xbc\x97", std::nullopt} /* a full-width digit seven */,
                      IntCase{"\xd9\xa7", std::nullopt} /* an Arabic-Indic digit seven */));

TEST(StrToInt, RaisesTheMessageWithTheFieldText)
{
    for (const QString& text : {QStringLiteral("7 "), QString(), QStringLiteral("2147483648")}) {
        try {
            ejteto::StrToInt(text);
            ADD_FAILURE() << "no error for '" << text.toStdString() << "'";
        } catch (const ejteto::AppError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
    EXPECT_EQ(ejteto::StrToInt(QStringLiteral(" -12")), -12);
}

} // namespace
