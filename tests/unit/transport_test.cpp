#include <climits>

#include "control/run/command_bodies.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using PlayPause = ControllerTest;

TEST_F(PlayPause, WhilePlayingWithoutBackTimeOnlyPauses)
{
    player_in_list(3, 0, 1, 12000);
    run_command(controller, Command::PlayPause);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlayState", "Pause"}, refresh_traffic()})));
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(PlayPause, WhilePlayingStepsBackByTheBackTime)
{
    set_back_time(5);
    player_in_list(3, 0, 1, 12000);
    run_command(controller, Command::PlayPause);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence(
                    {{"PlayState", "Pause", "Position", "JumpTo 7000"}, refresh_traffic()})));
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(state().position, 7000);
}

TEST_F(PlayPause, StepBackStopsAtTheStartOfTheTrack)
{
    // Given 3.2 s into the track and a back time of 5 s, then the jump is to 0, not below.
    set_back_time(5);
    player_in_list(3, 0, 1, 3200);
    run_command(controller, Command::PlayPause);
    EXPECT_THAT(player.traffic(), ::testing::Contains("JumpTo 0"));
    EXPECT_EQ(player.model.position_ms, 0);
}

TEST_F(PlayPause, NegativeBackTimeStepsForward)
{
    set_back_time(-5);
    player_in_list(3, 0, 1, 1000);
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 6000);
}

TEST_F(PlayPause, HugeBackTimeSaturatesInsteadOfOverflowing)
{
    set_back_time(INT_MAX);
    player_in_list(3, 0, 1, 4000);
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 0);

    set_back_time(INT_MIN);
    player.model.play_state = 1;
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, INT_MAX);
}

TEST_F(PlayPause, ResumingFromPauseStartsTheTipTimer)
{
    player_in_list(3, 0, 3, 5000); // the tip timer not running
    run_command(controller, Command::PlayPause);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlayState", "Pause"}, refresh_traffic()})));
    EXPECT_TRUE(state().tip_timer_running);
    EXPECT_EQ(player.model.play_state, 1);
}

TEST_F(PlayPause, PausingLeavesTheTipTimerRunning)
{
    tip_timer_at(60);
    player_in_list(3, 0, 1, 5000);
    run_command(controller, Command::PlayPause);
    EXPECT_TRUE(state().tip_timer_running);
}

TEST_F(PlayPause, WhileStoppedPlaysAndStartsTheTipTimer)
{
    player_in_list(3, 0, 0, 0);
    run_command(controller, Command::PlayPause);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlayState", "Play"}, refresh_traffic()})));
    EXPECT_TRUE(state().tip_timer_running);
}

TEST_F(PlayPause, PlayAndPauseAloneAskFirstAndOnlyChangeWhatNeedsChanging)
{
    // The desktop's media keys: play does nothing while playing, pause
    // nothing unless playing; otherwise each is play/pause with its step back.
    set_back_time(5);
    player_in_list(3, 0, play_state::playing, 12000);
    run_command(controller, Command::Play);
    EXPECT_THAT(player.traffic(), ElementsAre("PlayState"));
    player.clear_log();
    run_command(controller, Command::Pause);
    EXPECT_THAT(player.traffic(), ::testing::IsSupersetOf({"Pause", "JumpTo 7000"}));
    player.clear_log();
    run_command(controller, Command::Pause);
    EXPECT_THAT(player.traffic(), ElementsAre("PlayState"));
    run_command(controller, Command::Play);
    EXPECT_EQ(player.model.play_state, play_state::playing);
}

TEST_F(PlayPause, AJumpWithinTheTipStaysWithinIt)
{
    player_in_list(3, 0, play_state::paused, 12000, 300);
    controller.refresh(); // the tip's length is known from the last refresh
    for (const auto& [to, landed] : {std::pair{-5, 0}, {42000, 42000}, {999999, 300000}}) {
        run_command_with(controller, Command::JumpTo, to);
        EXPECT_EQ(player.model.position_ms, landed) << to;
    }
}

using Zero = ControllerTest;

TEST_F(Zero, WhileStoppedChangesNothing)
{
    zero_at(2000);
    const int recorded = state().history.count();
    player_in_list(3, 1, 0, 9000);
    run_command(controller, Command::Zero);
    EXPECT_THAT(player.traffic(), ElementsAre("PlayState"));
    EXPECT_EQ(state().zero_mark, 2000);
    EXPECT_EQ(state().history.count(), recorded);
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(Zero, MovesTheMarkToThePositionAndRecordsIt)
{
    player_in_list(3, 1, 3, 83999);
    run_command(controller, Command::Zero);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlayState", "Position"}, refresh_traffic()})));
    EXPECT_EQ(state().zero_mark, 83999);
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{1, 83})); // whole seconds
    EXPECT_EQ(view.field(FieldId::Counter), "0:00");
}

TEST_F(Zero, AtTheMarkedPositionRecordsNothing)
{
    zero_at(4000);
    const int recorded = state().history.count();
    player_in_list(3, 0, 1, 4000);
    run_command(controller, Command::Zero);
    EXPECT_THAT(player.traffic(), ElementsAre("PlayState", "Position"));
    EXPECT_EQ(state().history.count(), recorded);
}

TEST_F(Zero, TakesANegativePositionAsZero)
{
    zero_at(1000);
    player_in_list(3, 0, 1, -300);
    run_command(controller, Command::Zero);
    EXPECT_EQ(state().zero_mark, 0);
}

using Skips = ControllerTest;

TEST_F(Skips, RewindJumpsToTheZeroMark)
{
    zero_at(12000);
    player_in_list(3, 0, 3, 50000);
    run_command(controller, Command::Rewind);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"JumpTo 12000"}, refresh_traffic()})));
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(Skips, FiveSecondSkipsSendTheirCommandAndRefresh)
{
    player_in_list(3, 0, 1, 50000);
    run_command(controller, Command::Back5Seconds);
    run_command(controller, Command::Forward5Seconds);
    EXPECT_THAT(
        player.traffic(),
        ElementsAreArray(sequence(
            {{"Back5Seconds"}, refresh_traffic(), {"Forward5Seconds"}, refresh_traffic()})));
    EXPECT_EQ(view.focus_returns, 2);
}

TEST_F(Skips, VolumeKeysSendOnlyTheirCommand)
{
    run_command(controller, Command::VolumeUp);
    run_command(controller, Command::VolumeDown);
    EXPECT_THAT(player.traffic(), ElementsAre("VolumeUp", "VolumeDown"));
    EXPECT_EQ(view.focus_returns, 0);
    EXPECT_TRUE(view.fields.empty());
}

using TipMoves = ControllerTest;

TEST_F(TipMoves, NextTipRecordsWhereTheTipWasLeftAndTheNewTip)
{
    player_in_list(5, 1, 1, 30500);
    run_command(controller, Command::NextTip);
    EXPECT_THAT(
        player.traffic(),
        ElementsAreArray(sequence(
            {{"PlayState", "Position"}, refresh_traffic(), {"NextTrack"}, refresh_traffic()})));
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
    run_command(controller, Command::LastTip);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(
                    sequence({{"PlayState", "Position", "PreviousTrack"}, refresh_traffic()})));
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{2, 0}));
}

using TipTimer = ControllerTest;

TEST_F(TipTimer, ResetLoadsTheFullTipTimeAndHidesStop)
{
    set_tip_time(3);
    run_command(controller, Command::TipTimer);
    EXPECT_EQ(state().tip_seconds_left, 180);
    EXPECT_FALSE(state().tip_timer_running); // starts with the next play
    EXPECT_EQ(view.alarm_picture, false);
    EXPECT_EQ(view.field(FieldId::TipTimer), "3:00");
    EXPECT_EQ(view.focus_returns, 1);
}

TEST_F(TipTimer, PressedWhileCountingFreezesAndPlayContinues)
{
    tip_timer_at(42);
    run_command(controller, Command::TipTimer);
    EXPECT_FALSE(state().tip_timer_running);
    EXPECT_EQ(state().tip_seconds_left, 42);
    EXPECT_FALSE(view.alarm_picture.has_value());

    player_in_list(3, 0, 3, 0);
    run_command(controller, Command::PlayPause); // resume
    EXPECT_TRUE(state().tip_timer_running);
    EXPECT_EQ(state().tip_seconds_left, 42);
}

TEST_F(TipTimer, RunningWithNothingLeftRestartsTheCountAtOnce)
{
    tip_timer_at(0); // running, with a tip time of 0
    set_tip_time(1);
    run_command(controller, Command::TipTimer);
    EXPECT_EQ(state().tip_seconds_left, 60);
    EXPECT_TRUE(state().tip_timer_running);
}

TEST_F(TipTimer, HugeTipTimeSaturates)
{
    set_tip_time(INT_MAX / 10);
    run_command(controller, Command::TipTimer);
    EXPECT_EQ(state().tip_seconds_left, INT_MAX);
}

using GoToTarget = ControllerTest;

TEST_F(GoToTarget, EndsPausedOnTheTargetAtTheTargetSeconds)
{
    player_in_list(5, 0, 1, 1000);
    controller.go_to(2, 83);
    EXPECT_THAT(player.traffic(),
                ElementsAreArray(sequence({{"PlaylistLength", "Stop", "SetPlaylistIndex 2", "Play",
                                            "Pause", "JumpTo 83000"},
                                           refresh_traffic()})));
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(player.model.playlist_index, 2);
    EXPECT_EQ(state().zero_mark, 83000);
    EXPECT_EQ(state().history.count(), 0); // no push
}

TEST_F(GoToTarget, ClampsTheTargetToTheList)
{
    player_in_list(5, 0, 1, 0);
    controller.go_to(7, 0);
    EXPECT_EQ(state().target_tip, 4);
    EXPECT_EQ(state().current_tip, 4);

    controller.go_to(-3, 0);
    EXPECT_EQ(state().target_tip, 0);
}

TEST_F(GoToTarget, AnEmptyListGivesMinusOne)
{
    player_in_list(0, 0, 0, 0);
    controller.go_to(2, 0);
    EXPECT_EQ(state().target_tip, -1);
    EXPECT_THAT(player.traffic(), ::testing::Contains("SetPlaylistIndex -1"));
}

TEST_F(GoToTarget, HugeTargetSecondsSaturate)
{
    player_in_list(5, 0, 1, 0);
    controller.go_to(0, INT_MAX);
    EXPECT_EQ(state().zero_mark, INT_MAX);
    controller.go_to(0, INT_MIN);
    EXPECT_EQ(state().zero_mark, INT_MIN);
    EXPECT_EQ(view.field(FieldId::Counter), "35791:23");
}

using UndoRedo = ControllerTest;

TEST_F(UndoRedo, WithNothingToGoToDoNothing)
{
    run_command(controller, Command::Undo);
    run_command(controller, Command::Redo);
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(view.focus_returns, 0);
}

TEST_F(UndoRedo, GoBackAndForthWithoutRecording)
{
    player_in_list(5, 0, 3, 0);
    zero_at(10000); // records (0, 10 s)
    player.model.playlist_index = 3;
    zero_at(20000); // records (3, 20 s)
    run_command(controller, Command::Undo);
    EXPECT_EQ(player.model.playlist_index, 0);
    EXPECT_EQ(state().zero_mark, 10000);
    EXPECT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.top(), 2);

    run_command(controller, Command::Redo);
    EXPECT_EQ(player.model.playlist_index, 3);
    EXPECT_EQ(state().zero_mark, 20000);
    EXPECT_EQ(state().history.count(), 2);
    EXPECT_EQ(state().history.top(), 2);
}

using Places = ControllerTest;

TEST_F(Places, CopyReadsThePlayerNowAndGoToMovesPausedAndRecords)
{
    player_in_list(3, 1, 1, 83456, 120);
    controller.refresh();
    player.model.position_ms = 84567; // moved on since the last refresh
    run_command(controller, Command::CopyPlace);
    EXPECT_EQ(view.clipboard, "[2 00:01:24.5]");

    // A whole line of a transcript; the place leads to tip 3 at 4.0 s.
    const int recorded = state().history.count();
    EXPECT_EQ(controller.go_to_place("Ann: [3 00:00:04.0] yes", true), "");
    EXPECT_EQ(player.model.playlist_index, 2);
    EXPECT_EQ(player.model.position_ms, 4000);
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(state().zero_mark, 4000);
    EXPECT_EQ(state().history.entry(state().history.count() - 1), (HistoryEntry{2, 4}));
    EXPECT_GT(state().history.count(), recorded);
    run_command(controller, Command::Undo);
    EXPECT_EQ(player.model.playlist_index, 1); // where the tip was left

    // Without a tip: the current one, tenths kept, in one jump (a jump to
    // the whole second first would be heard).
    player.clear_log();
    EXPECT_EQ(controller.go_to_place("Ann said #00:07.5# then", true), "");
    EXPECT_EQ(player.model.position_ms, 7500);
    EXPECT_THAT(player.traffic(), ::testing::Contains(::testing::StartsWith("JumpTo")).Times(1));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Places, OutOfReachOrNoPlaceChangesNothingAndSaysWhy)
{
    player_in_list(3, 1, 3, 5000, 120);
    controller.refresh();
    player.log.clear();
    const struct
    {
        const char* text;
        const char* why;
    } cases[] = {
        {"[4 00:00:01.0]", "Cannot go to tip 4: the playlist has 3 tips"},
        {"0 0:01", "Cannot go to tip 0: the playlist has 3 tips"},
        {"2:01", "Cannot go to 2:01: tip 2 is 2:00 long"},
        {"nothing", "There is no place in \"nothing\" (a place looks like 1:23.4)"},
        // Another tip's length is known once there: the move is undone.
        {"[3 00:02:01.0]", "Cannot go to 2:01: tip 3 is 2:00 long"},
        {"[10000 00:00:01.0]", "Cannot go to tip 10000: the playlist has 3 tips"},
    };
    const int recorded = state().history.count();
    const int mark = state().zero_mark;
    for (const auto& c : cases) {
        EXPECT_EQ(controller.go_to_place(c.text, false), c.why);
        EXPECT_EQ(player.model.position_ms, 5000) << c.text;
        EXPECT_EQ(player.model.playlist_index, 1) << c.text;
        EXPECT_EQ(state().zero_mark, mark) << c.text;
        EXPECT_EQ(state().history.count(), recorded) << c.text;
    }
    EXPECT_TRUE(view.messages.empty()); // not told: the sender says it
    EXPECT_EQ(controller.go_to_place("nothing", true), cases[3].why);
    EXPECT_EQ(view.messages.size(), 1u);

    // Go To Copied Place with no place on the clipboard does nothing at all.
    view.clipboard = "a word";
    run_command(controller, Command::GoToCopiedPlace);
    EXPECT_EQ(view.messages.size(), 1u);
    view.clipboard = "[1 00:00:02.0]";
    run_command(controller, Command::GoToCopiedPlace);
    EXPECT_EQ(player.model.playlist_index, 0);
    EXPECT_EQ(player.model.position_ms, 2000);
    // Go To Place asks; cancelled, nothing moves.
    view.places_asked = {std::string("1:00"), std::nullopt};
    run_command(controller, Command::GoToPlace);
    EXPECT_EQ(player.model.position_ms, 60000);
    run_command(controller, Command::GoToPlace);
    EXPECT_EQ(player.model.position_ms, 60000);
}

using Opening = ControllerTest;

TEST_F(Opening, LoadPlaylistHandsTheListOverAndWaitsPaused)
{
    player.list_lengths["/music/group.m3u"] = 4;
    zero_at(7000); // places to forget, the mark back at 0
    zero_at(0);
    controller.open_playlist("/music/group.m3u");
    EXPECT_THAT(player.traffic(), ElementsAre("Stop", "ClearPlaylist", "hand_over /music/group.m3u",
                                              "Pause", "PlayState", "Position"));
    EXPECT_EQ(view.field(FieldId::Playlist), "/music/group.m3u");
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(state().history.count(), 0);
}

TEST_F(Opening, OpenPlaylistUsesThePlaylistChooser)
{
    view.chosen_files.push_back("/music/a.m3u");
    run_command(controller, Command::OpenPlaylist);
    ASSERT_EQ(view.choosers.size(), 1u);
    EXPECT_EQ(view.choosers[0].mode, FileDialogMode::Open);
    EXPECT_EQ(view.choosers[0].filter, "Playlist files (*.m3u)|*.m3u|All playlists "
                                       "(*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||");
    EXPECT_EQ(view.choosers[0].default_extension, "");
    EXPECT_EQ(state().playlist_path, "/music/a.m3u");
    EXPECT_EQ(player.model.loaded, "/music/a.m3u");
}

TEST_F(Opening, CancelledChoosersChangeNothing)
{
    controller.open_playlist("/music/old.m3u");
    player.clear_log();
    view.clear();
    run_command(controller, Command::OpenPlaylist);
    run_command(controller, Command::OpenMusicFile);
    EXPECT_EQ(state().playlist_path, "/music/old.m3u");
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(view.focus_returns, 0);
    ASSERT_EQ(view.choosers.size(), 2u);
    EXPECT_EQ(view.choosers[1].filter, "Music files (*.mp3,*.wav)|*.mp3;*.wav||");
}

TEST_F(Opening, MusicFileBecomesAListOfOnePausedAtTheStart)
{
    controller.open_playlist("/music/group.m3u");
    zero_at(5000);
    view.chosen_files.push_back("/music/talk.wav");
    run_command(controller, Command::OpenMusicFile);
    EXPECT_THAT(player.traffic(),
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
