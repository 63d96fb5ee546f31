#include <gtest/gtest.h>

#include "control/dialogs/options_exchange.h"

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
    Options values;
    values.tip_time = 1;
    values.sound_file = "/old.wav";
    values.sound_on = 0;
    values.back_time = 2;
    const auto refused = read({.play_using = 1,
                               .sound_file = "/bell.wav",
                               .sound_on = true,
                               .tip_time = "3",
                               .back_time = "two",
                               .global_keys = 2,
                               .pedal_device = "",
                               .pedal_buttons = {},
                               .pedal_toggles = false},
                              values);
    EXPECT_EQ(refused, NumberField::BackTime);
    EXPECT_EQ(values.play_using, 1);
    EXPECT_EQ(values.sound_file, "/bell.wav");
    EXPECT_EQ(values.sound_on, 1);
    EXPECT_EQ(values.global_keys, GlobalKeys::WithCtrlShift);
    EXPECT_EQ(values.tip_time, 3);
    EXPECT_EQ(values.back_time, 2); // not read
    Options unknown;
    unknown.play_using = 2;
    EXPECT_EQ(show(unknown).play_using, -1); // an unknown method shows no choice
    // A choice of keys outside its setting's range reads as Off.
    Options keys;
    EXPECT_EQ(read({.play_using = 0,
                    .sound_file = "",
                    .sound_on = false,
                    .tip_time = "1",
                    .back_time = "2",
                    .global_keys = 7,
                    .pedal_device = "",
                    .pedal_buttons = {},
                    .pedal_toggles = true},
                   keys),
              std::nullopt);
    EXPECT_EQ(keys.global_keys, GlobalKeys::Off);
    EXPECT_EQ(keys.pedal_mode, PedalMode::Toggle);
}

// The Foot pedal list on both front ends: the stored device stays chosen,
// unplugged too; with none stored, the usual transcription pedal is.
TEST(OptionsExchange, ThePedalListChoosesTheStoredDeviceElseTheUsualPedal)
{
    const std::vector<InputDevice> devices{{"/dev/input/event3", "Keyboard", "046d:c31c"},
                                           {"/dev/input/event7", "VEC USB Footpedal", "05f3:00ff"}};
    std::size_t chosen = 9;
    const auto fresh = pedal_choices(devices, "", chosen);
    ASSERT_EQ(fresh.size(), 3u);
    EXPECT_EQ(fresh[0], (PedalChoice{"None", ""}));
    EXPECT_EQ(fresh[2], (PedalChoice{"VEC USB Footpedal (05f3:00ff)", "/dev/input/event7"}));
    EXPECT_EQ(chosen, 2u);
    pedal_choices(devices, "/dev/input/event3", chosen);
    EXPECT_EQ(chosen, 1u);
    const auto gone = pedal_choices(devices, "/dev/input/by-id/usb-pedal", chosen);
    EXPECT_EQ(gone.back(),
              (PedalChoice{"/dev/input/by-id/usb-pedal", "/dev/input/by-id/usb-pedal"}));
    EXPECT_EQ(chosen, 3u);
    pedal_choices({devices[0]}, "", chosen);
    EXPECT_EQ(chosen, 0u); // no usual pedal: None
}

} // namespace
} // namespace cuedeck::options_exchange
