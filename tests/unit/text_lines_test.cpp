#include <climits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

} // namespace
} // namespace cuedeck
