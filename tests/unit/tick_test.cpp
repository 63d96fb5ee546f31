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
    state().tip_timer_running = 1;
    state().tip_seconds_left = 90;
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, 89);
    EXPECT_EQ(view.field(FieldId::TipTimer), "1:29");
}

TEST_F(Tick, ReachingZeroSoundsTheAlarmOnceAndShowsStop)
{
    state().tip_timer_running = 1;
    state().tip_seconds_left = 1;
    state().sound_on = 1;
    state().play_using = 1;
    state().sound_file = "/sounds/bell.wav";
    controller.tick();
    EXPECT_EQ(view.field(FieldId::TipTimer), "0:00");
    EXPECT_THAT(system.sounds, ElementsAre("async /sounds/bell.wav"));
    EXPECT_EQ(view.alarm_picture, true);
    EXPECT_EQ(state().tip_timer_running, 0);

    controller.tick();
    controller.tick();
    EXPECT_EQ(system.sounds.size(), 1u);
    EXPECT_EQ(state().tip_seconds_left, 0);
}

TEST_F(Tick, WithSoundOffStillShowsStop)
{
    state().tip_timer_running = 1;
    state().tip_seconds_left = 1;
    state().sound_on = 0;
    controller.tick();
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_EQ(view.alarm_picture, true);
}

TEST_F(Tick, RunningWithNothingLeftStaysSilent)
{
    state().tip_timer_running = 1;
    state().tip_seconds_left = 0;
    state().sound_on = 1;
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, 0);
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_FALSE(view.alarm_picture.has_value());
}

TEST_F(Tick, NegativeTipTimeRunsBelowZeroWithoutAlarm)
{
    state().tip_timer_running = 1;
    state().tip_seconds_left = -300;
    state().sound_on = 1;
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, -301);
    EXPECT_EQ(view.field(FieldId::TipTimer), "-5:01");
    EXPECT_TRUE(system.sounds.empty());
}

TEST_F(Tick, StoppedTimerDoesNotCount)
{
    state().tip_seconds_left = 30;
    controller.tick();
    EXPECT_EQ(state().tip_seconds_left, 30);
}

TEST_F(Tick, TipChangedByThePlayerResetsTheMarkAndRecordsTheNewTip)
{
    player_in_list(3, 0, 1, 1000);
    state().current_tip = 0;
    state().zero_mark = 20000;
    player.model.playlist_index = 1; // the track ended, the player moved on
    controller.tick();
    EXPECT_EQ(state().zero_mark, 0);
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{1, 0}));

    controller.tick(); // no further change
    EXPECT_EQ(state().history.count(), 1);
}

using Refresh = ControllerTest;

TEST_F(Refresh, WritesEveryStatusField)
{
    player_in_list(12, 4, 1, 83999, 185);
    player.model.caption = "5. Interview - mpv";
    state().zero_mark = 60000;
    state().tip_seconds_left = 125;
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

TEST_F(Refresh, CounterBeforeTheMarkTruncatesTowardZero)
{
    player_in_list(1, 0, 1, 8500);
    state().zero_mark = 10000;
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Counter), "-0:01");
    state().zero_mark = 9499;
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
    player.is_alive = false;
    state().zero_mark = 65000;
    state().tip_seconds_left = 600;
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
