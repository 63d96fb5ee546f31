#include <gtest/gtest.h>

#include "control/options_exchange.h"

namespace cuedeck::options_exchange {
namespace {

TEST(OptionsExchange, AWholeNumberMayHaveBlanksAndASignAndMustFitAnInt)
{
    const std::pair<const char*, std::optional<int>> cases[] = {{" 12 ", 12},
                                                                {"+3", 3},
                                                                {"-5", -5},
                                                                {"\t7", 7},
                                                                {"2147483647", 2147483647},
                                                                {"", std::nullopt},
                                                                {"1.5", std::nullopt},
                                                                {"1,5", std::nullopt},
                                                                {"12a", std::nullopt},
                                                                {"+-3", std::nullopt},
                                                                {"2147483648", std::nullopt},
                                                                {"+", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(whole_number(text), expected) << '"' << text << '"';
}

TEST(OptionsExchange, ARefusedNumberStopsTheReadingWithWhatCameBeforeKept)
{
    Options values{1, "/old.wav", 0, 0, 2, 0, "", "", 0};
    const auto refused = read({1, "/bell.wav", true, "3", "two", 2}, values);
    EXPECT_EQ(refused, NumberField::BackTime);
    EXPECT_EQ(values.play_using, 1);
    EXPECT_EQ(values.sound_file, "/bell.wav");
    EXPECT_EQ(values.sound_on, 1);
    EXPECT_EQ(values.global_keys, 2);
    EXPECT_EQ(values.tip_time, 3);
    EXPECT_EQ(values.back_time, 2); // not read
    EXPECT_EQ(show({0, "", 2, 5, 0, 0, "", "", 0}).play_using,
              -1); // an unknown method shows no choice
    EXPECT_EQ(show({0, "", 0, 0, 0, 7, "", "", 0}).global_keys, 0); // an unknown choice shows Off
}

} // namespace
} // namespace cuedeck::options_exchange
