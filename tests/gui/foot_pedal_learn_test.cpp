// The foot pedal read from a pipe as from its device: its Learn hears the
// buttons alone, and once the settings name it, a press runs its command
// from the event loop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "desktop/foot_pedal.h"
#include "desktop/keypad.h"
#include "files/input_events.h"
#include "support/controller_fixture.h"
#include "support/event_loop_poster.h"
#include "support/temp_dir.h"

namespace cuedeck::testing {
namespace {

/// A window that asks nothing.
class QuietWindow : public SessionWindow
{
public:
    bool ending() const override { return false; }
    void come_forward() override {}
    void show_told(const std::string&) override {}
    void open_settings() override {}
    void open_recognizer_settings() override {}
    void open_help() override {}
    void open_about() override {}
};

using FootPedalSession = ControllerTest;

TEST_F(FootPedalSession, LearnsItsButtonsAloneThenIsTakenUpWhenTheSettingsNameIt)
{
    TempDir dir;
    const std::string pipe = dir.path() + "pedal";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    QuietWindow window;
    Session session(player, system, event_loop_poster());
    session.attach(view, window);
    FootPedal pedal(session);
    std::vector<int> learned;
    session.learn_pedal(pipe, [&learned](int code) { learned.push_back(code); });
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    // Presses, a release, a repeat and a scan code, as a pedal sends them.
    const auto record = [](std::uint16_t type, std::uint16_t code, std::int32_t value) {
        std::string bytes(input_event::size, '\0');
        std::memcpy(bytes.data() + 2 * sizeof(long), &type, 2);
        std::memcpy(bytes.data() + 2 * sizeof(long) + 2, &code, 2);
        std::memcpy(bytes.data() + 2 * sizeof(long) + 4, &value, 4);
        return bytes;
    };
    std::string sent;
    for (const int code : {256, 257, 258})
        sent += record(0x04, 4, code) + record(input_event::key, std::uint16_t(code), 1) +
                record(input_event::key, std::uint16_t(code), 2) +
                record(input_event::key, std::uint16_t(code), 0) + record(0, 0, 0);
    ASSERT_EQ(::write(writer, sent.data(), sent.size()), ssize_t(sent.size()));
    ASSERT_TRUE(served_until([&] { return learned.size() >= 3; }));
    EXPECT_EQ(learned, (std::vector<int>{256, 257, 258}));
    EXPECT_TRUE(player.traffic().empty()); // learning runs nothing
    session.stop_learning_pedal();

    // Chosen in the Options dialog, the pedal is taken up at its OK, and a
    // press waits for the event loop to run its command.
    std::signal(SIGPIPE, SIG_IGN); // a pedal not taken up: the write fails, not the test
    Options options = session.controller().options();
    options.pedal_device = pipe;
    options.pedal_buttons = PedalButtons{256, 257, 258};
    session.apply_options(options);
    const std::string right = record(input_event::key, 258, 1) + record(input_event::key, 258, 0);
    ASSERT_EQ(::write(writer, right.data(), right.size()), ssize_t(right.size()));
    EXPECT_TRUE(player.traffic().empty());
    ASSERT_TRUE(served_until([&] { return !player.traffic().empty(); }));
    ::close(writer);
}

/// A key record and its report, as the kernel writes them.
std::string key_record(std::uint16_t code, std::int32_t value)
{
    std::string bytes(2 * input_event::size, '\0');
    const std::uint16_t type = input_event::key;
    std::memcpy(bytes.data() + 2 * sizeof(long), &type, 2);
    std::memcpy(bytes.data() + 2 * sizeof(long) + 2, &code, 2);
    std::memcpy(bytes.data() + 2 * sizeof(long) + 4, &value, 4);
    return bytes;
}

// The keypad read the same way: Learn hears each key pressed (not its
// repeats or releases) and runs nothing; named by the settings, a key runs
// its command from the event loop, and again at each repeat.
TEST_F(FootPedalSession, AKeypadLearnsItsKeysAloneThenRunsTheirCommands)
{
    TempDir dir;
    const std::string pipe = dir.path() + "keypad";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    QuietWindow window;
    Session session(player, system, event_loop_poster());
    session.attach(view, window);
    Keypad keypad(session);
    std::vector<int> learned;
    session.learn_keypad(pipe, [&learned](int code) { learned.push_back(code); });
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    const std::string presses =
        key_record(79, 1) + key_record(79, 2) + key_record(79, 0) + key_record(80, 1);
    ASSERT_EQ(::write(writer, presses.data(), presses.size()), ssize_t(presses.size()));
    ASSERT_TRUE(served_until([&] { return learned.size() >= 2; }));
    EXPECT_EQ(learned, (std::vector<int>{79, 80}));
    EXPECT_TRUE(player.traffic().empty());
    session.stop_learning_keypad();

    std::signal(SIGPIPE, SIG_IGN);
    Options options = session.controller().options();
    options.keypad_device = pipe;
    options.keypad_keys = {{79, "volume-up"}};
    session.apply_options(options);
    const std::string held = key_record(79, 1) + key_record(79, 2) + key_record(79, 2);
    ASSERT_EQ(::write(writer, held.data(), held.size()), ssize_t(held.size()));
    EXPECT_TRUE(player.traffic().empty());
    ASSERT_TRUE(served_until([&] { return player.traffic().size() >= 3; }));
    EXPECT_EQ(player.traffic(), (std::vector<std::string>(3, "VolumeUp")));
    ::close(writer);
}

} // namespace
} // namespace cuedeck::testing

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
