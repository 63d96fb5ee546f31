#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;
using Drop = ControllerTest;

TEST_F(Drop, APlaylistIsLoadedWithoutASaveQuestion)
{
    open_group("/work/group.grp", "/music/old.m3u\n1\n0:00\n");
    controller.drop({"/music/New.M3U"});
    EXPECT_EQ(state().playlist_path, "/music/New.M3U");
    EXPECT_EQ(player.model.loaded, "/music/New.M3U");
    EXPECT_TRUE(view.questions.empty());
}

TEST_F(Drop, ATapeGroupAsksToSaveThenOpens)
{
    open_group("/work/old.grp", "/music/tips.m3u\n1\n0:00\n");
    zero_at(9000); // unsaved
    system.files["/work/new.grp"] = "/music/tips.m3u\n1\n0:02\n";
    controller.drop({"/work/new.grp"});
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(system.files["/work/old.grp"], "/music/tips.m3u\n1\n0:09\n");
    EXPECT_EQ(state().tape_group_path, "/work/new.grp");
    EXPECT_EQ(state().playlist_path, "/music/tips.m3u");
    EXPECT_EQ(view.title, "Cuedeck - /work/new.grp");
}

TEST_F(Drop, AMusicFileOpensAsASingleFile)
{
    controller.open_playlist("/music/tips.m3u");
    controller.drop({"/music/talk.WAV"});
    EXPECT_EQ(state().playlist_path, "");
    EXPECT_EQ(player.model.loaded, "/music/talk.WAV");
    controller.drop({"/music/song.mp3"});
    EXPECT_EQ(player.model.loaded, "/music/song.mp3");
}

TEST_F(Drop, WhatIsNoLocalFileIsRefusedByNameAndReachesNoPlayer)
{
    // Given a run on its own list, and names from a file made by someone else.
    controller.open_playlist("/music/tips.m3u");
    player.clear_log();
    const std::string hostile = "av://lavfi:ametadata=mode=print:file=/home/u/notes.m3u";
    system.not_local = {hostile, "/music/gone.wav"};
    controller.drop({hostile});
    controller.drop({"/music/gone.wav"});
    system.files["/work/crafted.grp"] = hostile + "\n3\n0:07\n";
    controller.drop({"/work/crafted.grp"});
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_THAT(view.messages,
                ElementsAre("Cannot play " + hostile + "\n(it is not a file on this computer)",
                            "Cannot play /music/gone.wav\n(it is not a file on this computer)",
                            "Cannot play " + hostile + "\n(it is not a file on this computer)"));
    // The group's place is kept, so that saving it loses nothing.
    EXPECT_EQ(state().current_tip, 2);
    EXPECT_EQ(state().zero_mark, 7000);
}

TEST_F(Drop, OtherFilesAndSeveralFilesAreIgnored)
{
    controller.drop({"/music/notes.txt"});
    controller.drop({"/music/a.m3u", "/music/b.m3u"});
    controller.drop({});
    controller.drop({"/music.m3u/noextension"});
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(state().playlist_path, "");
}

} // namespace
} // namespace cuedeck::testing
