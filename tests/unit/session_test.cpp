// What commands from outside the window may do, and what the desktop's media
// interface says of a run: the rules, apart from any bus or socket.
#include <climits>
#include <functional>

#include "control/commands/global_keys.h"
#include "control/session/keypad_run.h"
#include "control/session/media_status.h"
#include "control/session/session.h"
#include "support/controller_fixture.h"
#include "support/fake_session_window.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;

TEST(MediaStatus, SaysWhatTheDisplayShows)
{
    const auto status = [](std::optional<int> play_state, int length, int index, int seconds) {
        PlayerStatus shown;
        shown.play_state = play_state;
        shown.playlist_length = length;
        shown.playlist_index = index;
        shown.track_length_s = seconds;
        return shown;
    };
    const struct
    {
        PlayerStatus shown;
        std::string playback;
        std::optional<int> track;
        bool next, previous, play, seek;
    } cases[] = {
        {status(std::nullopt, 0, 0, 0), "Stopped", std::nullopt, false, false, false, false},
        {status(play_state::stopped, 3, 0, 20), "Stopped", 0, true, false, true, true},
        {status(play_state::playing, 3, 1, 20), "Playing", 1, true, true, true, true},
        {status(play_state::paused, 3, 2, 0), "Paused", 2, false, true, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(media_status::playback(c.shown), c.playback);
        EXPECT_EQ(media_status::track(c.shown), c.track);
        EXPECT_EQ(media_status::can_go_next(c.shown), c.next) << c.playback;
        EXPECT_EQ(media_status::can_go_previous(c.shown), c.previous) << c.playback;
        EXPECT_EQ(media_status::can_play(c.shown), c.play) << c.playback;
        EXPECT_EQ(media_status::can_seek(c.shown), c.seek) << c.playback;
    }
    PlayerStatus shown = status(play_state::paused, 3, 1, 20);
    EXPECT_EQ(media_status::length_us(shown), 20000000);
    EXPECT_EQ(media_status::file(shown), std::nullopt);
    shown.file = "/music/tip 2.wav";
    EXPECT_EQ(media_status::file(shown), "/music/tip 2.wav");
    EXPECT_EQ(media_status::volume(shown), 1.0); // unknown reads as full
}

TEST(MediaStatus, RatesSeeksAndJumpsStayWithinTheirBounds)
{
    EXPECT_EQ(media_status::speed_for_rate(0.8), 80);
    EXPECT_EQ(media_status::speed_for_rate(50), 1000);        // the speed's own bounds come later
    EXPECT_EQ(media_status::speed_for_rate(0), std::nullopt); // pause
    EXPECT_EQ(media_status::speed_for_rate(-1), std::nullopt);
    EXPECT_EQ(media_status::seek_target_ms(3000, 2000000), 5000);
    EXPECT_EQ(media_status::seek_target_ms(3000, -9000000), 0);
    EXPECT_EQ(media_status::seek_target_ms(3000, LLONG_MAX), INT_MAX);

    PlayerStatus shown;
    shown.playlist_length = 3;
    shown.playlist_index = 1;
    shown.track_length_s = 20;
    EXPECT_EQ(media_status::position_target_ms(shown, 1, 1500000), 1500);
    EXPECT_EQ(media_status::position_target_ms(shown, 0, 1500000), std::nullopt); // another tip
    EXPECT_EQ(media_status::position_target_ms(shown, std::nullopt, 0), std::nullopt);
    EXPECT_EQ(media_status::position_target_ms(shown, 1, 21000000), std::nullopt);
    EXPECT_EQ(media_status::position_target_ms(shown, 1, -1), std::nullopt);
}

TEST(MediaStatus, ListenersAreToldOfWhatChangedAndOfNothingElse)
{
    PlayerStatus playing;
    playing.play_state = play_state::playing;
    playing.playlist_length = 3;
    playing.playlist_index = 1;
    playing.track_length_s = 20;
    playing.caption = "2. tip - mpv";
    const RunState state;
    const auto told = media_status::followed(playing, state);
    const struct
    {
        const char* what;
        std::function<void(PlayerStatus&, RunState&)> change;
        std::vector<std::string> changed;
    } cases[] = {
        {"the place moves on", [](PlayerStatus& s, RunState&) { s.position_ms = 9000; }, {}},
        {"nothing", [](PlayerStatus&, RunState&) {}, {}},
        {"paused",
         [](PlayerStatus& s, RunState&) { s.play_state = play_state::paused; },
         {"PlaybackStatus"}},
        {"the next tip",
         [](PlayerStatus& s, RunState&) { s.playlist_index = 2; },
         {"Metadata", "CanGoNext"}},
        {"another title", [](PlayerStatus& s, RunState&) { s.caption = "other"; }, {"Metadata"}},
        {"volume", [](PlayerStatus& s, RunState&) { s.volume = 50; }, {"Volume"}},
        {"speed", [](PlayerStatus&, RunState& r) { r.speed = 70; }, {"Rate"}},
        {"speed control",
         [](PlayerStatus&, RunState& r) { r.speed_control = true; },
         {"MinimumRate", "MaximumRate"}},
        {"no list",
         [](PlayerStatus& s, RunState&) { s = {}; },
         {"PlaybackStatus", "Metadata", "CanGoNext", "CanGoPrevious", "CanPlay", "CanPause",
          "CanSeek"}},
    };
    for (const auto& c : cases) {
        PlayerStatus shown = playing;
        RunState now = state;
        c.change(shown, now);
        EXPECT_EQ(media_status::changed_properties(told, media_status::followed(shown, now)),
                  c.changed)
            << c.what;
    }
}

TEST(GlobalKeys, TheFunctionKeysRunTheirWindowCommandsAndTakenOnesAreNamed)
{
    std::vector<std::pair<Key, Command>> keys;
    for (const KeyBinding& binding : global_key_table())
        keys.emplace_back(binding.key, binding.command);
    EXPECT_THAT(
        keys, ElementsAre(
                  std::pair{Key::F4, Command::PlayPause}, std::pair{Key::F5, Command::Back5Seconds},
                  std::pair{Key::F6, Command::LastTip}, std::pair{Key::F7, Command::NextTip},
                  std::pair{Key::F8, Command::Forward5Seconds}, std::pair{Key::F9, Command::Zero},
                  std::pair{Key::F10, Command::Rewind}, std::pair{Key::F11, Command::Rewind},
                  std::pair{Key::F12, Command::TipTimer}));
    // F4 acts in the window too; the caption keeps its old hint.
    EXPECT_EQ(command_for_key(Key::F4), Command::PlayPause);
    EXPECT_EQ(key_hint(Command::PlayPause), "space");

    EXPECT_EQ(taken_keys_note({}, GlobalKeys::FunctionKeys), "");
    EXPECT_EQ(taken_keys_note({Key::F12}, GlobalKeys::FunctionKeys),
              "F12 is taken by another program");
    EXPECT_EQ(taken_keys_note({Key::F5, Key::F6, Key::F12}, GlobalKeys::WithCtrlShift),
              "Ctrl+Shift+F5, Ctrl+Shift+F6 and Ctrl+Shift+F12 are taken by other programs");
}

/// A session on the fixture's fake player, whose event loop is a list the
/// test runs when it says so.
class SessionTest : public ControllerTest
{
protected:
    SessionTest()
    {
        session.attach(view, window);
        session.controller().connect_player();
        player.clear_log();
    }
    void run_the_event_loop()
    {
        while (!waiting.empty()) {
            auto work = std::move(waiting.front());
            waiting.erase(waiting.begin());
            work();
        }
    }

    std::vector<std::function<void()>> waiting;
    FakeSessionWindow window;
    Session session{player, system,
                    [this](std::function<void()> work) { waiting.push_back(std::move(work)); }};
};

TEST_F(SessionTest, RequestsRunAsTheirKeysDoButNotWhileTheWindowAsksOrEnds)
{
    std::vector<bool> heard;
    session.listen([&](bool moved) { heard.push_back(moved); });
    player_in_list(3, 0, play_state::paused, 0);
    session.controller().refresh();
    player.clear_log();

    {
        const Session::Question question(session);
        EXPECT_EQ(session.submit({Command::NextTip}),
                  "Cuedeck is waiting for an answer in one of its dialogs");
    }
    window.is_ending = true;
    EXPECT_EQ(session.submit({Command::NextTip}), "Cuedeck is closing");
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_TRUE(heard.empty());

    window.is_ending = false;
    EXPECT_EQ(session.submit({Command::NextTip}), "");
    EXPECT_EQ(session.submit({Command::JumpTo, 2000}), "");
    EXPECT_EQ(session.submit({Command::JumpTo}), "the request lacks its number");
    EXPECT_EQ(player.model.playlist_index, 1);
    EXPECT_EQ(player.model.position_ms, 2000);
    // A tip change is no jump within the tip; a jump is, even one refused.
    EXPECT_THAT(heard, ElementsAre(false, true, true));

    // A go-to refused for its place is told to its sender and in the
    // window's status, never in a box that would hold back the next request;
    // the status is the pedal's again after a while.
    session.show_device_state("Pedal disconnected");
    const std::string refused = "Cannot go to tip 9: the playlist has 3 tips";
    EXPECT_EQ(session.submit({Command::GoToPlace, "[9 0:01]"}), refused);
    EXPECT_EQ(view.field(FieldId::DeviceState), refused);
    EXPECT_TRUE(window.told.empty());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(session.submit({Command::NextTip}), "");
    EXPECT_EQ(player.model.playlist_index, 2);
    for (int tick = 0; tick < Controller::notice_ticks; ++tick)
        session.controller().tick();
    EXPECT_EQ(view.field(FieldId::DeviceState), "Pedal disconnected");

    // Once the window has gone the run shows nothing, and takes no request;
    // the pedal may still be heard then.
    session.detach();
    view.clear();
    session.show_device_state("Pedal connected");
    session.controller().tick();
    EXPECT_NE(session.submit({Command::NextTip}), "");
    EXPECT_EQ(player.model.playlist_index, 2);
    EXPECT_FALSE(view.has_field(FieldId::DeviceState));
}

TEST_F(SessionTest, WhatIsToldOrHandedOverWaitsForTheOpenQuestionAndIsNeverLost)
{
    std::optional<Session::Question> question(std::in_place, session);
    session.tell("The pedal is held by another program");
    session.tell("Cannot build the noise reduction");
    session.open_handed_file("/nowhere/group.grp");
    run_the_event_loop();
    EXPECT_TRUE(window.told.empty());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(window.forward, 1) << "the window comes forward at once";
    question.reset();
    EXPECT_TRUE(window.told.empty()) << "told inside the answer's own handling";
    run_the_event_loop();
    EXPECT_THAT(window.told, ElementsAre("The pedal is held by another program",
                                         "Cannot build the noise reduction"));
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_THAT(view.messages[0], ::testing::HasSubstr("/nowhere/group.grp"));
    window.is_ending = true;
    session.tell("late");
    run_the_event_loop();
    EXPECT_EQ(window.told.size(), 2U);
}

TEST_F(SessionTest, RequestsFromOutsideWaitForTheEventLoopAndNotForAGoneSender)
{
    player_in_list(3, 0, play_state::paused, 0);
    session.controller().refresh();
    player.clear_log();
    std::vector<std::string> answers;
    const auto answer = [&](const std::string& refusal) { answers.push_back(refusal); };
    bool sender_waits = true;
    session.submit_later({Command::NextTip}, answer, [&] { return sender_waits; });
    session.submit_later({Command::NextTip}, answer, [&] { return sender_waits; });
    EXPECT_EQ(player.model.playlist_index, 0); // nothing inside the caller
    EXPECT_TRUE(answers.empty());
    // The first is carried out; the second's sender has given up meanwhile.
    waiting.front()();
    waiting.erase(waiting.begin());
    sender_waits = false;
    run_the_event_loop();
    EXPECT_THAT(answers, ElementsAre("", "too late"));
    EXPECT_EQ(player.model.playlist_index, 1);

    // One that waits for a hung player is answered when it is carried out,
    // or refused once it waited too long: never "done" before it reached it.
    // Its sender is asked once whether it waits (and so told it began).
    answers.clear();
    sender_waits = true;
    player.silent = true;
    int asked = 0;
    session.submit_later({Command::NextTip}, answer, [&] { return ++asked, sender_waits; });
    run_the_event_loop();
    EXPECT_TRUE(answers.empty());
    player.silent = false;
    session.tick();
    EXPECT_THAT(answers, ElementsAre(""));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(player.model.playlist_index, 2);
    player.silent = true;
    session.submit_later({Command::LastTip}, answer, [&] { return sender_waits; });
    run_the_event_loop();
    for (int waited = 0; waited <= Session::held_at_most_ms; waited += Session::following_period_ms)
        session.tick();
    player.silent = false;
    session.tick();
    EXPECT_THAT(answers, ElementsAre("", "Fake Player is not answering"));
    EXPECT_EQ(player.model.playlist_index, 2);

    // Settings are told when they change, and a listener that stopped hears nothing.
    int settings_heard = 0;
    const auto id = session.listen_to_settings([&] { ++settings_heard; });
    Options options = session.controller().options();
    options.back_time = 4;
    session.apply_options(options);
    session.stop_listening(id);
    session.apply_options(options);
    EXPECT_EQ(settings_heard, 1);
    EXPECT_EQ(session.state().settings.back_time, 4);
}

/// A keypad's device as its rules see it: what they asked of it.
class RecordedDevice : public PedalDevice
{
public:
    void open(const std::string& path) override
    {
        opened.push_back(path);
        open_now = true;
    }
    void close() override { open_now = false; }
    bool is_open() const override { return open_now; }
    void set_reading(bool on) override { reading = on; }
    void set_repeating(bool) override {}

    std::vector<std::string> opened;
    bool open_now = false;
    bool reading = true;
};

// A keypad is not read while a command it read waits for the event loop (a
// flood waits in the device); unplugged with play held, it pauses and says
// so; its opening clears only what it said itself.
TEST_F(SessionTest, AKeypadWaitsForItsCommandsAndLetsGoWhenUnplugged)
{
    player_in_list(3, 0, play_state::paused, 0);
    session.controller().refresh();
    RecordedDevice device;
    KeypadRun keypad(session, device);
    keypad.start();
    Options options = session.controller().options();
    options.keypad_device = "/dev/input/event9";
    options.keypad_keys = {{79, "next-tip"}, {80, play_while_held.id}};
    session.apply_options(options);
    EXPECT_THAT(device.opened, ElementsAre("/dev/input/event9"));
    session.show_device_state("Pedal disconnected");
    keypad.opened();
    EXPECT_EQ(view.field(FieldId::DeviceState), "Pedal disconnected");

    keypad.key(79, KeyRecord::Down);
    keypad.key(79, KeyRecord::Held);
    EXPECT_FALSE(device.reading);
    EXPECT_EQ(player.model.playlist_index, 0);
    run_the_event_loop();
    EXPECT_TRUE(device.reading);
    EXPECT_EQ(player.model.playlist_index, 2);

    keypad.key(80, KeyRecord::Down);
    run_the_event_loop();
    EXPECT_EQ(player.model.play_state, play_state::playing);
    keypad.unplugged();
    EXPECT_EQ(view.field(FieldId::DeviceState), "Keypad disconnected");
    run_the_event_loop();
    EXPECT_EQ(player.model.play_state, play_state::paused);
    keypad.opened();
    EXPECT_NE(view.field(FieldId::DeviceState), "Keypad disconnected");
}

} // namespace
} // namespace cuedeck::testing
