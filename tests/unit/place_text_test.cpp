#include <climits>

#include <gtest/gtest.h>

#include "files/place_text.h"

namespace cuedeck {
namespace {

TEST(PlaceText, CopiedPlacesAndThePlacesFoundInAnyText)
{
    EXPECT_EQ(format_place(2, 5, 83456), "[2 00:01:23.4]");
    EXPECT_EQ(format_place(1, 1, 83499), "[00:01:23.4]"); // one tip: no number
    EXPECT_EQ(format_place(3, 3, 3723900), "[3 01:02:03.9]");
    EXPECT_EQ(format_place(1, 2, -5), "[1 00:00:00.0]");

    const std::pair<const char*, std::optional<PlaceText>> cases[] = {
        {"[2 00:01:23.4]", PlaceText{2, 83400}},
        {"[00:01:23.4]", PlaceText{std::nullopt, 83400}},
        {"#0:01:23.4#", PlaceText{std::nullopt, 83400}},
        {"#01:23.4#", PlaceText{std::nullopt, 83400}},
        {"1:23", PlaceText{std::nullopt, 83000}},
        {"75:00", PlaceText{std::nullopt, 4500000}},
        {"1:02:03", PlaceText{std::nullopt, 3723000}},
        {"3 0:04", PlaceText{3, 4000}},
        {"0:04.25", PlaceText{std::nullopt, 4250}},
        {"Ann: well, [3 00:00:04.0] I said", PlaceText{3, 4000}},
        {"first 0:10 then 0:20", PlaceText{std::nullopt, 10000}},
        {"1:75 then 2:05", PlaceText{std::nullopt, 125000}}, // 75 s is no place
        {"1:60:00", std::nullopt},
        {"12.5:30", std::nullopt},
        {"10:00:00:00", std::nullopt},
        {"no place here", std::nullopt},
        {"", std::nullopt},
        {"99:59:59.9", PlaceText{std::nullopt, 359999900}},
        {"999:59:59.9", std::nullopt}, // beyond what a place can be
        // A number where the tip stands is the tip, to be refused beyond the list.
        {"[10000 00:00:01.0]", PlaceText{10000, 1000}},
        {"Tape 12345 00:00:03.0", PlaceText{12345, 3000}},
        {"12345678901 0:01", PlaceText{INT_MAX, 1000}},
        {"[2 -00:00:01.0]", std::nullopt}, // no time before the start
        {"-1:23 then 2:05", PlaceText{std::nullopt, 125000}},
        // Subtitle times name their start to the millisecond.
        {"00:00:04,500 --> 00:00:06,000", PlaceText{std::nullopt, 4500}},
        {"00:07.600 --> 00:09.000 align:start", PlaceText{std::nullopt, 7600}},
        {"[00:00:02.250 --> 00:00:03.000]   Hello", PlaceText{std::nullopt, 2250}},
        {"1,5:30", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(find_place(text), expected) << '"' << text << '"';
    // A page of digits (a pasted table) is searched without running out of stack.
    EXPECT_EQ(find_place(std::string(100000, '1') + " 0:01"), (PlaceText{INT_MAX, 1000}));
    EXPECT_EQ(find_place(std::string(100000, '1')), std::nullopt);
}

} // namespace
} // namespace cuedeck
