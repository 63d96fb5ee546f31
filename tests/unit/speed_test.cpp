#include "control/run/speed.h"
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
    controller.faster();
    controller.faster();
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
    controller.normal_speed();
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
    controller.play_pause();
    EXPECT_EQ(player.model.position_ms, 17000);
}

TEST_F(ControllerTest, APlayerWithoutSpeedsIgnoresTheSpeedAndTheFileLeavesItOut)
{
    system.files["/opt/cuedeck/cuedeck.dat"] = "Speed\n80\n";
    controller.start_up();
    controller.faster();
    EXPECT_FALSE(view.has_field(FieldId::Speed));
    EXPECT_THAT(player.traffic(),
                ::testing::Not(::testing::Contains(::testing::StartsWith("Speed"))));
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_THAT(system.files[SettingsFile(system).path(state())],
                ::testing::EndsWith("BackTime\n0\n"));
}

} // namespace
} // namespace cuedeck::testing
