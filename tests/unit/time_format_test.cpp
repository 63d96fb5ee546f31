#include <climits>

#include <gtest/gtest.h>

#include "control/state/time_format.h"

namespace cuedeck {
namespace {

TEST(FormatMinutesSeconds, ShowsMinutesAndTwoDigitSeconds)
{
    EXPECT_EQ(format_minutes_seconds(0), "0:00");
    EXPECT_EQ(format_minutes_seconds(59), "0:59");
    EXPECT_EQ(format_minutes_seconds(61), "1:01");
    EXPECT_EQ(format_minutes_seconds(3600), "60:00"); // no hours
}

TEST(FormatMinutesSeconds, NegativeValuesGetALeadingMinus)
{
    EXPECT_EQ(format_minutes_seconds(-5), "-0:05");
    EXPECT_EQ(format_minutes_seconds(-75), "-1:15");
}

TEST(FormatMinutesSeconds, HandlesTheIntLimits)
{
    EXPECT_EQ(format_minutes_seconds(INT_MAX), "35791394:07");
    EXPECT_EQ(format_minutes_seconds(INT_MIN), "-35791394:08");
}

} // namespace

} // namespace cuedeck
