#include <climits>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/text_direction.h"
#include "base/text_lines.h"

namespace cuedeck {
namespace {

using ::testing::ElementsAre;

TEST(SplitLines, RemovesOnlyTheLineTerminator)
{
    EXPECT_THAT(split_lines("a\nb\r\nc"), ElementsAre("a", "b", "c"));
    EXPECT_THAT(split_lines("a\n\nb\n"), ElementsAre("a", "", "b"));
    EXPECT_THAT(split_lines("x\ry\n"), ElementsAre("x\ry")); // a lone CR is content
    EXPECT_TRUE(split_lines("").empty());
}

TEST(SplitLines, KeepsLinesOfAnyLength)
{
    const std::string long_line(5000, 'p');
    EXPECT_THAT(split_lines(long_line + "\nend"), ElementsAre(long_line, "end"));
}

TEST(ScanInt, ReadsLikeScanf)
{
    EXPECT_EQ(scan_int("  -12abc"), -12);
    EXPECT_EQ(scan_int("+7"), 7);
    EXPECT_EQ(scan_int("15 minutes"), 15);
    EXPECT_FALSE(scan_int("abc"));
    EXPECT_FALSE(scan_int(""));
    EXPECT_FALSE(scan_int("- 3"));
}

TEST(ScanInt, ClampsOutOfRangeNumbers)
{
    EXPECT_EQ(scan_int("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(scan_int("-2147483648"), INT_MIN);
    EXPECT_EQ(scan_int("-99999999999"), INT_MIN);
}

TEST(ToInt, IsZeroWithoutDigits)
{
    EXPECT_EQ(to_int("abc"), 0);
    EXPECT_EQ(to_int(" 42"), 42);
}

// A file written before the program spoke UTF-8 holds its names in the
// system's code page; it is told apart by not being UTF-8.
TEST(IsUtf8, TellsUtf8FromACodePagesBytes)
{
    for (const char* text : {"", "plain", "\xc3\xa9t\xc3\xa9", "\xe2\x82\xac 5", "\xf0\x9f\x8e\xa7",
                             "\xf4\x8f\xbf\xbf"})
        EXPECT_TRUE(is_utf8(text)) << text;
    for (const char* text : {"\xe9t\xe9", "caf\xe9", "\xc3", "\xe2\x82", "\xc0\xaf", "\xe0\x80\xaf",
                             "\xed\xa0\x80", "\xf4\x90\x80\x80", "\x80", "\xff"})
        EXPECT_FALSE(is_utf8(text)) << text;
}

// A cue is set from the right when its first letter is of a right-to-left
// script; what comes before that letter (a number, a point, a mark) decides
// nothing, and what comes after it changes nothing.
TEST(ReadsRightToLeft, TheFirstLetterWithADirectionDecides)
{
    const std::string hebrew = "\xd7\x93\xd7\x95\xd7\x93: \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d";
    const std::string arabic = "\xd8\xb3\xd9\x84\xd8\xa7\xd9\x85";
    const std::vector<std::string> right_to_left = {
        hebrew,
        arabic,
        "12.5 - " + hebrew,   // digits first
        "\xd9\xa1 " + arabic, // an Arabic digit first
        "\xd6\xb8" + hebrew,  // a Hebrew point first
        "\xe2\x80\x8f"
        "Ann", // a right-to-left mark
        hebrew + " Ann said",
    };
    for (const std::string& text : right_to_left)
        EXPECT_TRUE(reads_right_to_left(text)) << text;
    const std::vector<std::string> left_to_right = {
        "",
        "12:00 ... !?",
        "Ann: " + hebrew,
        "\xc3\xa9t\xc3\xa9 " + arabic, // a Latin letter outside ASCII
        "\xe4\xb8\xad " + hebrew,      // a CJK character
        "\xe2\x80\x8e" + hebrew,       // a left-to-right mark
        "\xff\xd7x " + hebrew,         // bytes that are no character, then a letter
    };
    for (const std::string& text : left_to_right)
        EXPECT_FALSE(reads_right_to_left(text)) << text;
}

} // namespace
} // namespace cuedeck
