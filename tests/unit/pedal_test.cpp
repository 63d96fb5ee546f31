// A foot pedal: the device's records cut from a byte stream, the settings'
// button codes, and what presses, releases and holds ask of the run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "control/commands/keypad.h"
#include "control/commands/pedal.h"
#include "control/dialogs/options_exchange.h"
#include "files/hid_reports.h"
#include "files/input_events.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;

/// A record as the kernel writes it.
std::string record(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    std::string bytes(input_event::size, '\0');
    char* at = bytes.data() + 2 * sizeof(long);
    std::memcpy(at, &type, 2);
    std::memcpy(at + 2, &code, 2);
    std::memcpy(at + 4, &value, 4);
    return bytes;
}

std::string press(int code)
{
    return record(input_event::key, std::uint16_t(code), 1) + record(0, 0, 0);
}
std::string release(int code)
{
    return record(input_event::key, std::uint16_t(code), 0) + record(0, 0, 0);
}

TEST(InputEvents, RecordsAreCutFromAnyReadsAndOnlyButtonChangesCount)
{
    InputEventReader reader;
    const std::string stream = press(257) + record(input_event::key, 257, 2) + // a repeat
                               record(0x04, 4, 589826) +                       // a scan code
                               release(257);
    // Fed in pieces that end inside records, as short reads do.
    std::vector<InputEvent> events;
    for (std::size_t at = 0; at < stream.size(); at += 7) {
        const auto some = reader.feed(std::string_view(stream).substr(at, 7));
        events.insert(events.end(), some.begin(), some.end());
    }
    EXPECT_EQ(events.size(), 6u);
    bool dropped = true;
    EXPECT_THAT(button_changes(events, dropped),
                ElementsAre(ButtonChange{257, true}, ButtonChange{257, false}));
    EXPECT_FALSE(dropped);

    // After an overflow, nothing up to the next report is believed.
    const auto lost = reader.feed(press(256) + record(0, input_event::sync_dropped, 0) +
                                  release(256) + press(258));
    EXPECT_THAT(button_changes(lost, dropped),
                ElementsAre(ButtonChange{256, true}, ButtonChange{258, true}));
    EXPECT_TRUE(dropped);
}

// Windows reads the pedal's HID reports: the state of every button at once.
TEST(HidReports, ReportsAreCutFromAnyReadsAndOnlyChangedButtonsCount)
{
    HidReportReader reader;
    // The middle pedal, the middle and the right, the right, none; twice the
    // same report (a device repeats its state) changes nothing.
    const std::string stream{"\0\x02\0"
                             "\0\x06\0"
                             "\0\x06\0"
                             "\0\x04\0"
                             "\0\0\0",
                             15};
    std::vector<ButtonChange> changes;
    for (std::size_t at = 0; at < stream.size(); at += 2) {
        const auto some = reader.feed(std::string_view(stream).substr(at, 2));
        changes.insert(changes.end(), some.begin(), some.end());
    }
    EXPECT_THAT(changes, ElementsAre(ButtonChange{257, true}, ButtonChange{258, true},
                                     ButtonChange{257, false}, ButtonChange{258, false}));
    // A device with report IDs: each ID's buttons are compared with its own.
    HidReportReader identified(2);
    EXPECT_THAT(identified.feed({"\x01\x01\x02\x80\x01\x01", 6}),
                ElementsAre(ButtonChange{256, true}, ButtonChange{263, true}));
}

TEST(PedalButtons, ThreeDifferentCodesOrNone)
{
    const std::pair<const char*, std::optional<std::array<int, 3>>> cases[] = {
        {"256 257 258", std::array{256, 257, 258}},
        {"  1\t2 3 ", std::array{1, 2, 3}},
        {"256 257", std::nullopt},
        {"256 257 258 259", std::nullopt},
        {"256 256 258", std::nullopt},
        {"256 -1 258", std::nullopt},
        {"256 25x 258", std::nullopt},
        {"", std::nullopt},
        {"99999999999 1 2", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parse_pedal_buttons(text), expected) << '"' << text << '"';
    EXPECT_EQ(format_pedal_buttons({256, 257, 258}), "256 257 258");
}

TEST(PedalLogic, TheMiddlePlaysWhileDownTheSidesSkipAndRepeatWhileHeld)
{
    PedalLogic hold({256, 257, 258}, PedalMode::Hold);
    EXPECT_EQ(hold.change(257, true), PedalAction::Play);
    EXPECT_EQ(hold.change(257, true), std::nullopt); // no change: nothing
    EXPECT_EQ(hold.change(257, false), PedalAction::Pause);
    EXPECT_EQ(hold.change(300, true), std::nullopt); // not a pedal of ours

    EXPECT_EQ(hold.change(256, true), PedalAction::Back);
    EXPECT_TRUE(hold.repeating());
    EXPECT_EQ(hold.repeat(), PedalAction::Back);
    EXPECT_EQ(hold.change(258, true), PedalAction::Forward);
    EXPECT_EQ(hold.repeat(), std::nullopt); // both held: neither way
    EXPECT_EQ(hold.change(256, false), std::nullopt);
    EXPECT_EQ(hold.repeat(), PedalAction::Forward);
    EXPECT_EQ(hold.change(258, false), std::nullopt);
    EXPECT_FALSE(hold.repeating());

    // Unplugged with the middle pedal down: the pause of its release.
    EXPECT_EQ(hold.change(257, true), PedalAction::Play);
    EXPECT_EQ(hold.release_all(), PedalAction::Pause);
    EXPECT_EQ(hold.release_all(), std::nullopt);

    PedalLogic toggle({256, 257, 258}, PedalMode::Toggle);
    EXPECT_EQ(toggle.change(257, true), PedalAction::PlayPause);
    EXPECT_EQ(toggle.change(257, false), std::nullopt);
    EXPECT_EQ(toggle.change(257, true), PedalAction::PlayPause);
    EXPECT_EQ(toggle.release_all(), std::nullopt);
}

// A keypad: keys learned in the Options dialog (a key learned again runs
// the new choice), then its records turned into the run's commands.
TEST(KeypadLogic, LearnedKeysRunTheirCommandOnPressAndEachRepeatOrPlayWhileHeld)
{
    std::vector<KeypadKey> keys;
    for (const auto& [code, name] : {std::pair{79, "forward"},
                                     {80, play_while_held.id},
                                     {81, "no-such-command"},
                                     {82, "volume-up"},
                                     {79, "back"}})
        options_exchange::learn_keypad_key(keys, code, name);
    EXPECT_EQ(keys.size(), 4u);
    KeypadLogic keypad(keys);
    using enum KeyRecord::State;
    const std::tuple<int, KeyRecord::State, std::optional<Command>> steps[] = {
        {79, Down, Command::Back5Seconds},
        {79, Held, Command::Back5Seconds}, // the device's repeats while held
        {79, Held, Command::Back5Seconds},
        {79, Up, std::nullopt},
        {79, Held, std::nullopt}, // a repeat of a key let go
        {80, Down, Command::Play},
        {80, Held, std::nullopt},
        {80, Up, Command::Pause},
        {81, Down, std::nullopt}, // a name no command has
        {83, Down, std::nullopt}, // a key not learned
        {82, Down, Command::VolumeUp},
        {82, Down, std::nullopt}, // down already (a state read after a lost stretch)
        {82, Up, std::nullopt},
        {80, Down, Command::Play},
    };
    for (const auto& [code, state, sent] : steps)
        EXPECT_EQ(keypad.key(code, state), sent) << code << ' ' << int(state);
    // Unplugged while playing held: the pause of its release, once.
    EXPECT_EQ(keypad.release_all(), Command::Pause);
    EXPECT_EQ(keypad.release_all(), std::nullopt);
    EXPECT_THAT(keypad.codes(), ElementsAre(79, 80, 82));
    EXPECT_EQ(keypad_choices().front(), std::string_view(play_while_held.id));
}

} // namespace
} // namespace cuedeck::testing
