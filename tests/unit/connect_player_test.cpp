#include "base/translation.h"
#include "control/run/command_bodies.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;

class ConnectPlayer : public ::testing::Test
{
protected:
    FakeView view;
    FakePlayerBackend player;
    FakeSystem system;
    Controller controller{view, player, system};
};

TEST_F(ConnectPlayer, ARunningPlayerIsUsedWithoutStartingOrWaiting)
{
    player.running = true;
    controller.connect_player();
    EXPECT_THAT(player.log, ElementsAre("find"));
    EXPECT_TRUE(view.player_looks.empty());
    EXPECT_TRUE(controller.player_connected());
}

TEST_F(ConnectPlayer, AStartThatFailsShowsExactlyOneMessageInARun)
{
    player.running = false;
    player.start_succeeds = false;
    controller.connect_player();
    run_command(controller, Command::NextTip); // a key looks again, silently
    EXPECT_THAT(player.log, ElementsAre("find", "start", "find", "start"));
    EXPECT_THAT(view.messages, ElementsAre("Cannot find Fake Player\n(fake/player)"));
    EXPECT_FALSE(controller.player_connected());
}

TEST_F(ConnectPlayer, AStartedPlayerIsLookedForUntilItAppears)
{
    player.running = false;
    player.appears_after_looks = 3;
    controller.connect_player();
    EXPECT_FALSE(controller.player_connected()); // the window is not held meanwhile
    run_command(controller, Command::NextTip);   // nor started twice by a key
    while (!view.player_looks.empty() && !controller.player_connected() &&
           view.player_looks.size() < 200)
        controller.look_for_player();
    EXPECT_THAT(player.log, ElementsAre("find", "start", "find", "find", "find", "find"));
    EXPECT_EQ(view.player_looks, std::vector<int>(3, 100));
    EXPECT_TRUE(controller.player_connected());
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(ConnectPlayer, AStartedPlayerThatNeverAppearsIsGivenUpWithANotice)
{
    player.running = false;
    controller.connect_player();
    for (int look = 0; look < 200; ++look)
        controller.look_for_player();
    // One look before the start, then 100 looks 100 ms apart.
    EXPECT_EQ(std::count(player.log.begin(), player.log.end(), "find"), 101);
    EXPECT_EQ(view.player_looks, std::vector<int>(100, 100));
    EXPECT_EQ(player.log.back(), "abandon_start");
    EXPECT_TRUE(view.messages.empty()); // no box: the window runs on without a player
    EXPECT_EQ(view.field(FieldId::DeviceState),
              "Fake Player was started but did not answer within 10 s: it is looked for again at "
              "the next command");
    EXPECT_FALSE(controller.player_connected());
}

TEST_F(ConnectPlayer, AListIsHandedToAStartedPlayerOnceItAnswersAndItsTipChosen)
{
    // Given no player, a group on tip 2 opened at once: handed over before
    // the player answers, the list would start a second player.
    player.running = false;
    player.appears_after_looks = 3;
    player.list_lengths["/m/a.m3u"] = 3;
    system.files["/g/a.grp"] = "/m/a.m3u\n2\n0:03\n";
    controller.connect_player();
    controller.open_tape_group("/g/a.grp");
    controller.tick();
    const auto handed = [&] {
        return std::count(player.log.begin(), player.log.end(), "hand_over /m/a.m3u");
    };
    EXPECT_EQ(handed(), 0);
    while (!view.player_looks.empty() && !controller.player_connected() &&
           view.player_looks.size() < 200)
        controller.look_for_player();
    controller.tick();
    EXPECT_EQ(handed(), 1);
    EXPECT_THAT(player.log, ::testing::Contains("SetPlaylistIndex 1"));
    EXPECT_THAT(player.log, ::testing::Not(::testing::Contains("SetPlaylistIndex -1")));
    EXPECT_EQ(player.model.position_ms, 3000);
}

using ExeDirectory = ConnectPlayer;

TEST_F(ExeDirectory, KeepsTheTrailingSeparator)
{
    system.exe_path = "/opt/cuedeck/bin/cuedeck";
    controller.find_exe_directory();
    EXPECT_EQ(controller.state().exe_directory, "/opt/cuedeck/bin/");
}

TEST_F(ExeDirectory, APathWithoutSeparatorStaysWhole)
{
    system.exe_path = "cuedeck";
    controller.find_exe_directory();
    EXPECT_EQ(controller.state().exe_directory, "cuedeck");
}

TEST_F(ExeDirectory, WindowsPathsAreCutAtTheLastBackslash)
{
    system.separator = '\\';
    system.exe_path = "C:\\Program Files\\Cuedeck/x\\cuedeck.exe";
    controller.find_exe_directory();
    EXPECT_EQ(controller.state().exe_directory, "C:\\Program Files\\Cuedeck/x\\");
}

TEST_F(ExeDirectory, TheHelpPageIsBesideTheProgramElseInTheInstalledDataFolder)
{
    system.exe_path = "/opt/build/app/cuedeck";
    controller.find_exe_directory();
    EXPECT_EQ(controller.help_page_path(), "/opt/build/app/cuedeck.html");
    system.exe_path = "/usr/bin/cuedeck";
    system.problems["/usr/bin/cuedeck.html"] = FileProblem::Missing;
    controller.find_exe_directory();
    EXPECT_EQ(controller.help_page_path(), "/usr/share/cuedeck/cuedeck.html");

    // In a language whose catalogue names a page of its own: that one, where
    // it is; the English one where it is not.
    install_translator([](const char* english) {
        return std::string(english) == "cuedeck.html" ? std::string("cuedeck_de.html") : "";
    });
    system.problems["/usr/bin/cuedeck_de.html"] = FileProblem::Missing;
    EXPECT_EQ(controller.help_page_path(), "/usr/share/cuedeck/cuedeck_de.html");
    system.problems["/usr/share/cuedeck/cuedeck_de.html"] = FileProblem::Missing;
    EXPECT_EQ(controller.help_page_path(), "/usr/share/cuedeck/cuedeck.html");
    install_translator(nullptr);
}

} // namespace
} // namespace cuedeck::testing
