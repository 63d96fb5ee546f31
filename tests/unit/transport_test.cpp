#include <climits>

#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using PlayPause = ControllerTest;

TEST_F(PlayPause, WhilePlayingWithoutBackTimeOnlyPauses)
{
    player_in_list(3, 0, 1, 12000);
    controller.play_pause();
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence(
                                      {{"PlayState", "Pause"}, refresh_traffic()})));
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(PlayPause, WhilePlayingStepsBackByTheBackTime)
{
    state().back_time = 5;
    player_in_list(3, 0, 1, 12000);
    controller.play_pause();
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence({{"PlayState", "Pause",
                                                              "Position", "JumpTo 7000"},
                                                             refresh_traffic()})));
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(state().position, 7000);
}

TEST_F(PlayPause, StepBackStopsAtTheStartOfTheTrack)
{
    // Given 3.2 s into the track and a back time of 5 s, then the jump is to 0, not below.
    state().back_time = 5;
    player_in_list(3, 0, 1, 3200);
    controller.play_pause();
    EXPECT_THAT(player.traffic(), ::testing::Contains("JumpTo 0"));
    EXPECT_EQ(player.model.position_ms, 0);
}

TEST_F(PlayPause, NegativeBackTimeStepsForward)
{
    state().back_time = -5;
    player_in_list(3, 0, 1, 1000);
    controller.play_pause();
    EXPECT_EQ(player.model.position_ms, 6000);
}

TEST_F(PlayPause, HugeBackTimeSaturatesInsteadOfOverflowing)
{
    state().back_time = INT_MAX;
    player_in_list(3, 0, 1, 4000);
    controller.play_pause();
    EXPECT_EQ(player.model.position_ms, 0);

    state().back_time = INT_MIN;
    player.model.play_state = 1;
    controller.play_pause();
    EXPECT_EQ(player.model.position_ms, INT_MAX);
}

TEST_F(PlayPause, ResumingFromPauseStartsTheTipTimer)
{
    player_in_list(3, 0, 3, 5000);
    state().tip_timer_running = 0; // frozen by the tip timer command
    controller.play_pause();
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence(
                                      {{"PlayState", "Pause"}, refresh_traffic()})));
    EXPECT_EQ(state().tip_timer_running, 1);
    EXPECT_EQ(player.model.play_state, 1);
}

TEST_F(PlayPause, PausingLeavesTheTipTimerRunning)
{
    player_in_list(3, 0, 1, 5000);
    state().tip_timer_running = 1;
    controller.play_pause();
    EXPECT_EQ(state().tip_timer_running, 1);
}

TEST_F(PlayPause, WhileStoppedPlaysAndStartsTheTipTimer)
{
    player_in_list(3, 0, 0, 0);
    controller.play_pause();
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence(
                                      {{"PlayState", "Play"}, refresh_traffic()})));
    EXPECT_EQ(state().tip_timer_running, 1);
}

using Zero = ControllerTest;

TEST_F(Zero, WhileStoppedChangesNothing)
{
    player_in_list(3, 1, 0, 9000);
    state().zero_mark = 2000;
    controller.zero();
    EXPECT_THAT(player.traffic(), ElementsAre("PlayState"));
    EXPECT_EQ(state().zero_mark, 2000);
    EXPECT_EQ(state().history.count(), 0);
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(Zero, MovesTheMarkToThePositionAndRecordsIt)
{
    player_in_list(3, 1, 3, 83999);
    state().current_tip = 1;
    controller.zero();
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence(
                                      {{"PlayState", "Position"}, refresh_traffic()})));
    EXPECT_EQ(state().zero_mark, 83999);
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{1, 83})); // whole seconds
    EXPECT_EQ(view.field(FieldId::Counter), "0:00");
}

TEST_F(Zero, AtTheMarkedPositionRecordsNothing)
{
    player_in_list(3, 0, 1, 4000);
    state().zero_mark = 4000;
    controller.zero();
    EXPECT_THAT(player.traffic(), ElementsAre("PlayState", "Position"));
    EXPECT_EQ(state().history.count(), 0);
}

TEST_F(Zero, TakesANegativePositionAsZero)
{
    player_in_list(3, 0, 1, -300);
    state().zero_mark = 1000;
    controller.zero();
    EXPECT_EQ(state().zero_mark, 0);
}

using Skips = ControllerTest;

TEST_F(Skips, RewindJumpsToTheZeroMark)
{
    player_in_list(3, 0, 3, 50000);
    state().zero_mark = 12000;
    controller.rewind();
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"JumpTo 12000"}, refresh_traffic()})));
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(Skips, FiveSecondSkipsSendTheirCommandAndRefresh)
{
    player_in_list(3, 0, 1, 50000);
    controller.back_5_seconds();
    controller.forward_5_seconds();
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence(
                    {{"Back5s"}, refresh_traffic(), {"Forward5s"}, refresh_traffic()})));
    EXPECT_EQ(view.focus_returns, 2);
}

TEST_F(Skips, VolumeKeysSendOnlyTheirCommand)
{
    controller.volume_up();
    controller.volume_down();
    EXPECT_THAT(player.traffic(), ElementsAre("VolumeUp", "VolumeDown"));
    EXPECT_EQ(view.focus_returns, 0);
    EXPECT_TRUE(view.fields.empty());
}

using TipMoves = ControllerTest;

TEST_F(TipMoves, NextTipRecordsWhereTheTipWasLeftAndTheNewTip)
{
    player_in_list(5, 1, 1, 30500);
    state().current_tip = 1;
    controller.next_tip();
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence({{"PlayState", "Position"},
                                                             refresh_traffic(),
                                                             {"NextTrack"},
                                                             refresh_traffic()})));
    EXPECT_EQ(state().zero_mark, 0);
    EXPECT_EQ(state().current_tip, 2);
    ASSERT_EQ(state().history.count(), 2);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{1, 30}));
    EXPECT_EQ(state().history.entry(1), (HistoryEntry{2, 0}));
    EXPECT_EQ(view.focus_returns, 2); // once by the zero step, once by the move
}

TEST_F(TipMoves, LastTipWithUnmovedMarkRecordsOnlyTheNewTip)
{
    player_in_list(5, 3, 3, 0);
    state().current_tip = 3;
    controller.last_tip();
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence(
                    {{"PlayState", "Position", "PreviousTrack"}, refresh_traffic()})));
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{2, 0}));
}

using TipTimer = ControllerTest;

TEST_F(TipTimer, ResetLoadsTheFullTipTimeAndHidesStop)
{
    state().tip_time = 3;
    controller.tip_timer();
    EXPECT_EQ(state().tip_seconds_left, 180);
    EXPECT_EQ(state().tip_timer_running, 0); // starts with the next play
    EXPECT_EQ(view.alarm_picture, false);
    EXPECT_EQ(view.field(FieldId::TipTimer), "3:00");
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(TipTimer, PressedWhileCountingFreezesAndPlayContinues)
{
    state().tip_time = 3;
    state().tip_timer_running = 1;
    state().tip_seconds_left = 42;
    controller.tip_timer();
    EXPECT_EQ(state().tip_timer_running, 0);
    EXPECT_EQ(state().tip_seconds_left, 42);
    EXPECT_FALSE(view.alarm_picture.has_value());

    player_in_list(3, 0, 3, 0);
    controller.play_pause(); // resume
    EXPECT_EQ(state().tip_timer_running, 1);
    EXPECT_EQ(state().tip_seconds_left, 42);
}

TEST_F(TipTimer, RunningWithNothingLeftRestartsTheCountAtOnce)
{
    state().tip_time = 1;
    state().tip_timer_running = 1;
    state().tip_seconds_left = 0;
    controller.tip_timer();
    EXPECT_EQ(state().tip_seconds_left, 60);
    EXPECT_EQ(state().tip_timer_running, 1);
}

TEST_F(TipTimer, HugeTipTimeSaturates)
{
    state().tip_time = INT_MAX / 10;
    controller.tip_timer();
    EXPECT_EQ(state().tip_seconds_left, INT_MAX);
}

using GoToTarget = ControllerTest;

TEST_F(GoToTarget, EndsPausedOnTheTargetAtTheTargetSeconds)
{
    player_in_list(5, 0, 1, 1000);
    state().target_tip = 2;
    state().target_seconds = 83;
    controller.go_to_target();
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlaylistLength", "Stop", "SetPlaylistIndex 2",
                                            "Play", "Pause", "JumpTo 83000"},
                                           refresh_traffic()})));
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(player.model.playlist_index, 2);
    EXPECT_EQ(state().zero_mark, 83000);
    EXPECT_EQ(state().history.count(), 0); // no push
}

TEST_F(GoToTarget, ClampsTheTargetToTheList)
{
    player_in_list(5, 0, 1, 0);
    state().target_tip = 7;
    controller.go_to_target();
    EXPECT_EQ(state().target_tip, 4);
    EXPECT_EQ(state().current_tip, 4);

    state().target_tip = -3;
    controller.go_to_target();
    EXPECT_EQ(state().target_tip, 0);
}

TEST_F(GoToTarget, AnEmptyListGivesMinusOne)
{
    player_in_list(0, 0, 0, 0);
    state().target_tip = 2;
    controller.go_to_target();
    EXPECT_EQ(state().target_tip, -1);
    EXPECT_THAT(player.traffic(), ::testing::Contains("SetPlaylistIndex -1"));
}

TEST_F(GoToTarget, HugeTargetSecondsSaturate)
{
    player_in_list(5, 0, 1, 0);
    state().target_seconds = INT_MAX;
    controller.go_to_target();
    EXPECT_EQ(state().zero_mark, INT_MAX);
    state().target_seconds = INT_MIN;
    controller.go_to_target();
    EXPECT_EQ(state().zero_mark, INT_MIN);
    EXPECT_EQ(view.field(FieldId::Counter), "35791:23");
}

using UndoRedo = ControllerTest;

TEST_F(UndoRedo, WithNothingToGoToDoNothing)
{
    controller.undo();
    controller.redo();
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(view.focus_returns, 0);
}

TEST_F(UndoRedo, GoBackAndForthWithoutRecording)
{
    player_in_list(5, 0, 3, 0);
    state().history.push({0, 10});
    state().history.push({3, 20});
    controller.undo();
    EXPECT_EQ(player.model.playlist_index, 0);
    EXPECT_EQ(state().zero_mark, 10000);
    EXPECT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.top(), 2);

    controller.redo();
    EXPECT_EQ(player.model.playlist_index, 3);
    EXPECT_EQ(state().zero_mark, 20000);
    EXPECT_EQ(state().history.count(), 2);
    EXPECT_EQ(state().history.top(), 2);
}

using Opening = ControllerTest;

TEST_F(Opening, LoadPlaylistHandsTheListOverAndWaitsPaused)
{
    state().playlist_path = "/music/group.m3u";
    player.list_lengths["/music/group.m3u"] = 4;
    state().history.push({7, 7});
    controller.load_playlist();
    EXPECT_THAT(player.traffic(),
                ElementsAre("Stop", "ClearPlaylist", "hand_over /music/group.m3u",
                            "Pause", "PlayState", "Position"));
    EXPECT_EQ(view.field(FieldId::Playlist), "/music/group.m3u");
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(state().history.count(), 0);
}

TEST_F(Opening, OpenPlaylistUsesThePlaylistChooser)
{
    view.chosen_files.push_back("/music/a.m3u");
    controller.open_playlist();
    ASSERT_EQ(view.choosers.size(), 1u);
    EXPECT_EQ(view.choosers[0].mode, FileDialogMode::Open);
    EXPECT_EQ(view.choosers[0].filter, "Playlist files (*.m3u)|*.m3u||");
    EXPECT_EQ(view.choosers[0].default_extension, "");
    EXPECT_EQ(state().playlist_path, "/music/a.m3u");
    EXPECT_EQ(player.model.loaded, "/music/a.m3u");
}

TEST_F(Opening, CancelledChoosersChangeNothing)
{
    state().playlist_path = "/music/old.m3u";
    controller.open_playlist();
    controller.open_music_file();
    EXPECT_EQ(state().playlist_path, "/music/old.m3u");
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(view.focus_returns, 0);
    ASSERT_EQ(view.choosers.size(), 2u);
    EXPECT_EQ(view.choosers[1].filter, "Music files (*.mp3,*.wav)|*.mp3;*.wav||");
}

TEST_F(Opening, MusicFileBecomesAListOfOnePausedAtTheStart)
{
    state().playlist_path = "/music/group.m3u";
    state().zero_mark = 5000;
    view.chosen_files.push_back("/music/talk.wav");
    controller.open_music_file();
    EXPECT_THAT(
        player.traffic(),
        ElementsAreArray(sequence(
            {{"hand_over /music/talk.wav", "Pause", "JumpTo 0"}, refresh_traffic()})));
    EXPECT_EQ(state().playlist_path, "");
    EXPECT_EQ(view.field(FieldId::Playlist), "");
    EXPECT_EQ(state().zero_mark, 0);
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{0, 0}));
    EXPECT_EQ(player.model.play_state, 3);
}

} // namespace
} // namespace cuedeck::testing
