#include <gtest/gtest.h>

#include "common/TextFormat.h"

namespace {

struct FormatCase {
    const char* format;
    std::vector<MessageArgument> arguments;
    const char* expected;
};

class FormatTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTextTest, FormatsOrKeepsConversionLiterally) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatText(c.format, c.arguments), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTextTest,
    testing::Values(FormatCase{"%d. Byte %d PC: %03d Chip: %03d",
                               {1LL, 17LL, 100LL, 7LL},
                               "1. Byte 17 PC: 100 Chip: 007"},
                    FormatCase{"Feld %s: %d bis %d, nicht %d",
                               {std::string("Servoweg"), -5LL, 5LL, 9LL},
                               "Feld Servoweg: -5 bis 5, nicht 9"},
                    FormatCase{"(Text Nr.: %i).", {1000LL}, "(Text Nr.: 1000)."},
                    // A language file asking for more, or other, arguments than the program passes
                    // must not read memory it does not own: the conversion stays as it is.
                    FormatCase{"%d and %d", {5LL}, "5 and %d"}, FormatCase{"%s", {5LL}, "%s"},
                    FormatCase{"%d", {std::string("x")}, "%d"}, FormatCase{"100 %", {}, "100 %"},
                    FormatCase{"50%% done", {}, "50% done"}, FormatCase{"%n%p", {7LL}, "%n%p"},
                    FormatCase{"%-6s|", {std::string("ab")}, "ab    |"},
                    // A width or precision of three digits or more is never formatted: a
                    // text could ask for a message of gigabytes.
                    FormatCase{"%1000000000s|", {std::string("ab")}, "%1000000000s|"},
                    FormatCase{"%.100d|", {5LL}, "%.100d|"},
                    FormatCase{"%05d|%.3d", {5LL, 7LL}, "00005|007"}));

TEST(ConversionLettersTest, ListsTheArgumentKindsInOrder) {
    EXPECT_EQ(ConversionLetters("%s: %d - %d (%d)"), "sddd");
    EXPECT_EQ(ConversionLetters("no arguments, 100%% sure"), "");
    EXPECT_EQ(ConversionLetters("odd %n"), "?");
}

}  // namespace
