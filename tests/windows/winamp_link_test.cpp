#include <algorithm>
#include <climits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control/run/command_bodies.h"
#include "control/run/controller.h"
#include "control/session/session.h"
#include "files/command_line.h"
#include "files/place_journal_format.h"
#include "files/playlist_format.h"
#include "files/settings_format.h"
#include "files/tape_group_format.h"
#include "player/winamp/winamp_backend.h"
#include "standin.h"
#include "support/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/transport_scenarios.h"
#include "system/windows_system.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;

class SameMessagesAsTheFake : public ::testing::TestWithParam<TransportScenario>
{
};

TEST_P(SameMessagesAsTheFake, OnTheWindowsPlayer)
{
    const TransportScenario& scenario = GetParam();

    FakeView fake_view;
    FakeSystem fake_system;
    FakePlayerBackend fake;
    fake.model = scenario.model;
    Controller on_fake(fake_view, fake, fake_system);
    on_fake.connect_player();
    scenario.run(on_fake);

    StandIn standin(scenario.model, scenario.name);
    ASSERT_TRUE(standin.running());
    FakeView view;
    FakeSystem system;
    WinampBackend winamp;
    Controller on_windows(view, winamp, system);
    on_windows.connect_player();
    scenario.run(on_windows);

    const auto expected = window_message_traffic(fake.log);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(standin.log(), expected);
    EXPECT_EQ(view.fields, fake_view.fields);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameMessagesAsTheFake,
                         ::testing::ValuesIn(transport_scenarios()),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(WindowsPlayer, ARunningPlayerIsFoundAndItsCaptionShown)
{
    StandIn standin({3, 5, 1, 12000, 185, 50, "2. test - Winamp", ""});
    ASSERT_TRUE(standin.running());
    FakeView view;
    FakeSystem system;
    WinampBackend winamp;
    Controller controller(view, winamp, system);
    controller.connect_player();
    EXPECT_TRUE(view.player_looks.empty()); // found at once, nothing started
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Playing), "2 of 5   2. test - Winamp");
    EXPECT_EQ(view.field(FieldId::TipLength), "3:05");
}

TEST(WindowsPlayer, AClosedPlayerReadsAsNone)
{
    StandIn standin({3, 5, 1, 12000, 185, 50, "2. test - Winamp", ""});
    FakeView view;
    FakeSystem system;
    WinampBackend winamp;
    Controller controller(view, winamp, system);
    controller.connect_player();
    winamp.close();
    ASSERT_TRUE(standin.wait_for_exit());
    EXPECT_FALSE(controller.player_connected());
    EXPECT_EQ(winamp.request(PlayerRequest::PlaylistLength, 0), std::nullopt);
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::Playing), "1 of 0   ");
}

TEST(WindowsPlayer, AHungPlayerCostsOneWaitAndIsAskedAgainOnceItAnswers)
{
    StandIn standin({3, 5, 1, 12000, 185, 50, "2. test - Winamp", ""});
    WinampBackend winamp;
    ASSERT_TRUE(winamp.find());
    // Sent, not posted: sent messages come first, in order, so it hangs before the request.
    SendNotifyMessageA(FindWindowA(WinampBackend::window_class, nullptr), WM_APP, 2000, 0);
    EXPECT_EQ(winamp.request(PlayerRequest::PlaylistLength, 0), std::nullopt); // timed out
    EXPECT_TRUE(winamp.unresponsive());
    EXPECT_EQ(winamp.request(PlayerRequest::PlaylistIndex, 0), std::nullopt); // not asked
    ASSERT_TRUE(eventually([&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        return !winamp.unresponsive();
    }));
    EXPECT_EQ(winamp.request(PlayerRequest::PlaylistLength, 0), 5);
    const auto log = standin.log();
    EXPECT_THAT(log, ::testing::Not(::testing::Contains("PlaylistIndex")));
    EXPECT_EQ(log.back(), "PlaylistLength");
}

TEST(WindowsPlayer, TheLoopThePlayerLacksIsKeptInsideItsStretch)
{
    // L, L on a player that plays on in real time; the window's ticks while
    // it plays look at it every 50 ms.
    StandIn standin({1, 5, 1, 10000, 185, 50, "2. test - Winamp", ""}, "loop", true);
    FakeView view;
    FakeSystem system;
    WinampBackend winamp;
    Controller controller(view, winamp, system);
    controller.connect_player();
    run_command(controller, Command::Loop);
    Sleep(400);
    run_command(controller, Command::Loop);
    const auto loop = controller.state().loop;
    ASSERT_TRUE(loop && loop->end_ms);
    std::vector<int> jumped_from;
    int lowest = INT_MAX;
    for (int look = 0; look < 200 && jumped_from.size() < 11; ++look) {
        Sleep(50);
        controller.follow_player();
        lowest = std::min(lowest, controller.state().position);
        jumped_from.clear();
        for (const std::string& line : standin.log()) {
            if (line.rfind("from ", 0) == 0)
                jumped_from.push_back(std::stoi(line.substr(5)));
        }
    }
    // The first jump is the second L's, to the start; ten rounds follow.
    ASSERT_EQ(jumped_from.size(), 11u);
    for (std::size_t round = 1; round < jumped_from.size(); ++round) {
        EXPECT_GE(jumped_from[round], *loop->end_ms) << "round " << round;
        EXPECT_LE(jumped_from[round], *loop->end_ms + 150) << "round " << round;
    }
    EXPECT_GE(lowest, loop->start_ms);
}

TEST(WindowsPlayer, WhileItPlaysTheTickIsShortAndEachLookPastTheLoopsEndSendsItBack)
{
    // Given Winamp playing on in real time: the window's tick follows it at
    // the short period, and a loop kept by those looks is sent back by the
    // first look that finds the place past the stretch's end, never shown
    // there; paused, the tick is a second's.
    StandIn standin({1, 5, 1, 10000, 185, 50, "2. test - Winamp", ""}, "following", true);
    ASSERT_TRUE(standin.running());
    FakeSystem system;
    WinampBackend winamp;
    Session session(winamp, system, [](const std::function<void()>&) {});
    Controller& controller = session.controller();
    controller.connect_player();
    controller.refresh();
    EXPECT_EQ(session.tick_period_ms(), Session::following_period_ms);

    run_command(controller, Command::Loop);
    const int start = controller.state().position;
    ASSERT_TRUE(eventually([&] {
        session.tick();
        return controller.state().position >= start + 300;
    }));
    run_command(controller, Command::Loop);
    const auto loop = controller.state().loop;
    ASSERT_TRUE(loop && loop->end_ms);
    const auto rounds = [&] {
        const auto log = standin.log();
        return std::count_if(log.begin(), log.end(),
                             [](const std::string& line) { return line.rfind("from ", 0) == 0; });
    };
    // The first jump is the second L's, to the start; three rounds follow.
    std::vector<int> periods;
    std::vector<int> shown_past_end;
    ASSERT_TRUE(eventually([&] {
        session.tick();
        periods.push_back(session.tick_period_ms());
        if (controller.state().position >= *loop->end_ms)
            shown_past_end.push_back(controller.state().position);
        return rounds() >= 4;
    }));
    EXPECT_THAT(periods, ::testing::Each(Session::following_period_ms));
    EXPECT_THAT(shown_past_end, ::testing::IsEmpty());

    run_command(controller, Command::PlayPause);
    session.tick();
    EXPECT_EQ(session.tick_period_ms(), Session::second_ms);
}

TEST(WindowsPlayer, AMissingPlayerGivesTheMessageNamingItsPath)
{
    FakeView view;
    FakeSystem system;
    WinampBackend winamp;
    Controller controller(view, winamp, system);
    controller.connect_player();
    EXPECT_THAT(view.messages,
                ElementsAre("Cannot find Winamp\n(c:\\program files\\winamp\\winamp.exe)"));
}

TEST(WindowsSystem, ExpandsShortAndMiscasedPathsOnARealTree)
{
    WindowsSystem system;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "cuedeck long path test\\";
    const std::string folder = root + "Tape Groups of 1974\\";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string file = folder + "Harbour Interviews.grp";
    ASSERT_TRUE(system.replace_file(file, "x\n1\n0:00\n"));

    char short_path[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameA(file.c_str(), short_path, MAX_PATH), 0u);
    EXPECT_EQ(expand_long_path(short_path, system), file);
    std::string upper = file;
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const auto from_upper = tape_group_from_command_line("cuedeck.exe " + upper, system);
    ASSERT_TRUE(from_upper);
    const std::string stored_end = "\\Tape Groups of 1974\\Harbour Interviews.grp";
    EXPECT_EQ(from_upper->substr(from_upper->size() - stored_end.size()), stored_end);
    EXPECT_EQ(tape_group_from_command_line("\"c:\\x\\cuedeck.exe\" \"" + file + "\"", system),
              file);
    // A folder lists its names as stored, without its own two.
    EXPECT_EQ(system.folder_entries(root), std::vector<std::string>{"Tape Groups of 1974"});
    EXPECT_FALSE(system.folder_entries(root + "none\\"));

    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    RemoveDirectoryA(root.c_str());
}

TEST(WindowsSystem, WritesTextWithWindowsLineEndsAndReplacesWhole)
{
    WindowsSystem system;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "cuedeck-replace.grp";
    ASSERT_TRUE(system.replace_file(file, "a much longer first version\n1\n0:00\n"));
    ASSERT_TRUE(system.replace_file(file, "b\n2\n0:01\n"));
    EXPECT_EQ(system.read_file(file), "b\r\n2\r\n0:01\r\n");
    EXPECT_FALSE(system.replace_file(std::string(temp) + "no such folder\\x.grp", "x"));

    // Every file Cuedeck writes reads back as it was, through the same calls.
    const auto round_trip = [&](const std::string& text) {
        EXPECT_TRUE(system.replace_file(file, text));
        return system.read_file(file).value_or("");
    };
    const JournalPlace place{"1.2", "c:\\g\\b.grp", "c:\\g\\b.m3u", 1, 2000, 4000, 1765290720};
    EXPECT_EQ(parse_journal(round_trip(format_journal(place))), place);
    SettingsText settings = default_settings();
    settings.settings.back_time = 3;
    SettingsText read = default_settings();
    parse_settings(round_trip(format_settings(settings)), read);
    EXPECT_EQ(read, settings);
    const TapeGroupPlace group =
        parse_tape_group(round_trip(format_tape_group("c:\\g\\b.m3u", 1, 65)));
    EXPECT_EQ(group.playlist_path, "c:\\g\\b.m3u");
    EXPECT_EQ(group.tip_line, 2);
    EXPECT_EQ(group.seconds, 65);
    const PlaylistContents list =
        parse_playlist(round_trip(*format_playlist({"c:\\g\\a.wav", "c:\\g\\b.wav"})), false);
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[1].target, "c:\\g\\b.wav");
    DeleteFileA(file.c_str());
}

TEST(WindowsSystem, SettingsLiveInAppDataUnlessAPortableMarkerIsBesideTheProgram)
{
    WindowsSystem system;
    char appdata[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("APPDATA", appdata, MAX_PATH), 0u);
    EXPECT_EQ(system.settings_directory(), std::string(appdata) + "\\Cuedeck\\");
    const std::string marker = program_folder() + WindowsSystem::portable_marker;
    ASSERT_TRUE(system.replace_file(marker, ""));
    EXPECT_EQ(system.settings_directory(), "");
    DeleteFileA(marker.c_str());
}

TEST(WindowsSystem, QuotesTheAlarmPath)
{
    EXPECT_EQ(WindowsSystem::alarm_command("C:\\My Sounds\\bell.wav"),
              "c:/windows/rundll32 amovie.ocx,RunDll /play /close \"C:\\My Sounds\\bell.wav\"");
}

TEST(WindowsSystem, TheExeDirectoryKeepsItsBackslash)
{
    WindowsSystem system;
    FakeView view;
    FakePlayerBackend player;
    Controller controller(view, player, system);
    controller.find_exe_directory();
    EXPECT_EQ(controller.state().exe_directory, program_folder());
}

} // namespace
} // namespace cuedeck::testing
