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
    // Every kind the player reads opens so.
    for (const char* path : {"/music/tips.m3u8", "/music/tips.PLS"}) {
        system.files[path] =
            std::string_view(path).ends_with("PLS") ? "[playlist]\nFile1=a.wav\n" : "a.wav\n";
        controller.drop({path});
        EXPECT_EQ(player.model.loaded, path);
    }
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
    // Given a group open on its own list, and names from a file made by someone else.
    player.list_lengths["/music/tips.m3u"] = 5;
    open_group("/work/group.grp", "/music/tips.m3u\n2\n0:07\n");
    const std::string hostile = "av://lavfi:ametadata=mode=print:file=/home/u/notes.m3u";
    system.problems = {{hostile, FileProblem::NotLocal},
                       {"/music/gone.wav", FileProblem::Missing},
                       {"/music/folder.wav", FileProblem::Folder}};
    system.files["/music/web.m3u"] =
        "#EXTM3U\n#EXTINF:3,one\n/music/a.wav\n\n http://host/x.wav \n";
    system.files["/music/stream.m3u8"] = "#EXTM3U\n#EXT-X-KEY:METHOD=AES-128,URI=\"http://h/k\"\n";
    system.files["/music/nested.pls"] = "[playlist]\nFile1=inner.m3u\n";
    system.files["/music/odd.pls"] = "#EXTM3U\nhttp://host/x.wav\n";
    system.files["/music/spaced.pls"] = "[Playlist]\n file2 = http://host/y.wav \n";
    system.files["/work/crafted.grp"] = hostile + "\n3\n0:07\n";
    for (const std::string& path :
         {hostile, std::string("/music/gone.wav"), std::string("/music/folder.wav"),
          std::string("/music/web.m3u")})
        controller.drop({path});
    for (const char* path :
         {"/music/stream.m3u8", "/music/nested.pls", "/music/odd.pls", "/music/spaced.pls"})
        controller.drop({path});
    controller.drop({"/work/crafted.grp"});
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_THAT(
        view.messages,
        ElementsAre("Cannot play " + hostile + "\n(it is not a file on this computer)",
                    "Cannot play /music/gone.wav\n(no such file)",
                    "Cannot play /music/folder.wav\n(it is a folder)",
                    "Cannot play /music/web.m3u\n(line 5 names http://host/x.wav: it is not a "
                    "file on this computer)",
                    "Cannot play /music/stream.m3u8\n(line 2 makes it something else than a list "
                    "of files)",
                    "Cannot play /music/nested.pls\n(line 2 names inner.m3u: a playlist inside a "
                    "playlist is not played)",
                    "Cannot play /music/odd.pls\n(line 1 makes it something else than a list of "
                    "files)",
                    "Cannot play /music/spaced.pls\n(line 2 names http://host/y.wav: it is not a "
                    "file on this computer)",
                    "Cannot open /work/crafted.grp: its playlist " + hostile +
                        " cannot be played\n(it is not a file on this computer)"));
    // The open group stays open at its place.
    EXPECT_EQ(state().tape_group_path, "/work/group.grp");
    EXPECT_EQ(state().playlist_path, "/music/tips.m3u");
    EXPECT_EQ(state().current_tip, 1);
    EXPECT_EQ(state().zero_mark, 7000);
}

TEST_F(Drop, PlaylistEntriesAreReadAgainstTheListsFolder)
{
    system.files["/music/tips.m3u"] = "\xEF\xBB\xBF#EXTM3U\r\ntip 1.wav\r\n../other/tip 2.wav\r\n";
    system.files["/music/list.pls"] = "[playlist]\nNumberOfEntries=1\nFile1=/music/tip 3.wav\n";
    system.problems["/music/../other/tip 2.wav"] = FileProblem::NoPermission;
    controller.drop({"/music/tips.m3u"});
    controller.open_playlist("/music/list.pls");
    EXPECT_THAT(view.messages, ElementsAre("Cannot play /music/tips.m3u\n(line 3 names ../other/"
                                           "tip 2.wav: permission denied)"));
    EXPECT_EQ(player.model.loaded, "/music/list.pls");
}

TEST_F(Drop, AnUnreadableGroupIsNamedWithItsReasonAndTheOpenOneStays)
{
    open_group("/work/group.grp", "/music/tips.m3u\n2\n0:07\n");
    system.problems = {{"/work/folder.grp", FileProblem::Folder},
                       {"/work/fifo.grp", FileProblem::NotRegular},
                       {"/work/secret.grp", FileProblem::NoPermission}};
    for (const char* path :
         {"/work/missing.grp", "/work/folder.grp", "/work/fifo.grp", "/work/secret.grp"})
        controller.drop({path});
    EXPECT_THAT(view.messages, ElementsAre("Cannot open /work/missing.grp: no such file",
                                           "Cannot open /work/folder.grp: it is a folder",
                                           "Cannot open /work/fifo.grp: it is not a regular file",
                                           "Cannot open /work/secret.grp: permission denied"));
    EXPECT_EQ(view.title, "Cuedeck - /work/group.grp");
    EXPECT_TRUE(player.traffic().empty());
}

TEST_F(Drop, OtherFilesAndSeveralFilesAreIgnored)
{
    controller.drop({"/music/notes.odt"});
    controller.drop({"/music/a.m3u", "/music/b.m3u"});
    controller.drop({});
    controller.drop({"/music.m3u/noextension"});
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(state().playlist_path, "");
}

} // namespace
} // namespace cuedeck::testing
