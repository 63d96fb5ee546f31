// What mpv offers beyond the Windows player: other speeds, the clarity aids
// and the loop of a stretch.
#include "control/run/command_bodies.h"
#include "control/state/loop.h"
#include "control/state/speed.h"
#include "control/storage/settings_file.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

TEST(SpeedSteps, GoByTenToTheNextStepWithinHalfAndDouble)
{
    struct Case
    {
        int from, slower, faster;
    };
    for (const Case c : {Case{100, 90, 110}, Case{85, 80, 90}, Case{50, 50, 60}, Case{55, 50, 60},
                         Case{200, 190, 200}, Case{195, 190, 200}}) {
        EXPECT_EQ(speed::slower(c.from), c.slower) << c.from;
        EXPECT_EQ(speed::faster(c.from), c.faster) << c.from;
    }
    EXPECT_EQ(speed::text(100), "");
    EXPECT_EQ(speed::text(80), "Speed 80 %");
}

class Speed : public ControllerTest
{
protected:
    Speed() : ControllerTest(true) {}

    /// Start a run with this settings file beside the program.
    void start_with(const std::string& settings)
    {
        system.files["/opt/cuedeck/cuedeck.dat"] = settings;
        controller.start_up();
        player.clear_log();
    }
    std::string saved_settings()
    {
        controller.shut_down(WindowEnding::DefaultClose);
        return system.files[SettingsFile(system).path(state())];
    }
};

TEST_F(Speed, KeysStepTheRateTheWindowShowsAndTheSettingsKeep)
{
    start_with("");
    EXPECT_EQ(player.model.speed, 100);
    EXPECT_EQ(view.field(FieldId::Speed), ""); // at normal speed the window is as ever
    run_command(controller, Command::Faster);
    run_command(controller, Command::Faster);
    EXPECT_EQ(player.traffic(), (std::vector<std::string>{"Speed 110", "Speed 120"}));
    EXPECT_EQ(view.field(FieldId::Speed), "Speed 120 %");
    // Nothing heard comes first, and the speed still shows beside it.
    player_in_list(3, 0, 1, 1000);
    player.model.no_sound_device = true;
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Speed), "No sound device, 120 %");
    EXPECT_THAT(saved_settings(), ::testing::EndsWith("BackTime\n0\nSpeed\n120\n"));
}

TEST_F(Speed, ASavedRateIsSetAtStartAndAfterEveryLoadABadOneReadsAsNormal)
{
    start_with("Speed\n70\n");
    EXPECT_EQ(player.model.speed, 70);
    EXPECT_EQ(view.field(FieldId::Speed), "Speed 70 %");
    player.model.speed = 100; // a new player, or one that reset itself
    controller.open_music_file("/music/a.mp3");
    EXPECT_EQ(player.model.speed, 70);
    run_command(controller, Command::NormalSpeed);
    EXPECT_EQ(view.field(FieldId::Speed), "");

    for (const char* bad : {"Speed\n300\n", "Speed\n49\n", "Speed\nfast\n", "BackTime\n2\n"}) {
        RunState read;
        system.files["/opt/cuedeck/cuedeck.dat"] = bad;
        SettingsFile(system).read(read);
        EXPECT_EQ(read.speed, 100) << bad;
    }
}

TEST_F(Speed, TheStepBackOnPauseIsInRecordingSeconds)
{
    start_with("Speed\n150\n");
    set_back_time(3);
    player_in_list(1, 0, play_state::playing, 20000);
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 17000);
}

TEST_F(Speed, AidsAreSwitchedAloneShownKeptAndSetAgainAtTheNextStart)
{
    start_with("");
    run_command(controller, Command::ReduceNoise);
    run_command(controller, Command::ChannelLeft);
    run_command(controller, Command::Louder);
    run_command(controller, Command::Louder);
    EXPECT_EQ(player.traffic(),
              (std::vector<std::string>{"Aids 2", "Aids 0:1 2", "Aids 0:1 2 4", "Aids 0:1 2"}));
    EXPECT_EQ(view.field(FieldId::Aids), "Left, Noise");
    const std::string saved = saved_settings();
    EXPECT_THAT(saved, ::testing::EndsWith("Speed\n100\nReduceNoise\n1\nChannel\n1\n"));
    FakeView next_view;
    FakePlayerBackend next_player(true);
    Controller next(next_view, next_player, system);
    system.files["/opt/cuedeck/cuedeck.dat"] = saved;
    next.start_up();
    EXPECT_EQ(next_player.aids, (ClarityAids{.reduce_noise = true, .channel = Channel::Left}));
    EXPECT_EQ(next_view.field(FieldId::Aids), "Left, Noise");
}

TEST_F(Speed, AnAidThePlayerCannotBuildIsNamedOnceAndTurnsOff)
{
    start_with("VoiceBand\n1\n");
    player.refused_aids = {Aid::ReduceNoise};
    run_command(controller, Command::ReduceNoise);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Fake Player cannot build what Reduce "
                                                       "Noise needs (an older Fake Player or "
                                                       "FFmpeg), so it is off."}));
    EXPECT_EQ(state().aids, ClarityAids{.voice_band = true});
    EXPECT_EQ(view.field(FieldId::Aids), "Voice band");
    controller.tick();
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST(LoopRules, PressesSetTheStartThenTheStretchThenNone)
{
    using L = std::optional<Loop>;
    struct Case
    {
        L before;
        int tip, at;
        L after;
    };
    for (const Case& c : {
             Case{std::nullopt, 1, 12300, Loop{1, 12300, {}}},
             Case{Loop{1, 12300, {}}, 1, 17800, Loop{1, 12300, 17800}},
             Case{Loop{1, 17800, {}}, 1, 12300, Loop{1, 12300, 17800}}, // either order
             Case{Loop{1, 12300, {}}, 1, 12300, std::nullopt},          // no stretch
             Case{Loop{1, 12300, {}}, 2, 5000, Loop{2, 5000, {}}},      // another tip: a new start
             Case{Loop{1, 12300, 17800}, 1, 15000, std::nullopt},
             Case{std::nullopt, 0, -40, Loop{0, 0, {}}},
         }) {
        EXPECT_EQ(loop::pressed(c.before, c.tip, c.at), c.after) << c.at;
    }
    EXPECT_EQ(loop::text(Loop{0, 12345, 17899}), "Loop 0:12.3 \u2013 0:17.8");
    EXPECT_EQ(loop::text(Loop{0, 3600000, {}}), "Loop 60:00.0 \u2013");
    EXPECT_EQ(loop::text(std::nullopt), "");
    // A pause inside the stretch steps back no further than its start.
    const L stretch = Loop{0, 12000, 18000};
    EXPECT_EQ(loop::step_back_target(14000, 5, stretch), 12000);
    EXPECT_EQ(loop::step_back_target(17900, 5, stretch), 12900);
    EXPECT_EQ(loop::step_back_target(11000, 5, stretch), 6000); // before it: as ever
    EXPECT_EQ(loop::step_back_target(14000, 5, Loop{0, 12000, {}}), 9000);
    EXPECT_EQ(loop::step_back_target(3000, 5, std::nullopt), 0);
}

TEST_F(Speed, TheLoopKeySetsAStretchThatPlaysAndEndsWithAMoveToAnotherPlace)
{
    start_with("");
    set_back_time(5);
    player_in_list(3, 1, play_state::paused, 12300);
    run_command(controller, Command::Loop);
    EXPECT_EQ(view.field(FieldId::Loop), "Loop 0:12.3 \u2013");
    EXPECT_FALSE(player.loop);
    player.model.position_ms = 17800;
    run_command(controller, Command::Loop);
    EXPECT_EQ(player.loop, (LoopStretch{12300, 17800}));
    EXPECT_EQ(player.model.play_state, play_state::playing); // from its start
    EXPECT_EQ(view.field(FieldId::Loop), "Loop 0:12.3 \u2013 0:17.8");
    player.model.position_ms = 14000;
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 12300);
    EXPECT_FALSE(state().saved.text.has_value()); // nothing of it in the tape group

    // Another tip, a go-to, undo and redo each end it; so does the third press.
    const std::function<void()> moves[] = {
        [&] { run_command(controller, Command::NextTip); },
        [&] { controller.go_to_place("[2 0:00:03.0]", false); },
        [&] { run_command(controller, Command::Undo); },
        [&] { run_command(controller, Command::Loop); },
    };
    for (const auto& move : moves) {
        run_command(controller, Command::EndLoop);
        player_in_list(3, 1, play_state::paused, 12300);
        run_command(controller, Command::Loop);
        player.model.position_ms = 17800;
        run_command(controller, Command::Loop);
        ASSERT_TRUE(player.loop);
        move();
        EXPECT_FALSE(player.loop);
        EXPECT_FALSE(state().loop);
        EXPECT_EQ(view.field(FieldId::Loop), "");
    }
}

TEST_F(ControllerTest, APlayerWithoutSpeedsIgnoresTheSpeedAndAidsAndHasItsLoopKeptByCuedeck)
{
    system.files["/opt/cuedeck/cuedeck.dat"] = "Speed\n80\nReduceNoise\n1\n";
    controller.start_up();
    run_command(controller, Command::Faster);
    run_command(controller, Command::VoiceBand);
    EXPECT_FALSE(view.has_field(FieldId::Speed));
    EXPECT_FALSE(view.has_field(FieldId::Aids));
    EXPECT_THAT(player.traffic(),
                ::testing::Not(::testing::Contains(::testing::StartsWith("Speed"))));
    EXPECT_THAT(player.traffic(), ::testing::Not(::testing::Contains(::testing::StartsWith("A"))));

    // L, L: the stretch plays from its start; playing on past its end moves
    // it back there, a skip beyond it leaves it.
    player_in_list(3, 0, play_state::playing, 2000);
    run_command(controller, Command::Loop);
    player.model.position_ms = 4000;
    run_command(controller, Command::Loop);
    EXPECT_EQ(view.field(FieldId::Loop), "Loop 0:02.0 \u2013 0:04.0");
    EXPECT_EQ(player.model.position_ms, 2000);
    for (const auto& [played_to, then] :
         std::vector<std::pair<int, int>>{{3950, 3950}, {4040, 2000}, {3000, 3000}, {9000, 9000}}) {
        player.model.position_ms = played_to;
        controller.refresh();
        EXPECT_EQ(player.model.position_ms, then) << played_to;
    }
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_THAT(system.files[SettingsFile(system).path(state())],
                ::testing::EndsWith("BackTime\n0\n"));
}

} // namespace
} // namespace cuedeck::testing
