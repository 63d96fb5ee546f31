#include "control/run/command_bodies.h"
#include "mpv_fixture.h"
#include "support/comma_locale.h"
#include "support/transport_scenarios.h"

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

TEST_F(MpvControllerTest, ThePlayersNullOutputIsNamedBelowTheSoundState)
{
    // The test's mpv plays into --ao=null, as one without a sound device does.
    load_playlist();
    run_command(controller, Command::PlayPause);
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Speed), "No sound device");
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

TEST_F(MpvControllerTest, PauseNearTheStartStepsBackToZeroNotBelow)
{
    load_playlist();
    go_to(1, 3);
    set_back_time(5);
    run_command(controller, Command::PlayPause);
    run_command(controller, Command::PlayPause);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(0.0, 0.05));
}

TEST_F(MpvControllerTest, ZeroMarksAndRewindReturns)
{
    load_playlist();
    go_to(1, 2);
    const int recorded = state().history.count();
    run_command(controller, Command::Forward5Seconds);
    EXPECT_THAT(position(), DoubleNear(7.0, 0.2));
    run_command(controller, Command::Zero);
    EXPECT_EQ(state().zero_mark, 7000);
    EXPECT_EQ(state().history.count(), recorded + 1);
    run_command(controller, Command::Back5Seconds);
    EXPECT_THAT(position(), DoubleNear(2.0, 0.2));
    EXPECT_EQ(view.field(FieldId::Counter), "-0:05");
    run_command(controller, Command::Rewind);
    EXPECT_THAT(position(), DoubleNear(state().zero_mark / 1000.0, 0.05));
    EXPECT_TRUE(paused());
}

TEST_F(MpvControllerTest, NextAndLastTipWhilePausedStayPaused)
{
    load_playlist();
    go_to(1, 4);
    const int recorded = state().history.count();
    run_command(controller, Command::NextTip);
    EXPECT_EQ(index(), 2);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(0.0, 0.1));
    // The mark had not moved, so only the new tip is recorded.
    ASSERT_EQ(state().history.count(), recorded + 1);
    EXPECT_EQ(state().history.entry(recorded), (HistoryEntry{2, 0}));
    run_command(controller, Command::LastTip);
    EXPECT_EQ(index(), 1);
    EXPECT_TRUE(paused());
}

TEST_F(MpvControllerTest, UndoReturnsToTheRecordedPlace)
{
    load_playlist();
    go_to(0, 3);
    run_command(controller, Command::Forward5Seconds);
    run_command(controller, Command::Zero);    // records (0, 8 s)
    run_command(controller, Command::NextTip); // records (1, 0 s)
    run_command(controller, Command::Undo);
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(paused());
    EXPECT_EQ(state().zero_mark, 8000);
    EXPECT_THAT(position(), DoubleNear(8.0, 0.05));
    run_command(controller, Command::Redo);
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

TEST_F(MpvControllerTest, ANameHoldingTheStatusSeparatorIsStillReadWhole)
{
    // The status asks everything in one text whose values a control
    // character separates; a name with that character is asked by itself.
    const std::string odd = dir.path() + "odd\x1f" + "name.wav";
    std::filesystem::copy_file(recordings.tracks[0], odd);
    controller.open_music_file(odd);
    const auto status = backend.status();
    ASSERT_TRUE(status);
    EXPECT_EQ(status->file, odd);
    EXPECT_EQ(status->playlist_length, 1);
    EXPECT_EQ(status->play_state, play_state::paused);
    EXPECT_THAT(status->caption, HasSubstr("name.wav - mpv"));
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
    run_command(controller, Command::PlayPause);
    ASSERT_TRUE(probe->wait_for_number("playlist-pos", 1)) << "mpv did not move on";
    controller.tick();
    EXPECT_EQ(state().current_tip, 1);
    EXPECT_EQ(state().zero_mark, 0);
    const auto& history = state().history;
    EXPECT_EQ(history.entry(history.count() - 1), (HistoryEntry{1, 0}));
}

TEST_F(MpvControllerTest, WhatThePlayerTellsReachesTheWindowWithNothingAsked)
{
    load_playlist();
    go_to(1, 1);
    controller.refresh();          // what the go-to changed is asked once
    ASSERT_TRUE(probe->seek(3.5)); // another program moves the player
    // Told to every client: the controller's link has heard the new place.
    ASSERT_TRUE(eventually([&] {
        const auto told = backend.told_position();
        return told && std::abs(*told - 3500) < 100;
    }));
    // Stopped, mpv answers nothing: what shows now is what it told.
    mpv.signal(SIGSTOP);
    controller.refresh();
    const auto told = backend.status();
    mpv.signal(SIGCONT);
    EXPECT_EQ(view.field(FieldId::Position), "0:03");
    EXPECT_EQ(view.field(FieldId::Counter), "0:02");
    EXPECT_EQ(view.field(FieldId::Playing), "2 of 3   2. two and blanks.wav - mpv");
    ASSERT_TRUE(told);
    EXPECT_EQ(told->play_state, play_state::paused);

    // Stopped by the user, mpv tells the entry it keeps.
    backend.command(PlayerCommand::Stop);
    controller.refresh(); // what the stop changed is asked once
    // Told to every client: mpv's events after the stop have come in, the
    // entry it left (-1) first, then the one it keeps.
    const std::string kept = "2 of 3   2. two and blanks.wav - mpv";
    eventually([&] {
        controller.refresh();
        return view.field(FieldId::Playing) == kept && view.field(FieldId::Position) == "0:00";
    });
    mpv.signal(SIGSTOP);
    controller.refresh();
    mpv.signal(SIGCONT);
    EXPECT_EQ(view.field(FieldId::Playing), kept);
    EXPECT_EQ(view.field(FieldId::Position), "0:00");
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

TEST_F(MpvControllerTest, ARecordingThatCannotBePlayedIsShownWhereItIs)
{
    // mpv passes over what it cannot play to the next entry by itself.
    const std::string header = std::filesystem::path(recordings.tracks[0]).string();
    std::string list;
    for (const auto& [name, bytes] : {std::pair{"empty.wav", std::string()},
                                      std::pair{"noise.mp3", std::string(30000, '\x5a')}}) {
        list += dir.write(name, bytes) + "\n";
    }
    controller.open_playlist(dir.write("bad.m3u", list + recordings.tracks[1] + "\n"));
    EXPECT_EQ(index(), 0);
    EXPECT_EQ(state().current_tip, 0);
    controller.tick();
    EXPECT_THAT(view.field(FieldId::Playing), HasSubstr("empty.wav cannot be played"));
    run_command(controller, Command::NextTip);
    EXPECT_EQ(index(), 1);
    EXPECT_THAT(view.field(FieldId::Playing), HasSubstr("noise.mp3 cannot be played"));
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(index(), 1) << "play moved on from a tip that cannot be played";
    EXPECT_THAT(controller.go_to_place("[1 00:00:01.0]", false), HasSubstr("empty.wav"));
    EXPECT_EQ(index(), 1);
    EXPECT_EQ(controller.go_to_place("[3 00:00:02.0]", false), "");
    EXPECT_THAT(position(), DoubleNear(2.0, 0.1));
    run_command(controller, Command::LastTip);
    EXPECT_EQ(index(), 1);
    EXPECT_EQ(state().current_tip, 1);
    // Mended on disk (a copy that had not ended), it plays.
    std::filesystem::copy_file(recordings.tracks[0], dir.path() + "empty.wav",
                               std::filesystem::copy_options::overwrite_existing);
    go_to(0, 0);
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(index(), 0);
    EXPECT_TRUE(playing());
}

TEST_F(MpvControllerTest, ARecordingCutShortIsLeftAtItsRealEnd)
{
    // Its header says 12 s; the bytes hold about 5.
    const std::string mp3 = dir.path() + "cut.mp3";
    ASSERT_EQ(
        std::system(
            ("ffmpeg -loglevel error -f lavfi -i sine=duration=12 -b:a 64k '" + mp3 + "'").c_str()),
        0);
    std::filesystem::resize_file(mp3, 40000);
    controller.open_playlist(dir.write("cut.m3u", mp3 + "\n" + recordings.tracks[1] + "\n"));
    controller.refresh();
    ASSERT_EQ(state().tip_length, 12);
    const std::string refused = controller.go_to_place("[1 00:00:10.0]", false);
    EXPECT_THAT(refused, HasSubstr("is cut short at 0:04"));
    EXPECT_EQ(index(), 0);
    EXPECT_THAT(position(), DoubleNear(0.0, 0.1));
    EXPECT_EQ(state().tip_length, 4);
    go_to(0, 3);
    run_command(controller, Command::Forward5Seconds);
    EXPECT_EQ(index(), 0) << "a jump past the real end went on to the next tip";
    EXPECT_THAT(position(), DoubleNear(4.75, 0.25));
    EXPECT_EQ(state().zero_mark, 3000);
}

TEST_F(MpvControllerTest, VolumeKeysChangeOnlyTheVolume)
{
    load_playlist();
    go_to(0, 2);
    const double before = probe->number("volume");
    run_command(controller, Command::VolumeDown);
    EXPECT_EQ(probe->number("volume"), before - MpvBackend::volume_step);
    run_command(controller, Command::VolumeUp);
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

    run_command(controller, Command::Forward5Seconds);
    EXPECT_THAT(position(), DoubleNear(8.0, 0.2));
    run_command(controller, Command::Zero);
    EXPECT_EQ(state().zero_mark, 8000);
    run_command(controller, Command::Back5Seconds);
    EXPECT_THAT(position(), DoubleNear(3.0, 0.2));
    run_command(controller, Command::Rewind);
    EXPECT_THAT(position(), DoubleNear(8.0, 0.05));

    set_back_time(2);
    run_command(controller, Command::PlayPause);
    EXPECT_TRUE(playing());
    run_command(controller, Command::PlayPause);
    EXPECT_TRUE(paused());
    EXPECT_THAT(position(), DoubleNear(6.0, 0.5));

    run_command(controller, Command::NextTip);
    EXPECT_EQ(index(), 2);
    run_command(controller, Command::LastTip);
    EXPECT_EQ(index(), 1);
    run_command(controller, Command::Undo);
    EXPECT_EQ(index(), 2);
    run_command(controller, Command::Undo); // where next tip zeroed the paused place
    EXPECT_EQ(index(), 1);
    EXPECT_THAT(position(), DoubleNear(state().zero_mark / 1000.0, 0.05));

    const double volume = probe->number("volume");
    run_command(controller, Command::VolumeDown);
    EXPECT_EQ(probe->number("volume"), volume - MpvBackend::volume_step);
    EXPECT_EQ(view.field(FieldId::Counter), "0:00");
}

/// Where a run stands after a scenario, as a player and the controller tell it.
struct Outcome
{
    int tip;
    bool playing;
    double position_s;
    int zero_mark;
    int recorded; ///< places the history gained
    bool tip_timer_running;
    int tip_seconds_left;
};

Outcome outcome_of(const Controller& controller, int recorded_before, int tip, bool playing,
                   double position_s)
{
    const RunState& state = controller.state();
    return {tip,
            playing,
            position_s,
            state.zero_mark,
            state.history.count() - recorded_before,
            state.tip_timer_running,
            state.tip_seconds_left};
}

class SameOutcomeAsTheFake : public MpvControllerTest,
                             public ::testing::WithParamInterface<TransportScenario>
{
};

// Each scenario of the transport table from the same place, once against the
// fake player and once against mpv: the same tip, play state, place, mark,
// history and tip timer. mpv plays on in real time, so places may differ by
// what a playing scenario takes.
TEST_P(SameOutcomeAsTheFake, FromTheSamePlace)
{
    const TransportScenario& scenario = GetParam();
    const int tip = scenario.model.playlist_index;
    const int seconds = scenario.model.position_ms / 1000;
    const bool starts_playing = scenario.model.play_state == play_state::playing;

    FakePlayerBackend fake;
    fake.model = scenario.model;
    FakeView fake_view;
    FakeSystem fake_system;
    Controller on_fake(fake_view, fake, fake_system);
    on_fake.connect_player();
    on_fake.go_to(tip, seconds);
    fake.model.play_state = scenario.model.play_state;
    const int fake_recorded = on_fake.state().history.count();
    scenario.run(on_fake);
    const Outcome expected =
        outcome_of(on_fake, fake_recorded, fake.model.playlist_index,
                   fake.model.play_state == play_state::playing, fake.model.position_ms / 1000.0);

    load_playlist();
    go_to(tip, seconds);
    if (starts_playing) {
        ASSERT_TRUE(probe->set_flag("pause", false));
    }
    const int recorded = state().history.count();
    scenario.run(controller);
    const Outcome seen = outcome_of(controller, recorded, int(index()), playing(), position());

    EXPECT_EQ(seen.tip, expected.tip);
    EXPECT_EQ(seen.playing, expected.playing);
    const double drift = starts_playing ? 0.8 : 0.2;
    EXPECT_THAT(seen.position_s, DoubleNear(expected.position_s, drift));
    EXPECT_NEAR(seen.zero_mark, expected.zero_mark, drift * 1000);
    // While mpv plays, whether a tip move finds the player already on the
    // new tip depends on the machine's load: the places recorded are
    // compared from a paused start only.
    if (!starts_playing) {
        EXPECT_EQ(seen.recorded, expected.recorded);
    }
    EXPECT_EQ(seen.tip_timer_running, expected.tip_timer_running);
    EXPECT_EQ(seen.tip_seconds_left, expected.tip_seconds_left);
}

std::vector<TransportScenario> scenarios_mpv_can_start_in()
{
    // A stopped mpv has no list at all: the stopped start is the fake's and
    // the Windows player's alone.
    std::vector<TransportScenario> scenarios = transport_scenarios();
    std::erase_if(scenarios, [](const TransportScenario& scenario) {
        return scenario.model.play_state == play_state::stopped;
    });
    return scenarios;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameOutcomeAsTheFake,
                         ::testing::ValuesIn(scenarios_mpv_can_start_in()),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace cuedeck::testing
