#include "control/run/command_bodies.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Tick = ControllerTest;

TEST_F(Tick, AsksForThePlaylistIndexThenRefreshes)
{
    player_in_list(3, 0, 1, 1000);
    controller.tick();
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlaylistIndex"}, refresh_traffic()})));
}

TEST_F(Tick, CountsTheRunningTipTimerDown)
{
    tip_timer_at(90);
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, 89);
    EXPECT_EQ(view.field(FieldId::TipTimer), "1:29");
}

TEST_F(Tick, ReachingZeroSoundsTheAlarmOnceAndShowsStop)
{
    set_sound(1, 1, "/sounds/bell.wav");
    tip_timer_at(1);
    controller.tick();
    EXPECT_EQ(view.field(FieldId::TipTimer), "0:00");
    EXPECT_THAT(system.sounds, ElementsAre("async /sounds/bell.wav"));
    EXPECT_EQ(view.alarm_picture, true);
    EXPECT_FALSE(state().tip_timer_running);

    controller.tick();
    controller.tick();
    EXPECT_EQ(system.sounds.size(), 1u);
    EXPECT_EQ(state().tip_seconds_left, 0);
}

TEST_F(Tick, WithSoundOffStillShowsStop)
{
    set_sound(0, 1, "/sounds/bell.wav");
    tip_timer_at(1);
    controller.tick();
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_EQ(view.alarm_picture, true);
}

TEST_F(Tick, RunningWithNothingLeftStaysSilent)
{
    set_sound(1, 1, "/sounds/bell.wav");
    tip_timer_at(0); // a tip time of 0, running
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, 0);
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_FALSE(view.alarm_picture.has_value());
}

TEST_F(Tick, NegativeTipTimeRunsBelowZeroWithoutAlarm)
{
    set_sound(1, 1, "/sounds/bell.wav");
    tip_timer_at(-300);
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, -301);
    EXPECT_EQ(view.field(FieldId::TipTimer), "-5:01");
    EXPECT_TRUE(system.sounds.empty());
}

TEST_F(Tick, StoppedTimerDoesNotCount)
{
    tip_timer_at(30);
    run_command(controller, Command::TipTimer); // frozen
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, 30);
}

TEST_F(Tick, TipChangedByThePlayerResetsTheMarkAndRecordsTheNewTip)
{
    player_in_list(3, 0, 1, 1000);
    zero_at(20000);
    const int recorded = state().history.count();
    player.model.playlist_index = 1; // the track ended, the player moved on
    controller.tick();
    EXPECT_EQ(state().zero_mark, 0);
    ASSERT_EQ(state().history.count(), recorded + 1);
    EXPECT_EQ(state().history.entry(recorded), (HistoryEntry{1, 0}));

    controller.tick(); // no further change
    EXPECT_EQ(state().history.count(), recorded + 1);

    // A mark beyond the tip's end (a recording shorter than the group knew)
    // becomes the tip's start, so that no impossible place is saved.
    zero_at(200000);
    player.model.track_length_s = 70;
    controller.tick();
    EXPECT_EQ(state().zero_mark, 0);
    EXPECT_EQ(state().history.entry(state().history.count() - 1), (HistoryEntry{1, 0}));
}

using Refresh = ControllerTest;

TEST_F(Refresh, WritesEveryStatusField)
{
    zero_at(60000);
    tip_timer_at(125);
    player_in_list(12, 4, 1, 83999, 185);
    player.model.caption = "5. Interview - mpv";
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Playing), "5 of 12   5. Interview - mpv");
    EXPECT_EQ(view.field(FieldId::TipLength), "3:05");
    EXPECT_EQ(view.field(FieldId::Position), "1:23");
    EXPECT_EQ(view.field(FieldId::Counter), "0:23");
    EXPECT_EQ(view.field(FieldId::TipTimer), "2:05");
    EXPECT_EQ(state().current_tip, 4);
    EXPECT_EQ(state().tip_length, 185);
    EXPECT_EQ(state().position, 83999);
}

TEST_F(Refresh, SaysWhenNothingCanBeHeardUntilASoundDeviceIsBack)
{
    player_in_list(3, 0, 1, 1000);
    player.model.no_sound_device = true;
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Speed), "No sound device");
    controller.refresh();
    EXPECT_EQ(view.field_writes[FieldId::Speed], 1); // said once, not at every refresh
    player.model.no_sound_device = false;
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Speed), "");
}

TEST_F(Refresh, CounterBeforeTheMarkTruncatesTowardZero)
{
    zero_at(10000);
    player_in_list(1, 0, 1, 8500);
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Counter), "-0:01");
    zero_at(9499);
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Counter), "0:00");
}

TEST_F(Refresh, NegativeAnswersReadAsZero)
{
    player_in_list(1, 0, 1, -40, -1);
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::TipLength), "0:00");
    EXPECT_EQ(view.field(FieldId::Position), "0:00");
    EXPECT_EQ(state().position, 0);
}

TEST_F(Refresh, WithoutAPlayerShowsOneOfZeroAndTheMark)
{
    zero_at(65000);
    set_tip_time(10);
    run_command(controller, Command::TipTimer);
    player.is_alive = false;
    player.clear_log();
    controller.refresh();
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(view.field(FieldId::Playing), "1 of 0   ");
    EXPECT_EQ(view.field(FieldId::TipLength), "0:00");
    EXPECT_EQ(view.field(FieldId::Position), "0:00");
    EXPECT_EQ(view.field(FieldId::Counter), "-1:05");
    EXPECT_EQ(view.field(FieldId::TipTimer), "10:00");
}

} // namespace
} // namespace cuedeck::testing
