#include "mpv_fixture.h"
#include "support/comma_locale.h"

namespace cuedeck::testing {
namespace {

using ::testing::DoubleNear;
using ::testing::HasSubstr;

TEST_F(MpvControllerTest, LoadPlaylistWaitsPausedOnTheFirstTipAtTheStart)
{
    load_playlist();
    EXPECT_EQ(probe->number("playlist-count"), 3);
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(0.0, 0.1));
    EXPECT_EQ(view.field(FieldId::Playlist), recordings.playlist);
}

TEST_F(MpvControllerTest, GoToTargetWaitsPausedOnTheTipAtTheSeconds)
{
    load_playlist();
    go_to(2, 3);
    EXPECT_EQ(index(), 2);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(3.0, 0.1));
    EXPECT_EQ(state().zero_mark, 3000);
    EXPECT_EQ(view.field(FieldId::Playing), "3 of 3   3. three.wav - mpv");
    EXPECT_EQ(view.field(FieldId::TipLength), "0:12");
    EXPECT_EQ(view.field(FieldId::Counter), "0:00");
}

TEST_F(MpvControllerTest, GoToTargetClampsToTheList)
{
    load_playlist();
    go_to(7, 0);
    EXPECT_EQ(index(), 2);
    EXPECT_EQ(state().current_tip, 2);
}

TEST_F(MpvControllerTest, PlayThenPauseStepsBackByTheBackTime)
{
    load_playlist();
    go_to(0, 6);
    set_back_time(2);
    controller.play_pause();
    EXPECT_TRUE(playing());
    EXPECT_TRUE(state().tip_timer_running);
    controller.play_pause();
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(4.0, 0.5));
}

TEST_F(MpvControllerTest, PauseNearTheStartStepsBackToZeroNotBelow)
{
    load_playlist();
    go_to(1, 3);
    set_back_time(5);
    controller.play_pause();
    controller.play_pause();
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(0.0, 0.05));
}

TEST_F(MpvControllerTest, ZeroMarksAndRewindReturns)
{
    load_playlist();
    go_to(1, 2);
    const int recorded = state().history.count();
    controller.forward_5_seconds();
    EXPECT_THAT(position(), DoubleNear(7.0, 0.2));
    controller.zero();
    EXPECT_EQ(state().zero_mark, 7000);
    EXPECT_EQ(state().history.count(), recorded + 1);
    controller.back_5_seconds();
    EXPECT_THAT(position(), DoubleNear(2.0, 0.2));
    EXPECT_EQ(view.field(FieldId::Counter), "-0:05");
    controller.rewind();
    EXPECT_THAT(position(), DoubleNear(state().zero_mark / 1000.0, 0.05));
    EXPECT_TRUE(paused());
}

TEST_F(MpvControllerTest, NextAndLastTipWhilePlaying)
{
    load_playlist();
    go_to(0, 0);
    controller.play_pause();
    controller.next_tip();
    EXPECT_EQ(index(), 1);
    EXPECT_TRUE(playing());
    EXPECT_EQ(state().zero_mark, 0);
    controller.last_tip();
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(playing());
    EXPECT_EQ(state().current_tip, 0);
}

TEST_F(MpvControllerTest, NextAndLastTipWhilePausedStayPaused)
{
    load_playlist();
    go_to(1, 4);
    const int recorded = state().history.count();
    controller.next_tip();
    EXPECT_EQ(index(), 2);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(0.0, 0.1));
    // The mark had not moved, so only the new tip is recorded.
    ASSERT_EQ(state().history.count(), recorded + 1);
    EXPECT_EQ(state().history.entry(recorded), (HistoryEntry{2, 0}));
    controller.last_tip();
    EXPECT_EQ(index(), 1);
    EXPECT_TRUE(paused());
}

TEST_F(MpvControllerTest, UndoReturnsToTheRecordedPlace)
{
    load_playlist();
    go_to(0, 3);
    controller.forward_5_seconds();
    controller.zero();     // records (0, 8 s)
    controller.next_tip(); // records (1, 0 s)
    controller.undo();
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(paused());
    EXPECT_EQ(state().zero_mark, 8000);
    EXPECT_THAT(position(), DoubleNear(8.0, 0.05));
    controller.redo();
    EXPECT_EQ(index(), 1);
    EXPECT_EQ(state().zero_mark, 0);
}

TEST_F(MpvControllerTest, OpenMusicFileMakesAListOfOnePausedAtTheStart)
{
    load_playlist();
    go_to(2, 5);
    controller.open_music_file(recordings.tracks[1]); // a path with blanks
    EXPECT_EQ(probe->number("playlist-count"), 1);
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(0.0, 0.1));
    EXPECT_EQ(state().playlist_path, "");
    EXPECT_THAT(view.field(FieldId::Playing), HasSubstr("two and blanks.wav"));
}

TEST_F(MpvControllerTest, LoadingAgainReplacesTheList)
{
    load_playlist();
    controller.open_music_file(recordings.tracks[0]);
    load_playlist();
    EXPECT_EQ(probe->number("playlist-count"), 3);
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(paused());
}

TEST_F(MpvControllerTest, ThePlayerMovingOnByItselfIsNoticedByTheTick)
{
    load_playlist();
    go_to(0, 11);
    controller.play_pause();
    ASSERT_TRUE(probe->wait_for_number("playlist-pos", 1)) << "mpv did not move on";
    controller.tick();
    EXPECT_EQ(state().current_tip, 1);
    EXPECT_EQ(state().zero_mark, 0);
    const auto& history = state().history;
    EXPECT_EQ(history.entry(history.count() - 1), (HistoryEntry{1, 0}));
}

TEST_F(MpvControllerTest, StoppedPlayerKeepsItsCurrentEntryAndCaption)
{
    load_playlist();
    go_to(1, 0);
    backend.command(PlayerCommand::Stop);
    EXPECT_EQ(backend.request(PlayerRequest::PlayState, 0), play_state::stopped);
    EXPECT_EQ(backend.request(PlayerRequest::PlaylistIndex, 0), 1);
    EXPECT_EQ(backend.caption(), "2. two and blanks.wav - mpv");
    backend.command(PlayerCommand::Play);
    EXPECT_EQ(index(), 1);
    EXPECT_TRUE(playing());
}

TEST_F(MpvControllerTest, VolumeKeysChangeOnlyTheVolume)
{
    load_playlist();
    go_to(0, 2);
    const double before = probe->number("volume");
    controller.volume_down();
    EXPECT_EQ(probe->number("volume"), before - MpvBackend::volume_step);
    controller.volume_up();
    EXPECT_EQ(probe->number("volume"), before);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(2.0, 0.05));
}

TEST_F(MpvControllerTest, ResumingAndEveryTransportKeyWorkUnderACommaDecimalLocale)
{
    CommaDecimalLocale german;
    ASSERT_TRUE(german.active()) << "de_DE.UTF-8 is not installed";
    system.files["/g/resume.grp"] = recordings.playlist + "\n2\n0:03\n";
    controller.open_tape_group("/g/resume.grp");
    EXPECT_EQ(index(), 1);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(3.0, 0.05));

    controller.forward_5_seconds();
    EXPECT_THAT(position(), DoubleNear(8.0, 0.2));
    controller.zero();
    EXPECT_EQ(state().zero_mark, 8000);
    controller.back_5_seconds();
    EXPECT_THAT(position(), DoubleNear(3.0, 0.2));
    controller.rewind();
    EXPECT_THAT(position(), DoubleNear(8.0, 0.05));

    set_back_time(2);
    controller.play_pause();
    EXPECT_TRUE(playing());
    controller.play_pause();
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(6.0, 0.5));

    controller.next_tip();
    EXPECT_EQ(index(), 2);
    controller.last_tip();
    EXPECT_EQ(index(), 1);
    controller.undo();
    EXPECT_EQ(index(), 2);
    controller.undo(); // where next tip zeroed the paused place
    EXPECT_EQ(index(), 1);
    EXPECT_THAT(position(), DoubleNear(state().zero_mark / 1000.0, 0.05));

    const double volume = probe->number("volume");
    controller.volume_down();
    EXPECT_EQ(probe->number("volume"), volume - MpvBackend::volume_step);
    EXPECT_EQ(view.field(FieldId::Counter), "0:00");
}

} // namespace
} // namespace cuedeck::testing
