#include <climits>

#include "base/text_lines.h"
#include "control/run/command_bodies.h"
#include "control/run/tape_group_file.h"
#include "files/playlist_format.h"
#include "files/tape_group_format.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class TapeGroup : public ControllerTest
{
protected:
    static constexpr const char* path = "/work/group.grp";

    /// A player whose playlists have five tips, a file at `path`, and a read
    /// (a save question for the group read before is answered No).
    void read_file(const std::string& text)
    {
        player.list_lengths["/music/tips.m3u"] = 5;
        system.files[path] = text;
        const bool answer = view.answer_yes;
        view.answer_yes = false;
        controller.open_tape_group(path);
        view.answer_yes = answer;
    }

    TapeGroupFile file = controller.tape_group_file();
};

TEST_F(TapeGroup, WritesThreeLines)
{
    read_file("/music/tips.m3u\n5\n0:00\n");
    zero_at(83999);
    ASSERT_TRUE(file.write());
    EXPECT_EQ(system.files[path], "/music/tips.m3u\n5\n1:23\n");
    EXPECT_EQ(state().saved.tip, 4);
    EXPECT_EQ(state().saved.seconds, 83);
}

TEST_F(TapeGroup, ReadingMovesThePlayerToTheStoredPlace)
{
    read_file("/music/tips.m3u\n5\n1:23\n");
    EXPECT_EQ(state().playlist_path, "/music/tips.m3u");
    EXPECT_EQ(state().target_tip, 4);
    EXPECT_EQ(state().target_seconds, 83);
    EXPECT_EQ(state().zero_mark, 83000);
    EXPECT_EQ(player.model.playlist_index, 4);
    EXPECT_EQ(player.model.position_ms, 83000);
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(view.title, "Cuedeck - /work/group.grp");
    ASSERT_EQ(state().history.count(), 1);
    EXPECT_EQ(state().history.entry(0), (HistoryEntry{4, 83}));
}

TEST_F(TapeGroup, ReadingSendsLoadThenGoTo)
{
    read_file("/music/tips.m3u\n2\n0:03\n");
    EXPECT_THAT(player.traffic(), ElementsAreArray(sequence(
                                      {{"Stop", "ClearPlaylist", "hand_over /music/tips.m3u",
                                        "Pause", "PlayState", "Position", "PlaylistLength", "Stop",
                                        "SetPlaylistIndex 1", "Play", "Pause", "JumpTo 3000"},
                                       refresh_traffic()})));
}

TEST_F(TapeGroup, WrittenPlaceReadsBack)
{
    read_file("/music/tips.m3u\n5\n0:00\n");
    zero_at(83999);
    file.write();
    file.read();
    EXPECT_EQ(state().target_tip, 4);
    EXPECT_EQ(state().target_seconds, 83);
    EXPECT_EQ(state().zero_mark, 83000);
}

TEST(TapeGroupFormat, ReadsThreeLinesOfAnyEndingAndLength)
{
    const struct
    {
        std::string text;
        std::string playlist;
        std::optional<int> tip_line;
        int seconds;
    } cases[] = {
        {"/music/tips.m3u\n5\n1:23\n", "/music/tips.m3u", 5, 83},
        {"/music/tips.m3u\n0\n0:00\n", "/music/tips.m3u", 0, 0},
        {"/music/tips.m3u\n-2147483648\n0:00\n", "/music/tips.m3u", INT_MIN, 0},
        {"/music/tips.m3u\nfour\n0:10\n", "/music/tips.m3u", std::nullopt, 10},
        {"/music/tips.m3u\n1\n1:5\n", "/music/tips.m3u", 1, 65},
        {"/music/tips.m3u\n1\n90:00\n", "/music/tips.m3u", 1, 5400},
        {"/music/tips.m3u\n1\n2\n", "/music/tips.m3u", 1, 120}, // minutes only
        {"/music/tips.m3u\n1\nsoon\n", "/music/tips.m3u", 1, 0},
        {"/music/tips.m3u\n1\n99999999:99999999\n", "/music/tips.m3u", 1, INT_MAX},
        {"/music/tips.m3u\n", "/music/tips.m3u", std::nullopt, 0},
        {"", "", std::nullopt, 0},
        {"C:\\music\\tips.m3u\r\n3\r\n0:42\r\n", "C:\\music\\tips.m3u", 3, 42},
    };
    for (const auto& [text, playlist, tip_line, seconds] : cases) {
        const TapeGroupPlace place = parse_tape_group(text);
        EXPECT_EQ(place.playlist_path, playlist) << text;
        EXPECT_EQ(place.tip_line, tip_line) << text;
        EXPECT_EQ(place.seconds, seconds) << text;
    }
}

TEST_F(TapeGroup, TipsBelowTheFirstReadAsTheFirstAndAMissingNumberKeepsTheTarget)
{
    read_file("/music/tips.m3u\n-4\n0:00\n");
    EXPECT_EQ(state().target_tip, 0);
    read_file("/music/tips.m3u\n4\n0:00\n");
    read_file("/music/tips.m3u\nfour\n0:10\n");
    EXPECT_EQ(state().target_tip, 2); // kept, then made 0-based
}

TEST_F(TapeGroup, HugeTimesSaturate)
{
    read_file("/music/tips.m3u\n1\n99999999:99999999\n");
    EXPECT_EQ(state().zero_mark, INT_MAX);
    read_file("/music/tips.m3u\n1\n-99999999:0\n");
    EXPECT_EQ(state().zero_mark, INT_MIN);
}

TEST_F(TapeGroup, AnEmptyFileOpensTheGroupWithNoPlaylist)
{
    read_file("");
    EXPECT_EQ(state().playlist_path, "");
    EXPECT_EQ(view.title, "Cuedeck - /work/group.grp");
}

TEST_F(TapeGroup, AWindowsPathStandsOnItsOwn)
{
    system.separator = '\\';
    system.drive_letters = true;
    read_file("C:\\music\\tips.m3u\r\n3\r\n0:42\r\n");
    EXPECT_EQ(state().playlist_path, "C:\\music\\tips.m3u");
}

TEST_F(TapeGroup, LongPathsSurviveAWriteAndRead)
{
    const std::string long_playlist = "/music/" + std::string(300, 'x') + ".m3u";
    read_file(long_playlist + "\n1\n0:00\n");
    system.files.erase(path);
    file.write();
    file.read();
    EXPECT_EQ(state().playlist_path, long_playlist);
    EXPECT_EQ(state().target_tip, 0);
}

TEST_F(TapeGroup, ARememberedGroupThatIsGoneClearsThePathSilentlyAndLeavesThePlayer)
{
    read_file("/music/tips.m3u\n3\n0:09\n");
    player.clear_log();
    system.files.erase(path);
    file.read();
    EXPECT_EQ(state().tape_group_path, "");
    EXPECT_EQ(view.title, "Cuedeck - ");
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(state().saved.playlist_path, "/music/tips.m3u");
    EXPECT_EQ(state().saved.tip, 2);
    EXPECT_EQ(state().saved.seconds, 9);
}

TEST_F(TapeGroup, AFailedWriteKeepsThePlaceUnsavedAndSaysSo)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    player_on_tip(2);
    system.unwritable.insert(path);
    EXPECT_FALSE(file.write());
    EXPECT_THAT(view.messages, ElementsAre("Cannot save /work/group.grp: permission denied"));
    EXPECT_EQ(system.files[path], "/music/tips.m3u\n1\n0:00\n");
    EXPECT_EQ(state().saved.tip, 0);

    // The question comes back at the close.
    file.save_prompt();
    EXPECT_EQ(view.questions.size(), 1u);
}

TEST_F(TapeGroup, APathWithALineBreakIsNotSaved)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    controller.open_playlist("/music/two\nlines.m3u");
    system.files.erase(path);
    EXPECT_FALSE(file.write());
    EXPECT_THAT(view.messages,
                ElementsAre("Cannot save /work/group.grp: a name in it holds a line break"));
    EXPECT_EQ(system.files.count(path), 0u);
}

TEST_F(TapeGroup, AMovedPlaylistCanBeLocatedAndCountsAsAChange)
{
    // Given a group whose playlist is no longer where it says, nor beside it.
    system.problems["/old/tips.m3u"] = FileProblem::Missing;
    system.problems["/work/tips.m3u"] = FileProblem::Missing;
    view.answer_locate = true;
    view.chosen_files = {"/gone/too.m3u", "/music/tips.m3u"};
    system.problems["/gone/too.m3u"] = FileProblem::Missing;
    read_file("/old/tips.m3u\n3\n0:09\n");
    EXPECT_THAT(view.messages,
                ElementsAre("Cannot open /work/group.grp: its playlist /old/tips.m3u is missing",
                            "Cannot open /work/group.grp: its playlist /gone/too.m3u is missing"));
    EXPECT_EQ(state().playlist_path, "/music/tips.m3u");
    EXPECT_EQ(player.model.playlist_index, 2);
    file.save_prompt();
    EXPECT_EQ(system.files[path], "/music/tips.m3u\n3\n0:09\n");

    // Cancelled, the group open before stays open and the moved one is left as it is.
    system.files["/work/moved.grp"] = "/old/tips.m3u\n1\n0:00\n";
    view.answer_locate = false;
    player.clear_log();
    controller.drop({"/work/moved.grp"});
    EXPECT_EQ(state().tape_group_path, path);
    EXPECT_EQ(view.title, "Cuedeck - /work/group.grp");
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_EQ(system.files["/work/moved.grp"], "/old/tips.m3u\n1\n0:00\n");
}

TEST_F(TapeGroup, AGroupThatTravelledFindsItsPlaylistBesideItAndNamesItOnlyWhenSaved)
{
    // Copied elsewhere, or written on the other system: the playlist of the
    // same name beside the group is taken, told once, written on Save.
    player.list_lengths["/work/tips.m3u"] = 5;
    const std::vector<std::pair<std::string, std::string>> stored = {
        {"/home/ann/interviews/tips.m3u", "/home/ann/interviews/tips.m3u"},
        {"C:\\Users\\Ann\\Interviews\\tips.m3u", "/work/C:\\Users\\Ann\\Interviews\\tips.m3u"},
        {"../gone/tips.m3u", "/work/../gone/tips.m3u"},
    };
    for (const auto& [line, listed] : stored) {
        SCOPED_TRACE(line);
        view.messages.clear();
        system.problems.clear();
        system.problems[listed] = FileProblem::Missing;
        const std::string text = line + "\n3\n0:09\n";
        read_file(text);
        EXPECT_EQ(state().playlist_path, "/work/tips.m3u");
        EXPECT_EQ(player.model.playlist_index, 2);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_THAT(view.messages[0], ::testing::HasSubstr("/work/tips.m3u"));
        EXPECT_EQ(system.files[path], text) << "written before Save";
        file.save_prompt();
        EXPECT_EQ(system.files[path], "tips.m3u\n3\n0:09\n");
    }
    // Not beside it either: the user is offered to locate it, as before.
    system.problems.clear();
    system.problems["/old/tips.m3u"] = FileProblem::Missing;
    system.problems["/work/tips.m3u"] = FileProblem::Missing;
    view.messages.clear();
    read_file("/old/tips.m3u\n1\n0:00\n");
    EXPECT_THAT(view.messages,
                ElementsAre("Cannot open /work/group.grp: its playlist /old/tips.m3u is missing"));
}

TEST_F(TapeGroup, RecordingsThatTravelledWithTheirListAreFoundBesideItAndNamedThereOnSave)
{
    // A list written on the other system, or whose recordings were copied
    // along with it: an entry that is gone is the file of its name beside
    // the list; the player reads a copy naming those, so no tip shifts.
    struct Travel
    {
        char separator;
        std::string folder;               // where the list and recordings now lie
        std::string list;                 // the list's text as it was written
        std::vector<std::string> missing; // where the list says they are
        std::vector<std::string> played;  // what the player's copy names
        std::string saved;                // the list once the group is saved
    };
    const std::vector<Travel> travels = {
        {'/',
         "/work/",
         "#EXTM3U\r\n#EXTINF:1,one\r\nC:\\Users\\Ann\\tip 1.mp3\r\nsub/tip 2.mp3\r\n"
         "/home/ann/tip 3.wav\r\n",
         {"/work/C:\\Users\\Ann\\tip 1.mp3", "/home/ann/tip 3.wav"},
         {"/work/tip 1.mp3", "/work/sub/tip 2.mp3", "/work/tip 3.wav"},
         "#EXTM3U\r\n#EXTINF:1,one\r\ntip 1.mp3\r\nsub/tip 2.mp3\r\ntip 3.wav\r\n"},
        {'\\',
         "D:\\Work\\",
         "\xEF\xBB\xBFtip 1.mp3\n\\\\server\\ann\\tip 2.mp3\n",
         {"\\\\server\\ann\\tip 2.mp3"},
         {"D:\\Work\\tip 1.mp3", "D:\\Work\\tip 2.mp3"},
         "\xEF\xBB\xBFtip 1.mp3\ntip 2.mp3\n"},
    };
    for (const Travel& travel : travels) {
        SCOPED_TRACE(travel.list);
        system.separator = travel.separator;
        system.drive_letters = travel.separator == '\\';
        system.problems.clear();
        system.state_folder = travel.folder + "state" + travel.separator;
        const std::string list = travel.folder + "tips.m3u";
        const std::string group = travel.folder + "group.grp";
        const std::string copy = system.state_folder + "played.m3u8";
        for (const std::string& gone : travel.missing)
            system.problems[gone] = FileProblem::Missing;
        system.files[list] = travel.list;
        system.files[group] = "tips.m3u\n2\n0:04\n";
        player.list_lengths[copy] = int(travel.played.size());
        view.messages.clear();
        controller.open_tape_group(group);
        EXPECT_EQ(state().playlist_path, list);
        EXPECT_EQ(player.model.loaded, copy);
        EXPECT_EQ(player.model.playlist_index, 1);
        EXPECT_EQ(system.files[copy], *format_playlist(travel.played));
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_THAT(view.messages[0], ::testing::HasSubstr(travel.folder));
        EXPECT_THAT(view.messages[0],
                    ::testing::HasSubstr(travel.missing.size() == 1 ? "names, 1 is not where"
                                                                    : "names, 2 are not where"));
        EXPECT_EQ(system.files[list], travel.list) << "written before Save";
        file.save_prompt();
        EXPECT_EQ(system.files[list], travel.saved);
        EXPECT_FALSE(file.unsaved());
    }
    // Not beside it either: refused, naming the entry, as before.
    system.separator = '/';
    system.drive_letters = false;
    system.files["/work/tips.m3u"] = "tip 1.mp3\n/gone/tip 9.mp3\n";
    system.problems = {{"/gone/tip 9.mp3", FileProblem::Missing},
                       {"/work/tip 9.mp3", FileProblem::Missing}};
    view.messages.clear();
    controller.open_playlist("/work/tips.m3u");
    EXPECT_THAT(view.messages, ElementsAre("Cannot play /work/tips.m3u\n(line 2 names "
                                           "/gone/tip 9.mp3: no such file)"));
}

TEST_F(TapeGroup, ARelativePlaylistIsReadBesideTheGroupAndWrittenAsItWas)
{
    player.list_lengths["/work/../music/tips.m3u"] = 5;
    read_file("../music/tips.m3u\n2\n0:00\n");
    EXPECT_EQ(state().playlist_path, "/work/../music/tips.m3u");
    EXPECT_EQ(player.model.loaded, "/work/../music/tips.m3u");
    zero_at(5000);
    file.write();
    EXPECT_EQ(system.files[path], "../music/tips.m3u\n2\n0:05\n");
    controller.open_playlist("/music/other.m3u");
    file.write();
    EXPECT_EQ(system.files[path], "/music/other.m3u\n1\n0:00\n");
}

TEST_F(TapeGroup, AGroupChangedByAnotherProgramIsReplacedOnlyWhenTheUserSaysSo)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    zero_at(4000);
    const std::string colleagues = "/music/tips.m3u\n4\n2:00\n";
    system.files[path] = colleagues;
    view.answer_yes = false;
    EXPECT_FALSE(file.write());
    EXPECT_EQ(system.files[path], colleagues);
    EXPECT_TRUE(view.messages.empty());
    view.answer_yes = true;
    EXPECT_TRUE(file.write());
    EXPECT_EQ(system.files[path], "/music/tips.m3u\n1\n0:04\n");
    EXPECT_THAT(view.questions,
                ElementsAre("Cuedeck: /work/group.grp was changed by another program since it "
                            "was opened. Replace it with this place?",
                            "Cuedeck: /work/group.grp was changed by another program since it "
                            "was opened. Replace it with this place?"));
    // Written by us, it is ours again: no question.
    zero_at(6000);
    EXPECT_TRUE(file.write());
    EXPECT_EQ(view.questions.size(), 2u);
}

using SaveQuestion = TapeGroup;

TEST_F(SaveQuestion, NotAskedRightAfterOpening)
{
    read_file("/music/tips.m3u\n5\n1:23\n");
    file.save_prompt();
    EXPECT_TRUE(view.questions.empty());
}

TEST_F(SaveQuestion, NotAskedForAMoveWithinTheSameSecond)
{
    read_file("/music/tips.m3u\n5\n1:23\n");
    zero_at(83999);
    file.save_prompt();
    EXPECT_TRUE(view.questions.empty());
}

TEST_F(SaveQuestion, AskedWhenTheMarkCrossesASecond)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    zero_at(83900);
    file.write();
    zero_at(84100);
    view.answer_yes = true;
    file.save_prompt();
    EXPECT_THAT(view.questions, ElementsAre("Cuedeck: Save changes to /work/group.grp?"));
    EXPECT_EQ(system.files[path], "/music/tips.m3u\n1\n1:24\n");
}

TEST_F(SaveQuestion, AskedWhenThePlaylistPathDiffersInCaseOnly)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    controller.open_playlist("/music/TIPS.m3u");
    view.answer_yes = false;
    file.save_prompt();
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(system.files[path], "/music/tips.m3u\n1\n0:00\n"); // No writes nothing
}

TEST_F(SaveQuestion, OpeningAMusicFileMakesTheGroupAskAndSaveAnEmptyFirstLine)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    controller.open_music_file("/music/talk.wav");
    file.save_prompt();
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(system.files[path], "\n1\n0:00\n");
}

TEST_F(SaveQuestion, NeverAskedWithoutATapeGroup)
{
    controller.open_playlist("/music/changed.m3u");
    file.save_prompt();
    EXPECT_TRUE(view.questions.empty());
}

using FileMenu = TapeGroup;

TEST_F(FileMenu, OpenAsksFirstEvenWhenTheChooserIsCancelled)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    zero_at(5000);
    view.answer_yes = false;
    run_command(controller, Command::OpenTapeGroup);
    EXPECT_EQ(view.questions.size(), 1u);
    ASSERT_EQ(view.choosers.size(), 1u);
    EXPECT_EQ(view.choosers[0].mode, FileDialogMode::Open);
    EXPECT_EQ(view.choosers[0].filter, "Tape Group Files (*.grp)|*.grp||");
    EXPECT_EQ(view.choosers[0].default_extension, "grp");
    EXPECT_EQ(state().tape_group_path, path);
}

TEST_F(FileMenu, OpenReadsTheChosenFile)
{
    player.list_lengths["/music/tips.m3u"] = 5;
    system.files["/work/other.grp"] = "/music/tips.m3u\n3\n0:10\n";
    view.chosen_files.push_back("/work/other.grp");
    run_command(controller, Command::OpenTapeGroup);
    EXPECT_EQ(state().tape_group_path, "/work/other.grp");
    EXPECT_EQ(player.model.playlist_index, 2);
    EXPECT_EQ(view.title, "Cuedeck - /work/other.grp");
}

TEST_F(FileMenu, SaveWithoutAGroupIsSaveAs)
{
    controller.open_playlist("/music/tips.m3u");
    view.chosen_files.push_back("/work/new.grp");
    run_command(controller, Command::SaveTapeGroup);
    ASSERT_EQ(view.choosers.size(), 1u);
    EXPECT_EQ(view.choosers[0].mode, FileDialogMode::Save);
    EXPECT_EQ(view.choosers[0].default_extension, "grp");
    EXPECT_EQ(state().tape_group_path, "/work/new.grp");
    EXPECT_EQ(view.title, "Cuedeck - /work/new.grp");
    EXPECT_EQ(system.files["/work/new.grp"], "/music/tips.m3u\n1\n0:00\n");
}

TEST_F(FileMenu, SaveWithAGroupWritesWithoutAsking)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    system.files.erase(path);
    run_command(controller, Command::SaveTapeGroup);
    EXPECT_TRUE(view.choosers.empty());
    EXPECT_EQ(system.files.count(path), 1u);
}

TEST_F(FileMenu, CancelledSaveAsChangesNothing)
{
    read_file("/music/tips.m3u\n1\n0:00\n");
    system.files.clear();
    run_command(controller, Command::SaveTapeGroupAs);
    EXPECT_EQ(state().tape_group_path, path);
    EXPECT_TRUE(system.files.empty());
}

using NewTapeGroup = TapeGroup;

TEST(NewTapeGroupWriter, NaturalOrderAndEntriesThatReadBackAsWritten)
{
    std::vector<std::string> names = {"tip 10.mp3", "Tip 2.mp3", "tip 1b.mp3", "tip 02.mp3",
                                      "tip 1.mp3",  "b.wav",     "A.wav",      "\xC3\x84 1.mp3"};
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return natural_less(a, b); });
    EXPECT_THAT(names, ElementsAre("A.wav", "b.wav", "tip 1.mp3", "tip 1b.mp3", "Tip 2.mp3",
                                   "tip 02.mp3", "tip 10.mp3", "\xC3\x84 1.mp3"));

    const std::vector<std::string> entries = {"a b & 'c'.mp3", "sub/\xC3\xA4 <1>.wav",
                                              "/else/x.mp3"};
    const auto text = format_playlist(entries);
    ASSERT_TRUE(text);
    std::vector<std::string> read_back;
    for (const auto& entry : parse_playlist(*text, false).entries)
        read_back.push_back(entry.target);
    EXPECT_EQ(read_back, entries);
    // Entries a list would read as something else.
    for (const char* refused : {"#1 talk.mp3", " talk.mp3", "talk.mp3 ", "a\nb.mp3", ""})
        EXPECT_FALSE(format_playlist({refused})) << refused;

    EXPECT_EQ(relative_to("/talks/", "/talks/sub/a.mp3", '/'), "sub/a.mp3");
    EXPECT_EQ(relative_to("/talks/", "/talksx/a.mp3", '/'), "/talksx/a.mp3");
    EXPECT_EQ(relative_to("/Talks/", "/talks/a.mp3", '/'), "/talks/a.mp3");
    EXPECT_EQ(relative_to("C:\\Talks\\", "c:\\talks\\A.mp3", '\\'), "A.mp3");
}

TEST_F(NewTapeGroup, ChosenRecordingsAreListedInNaturalOrderBesideTheGroupWhichOpens)
{
    open_group("/work/old.grp", "/music/tips.m3u\n1\n0:00\n");
    zero_at(9000); // unsaved: asked before anything is written, with Cancel
    const std::string odd = "/talks/#3 Gr\xC3\xBC\xC3\x9F"
                            "e & <x>.mp3";
    const std::vector<std::string> recordings = {"/talks/Tip 10.mp3", "/talks/tip 2.wav",
                                                 "/talks/sub/tip 1.mp3", odd,
                                                 "/elsewhere/tip 4.mp3"};
    view.chosen_recordings = recordings;
    view.chosen_files = {"/talks/My group.grp", "/talks/My group.grp"};
    system.problems["/talks/My group.m3u"] = FileProblem::Missing;
    player.list_lengths["/talks/My group.m3u"] = 5;
    view.answer_cancel = true;
    run_command(controller, Command::NewTapeGroup);
    EXPECT_EQ(system.files.count("/talks/My group.m3u"), 0u);
    EXPECT_EQ(system.files.count("/talks/My group.grp"), 0u);
    EXPECT_EQ(state().tape_group_path, "/work/old.grp");

    view.questions.clear();
    view.choosers.clear();
    view.answer_cancel = false;
    view.answer_yes = false;
    view.chosen_recordings = recordings;
    run_command(controller, Command::NewTapeGroup);
    ASSERT_EQ(view.choosers.size(), 1u);
    EXPECT_EQ(view.choosers[0].mode, FileDialogMode::Save);
    EXPECT_EQ(view.choosers[0].suggested, "/elsewhere/elsewhere.grp");
    EXPECT_EQ(system.files["/talks/My group.m3u"],
              "/elsewhere/tip 4.mp3\n" + odd + "\nsub/tip 1.mp3\ntip 2.wav\nTip 10.mp3\n");
    EXPECT_EQ(system.files["/talks/My group.grp"], "My group.m3u\n1\n0:00\n");
    EXPECT_THAT(view.questions, ElementsAre("Cuedeck: Save changes to /work/old.grp?"));
    EXPECT_EQ(view.title, "Cuedeck - /talks/My group.grp");
    EXPECT_EQ(player.model.loaded, "/talks/My group.m3u");
    EXPECT_EQ(player.model.playlist_index, 0);
}

TEST_F(NewTapeGroup, ADroppedFolderGivesItsRecordingsAndAnExistingListIsReplacedOnlyOnYes)
{
    system.problems = {{"/talks", FileProblem::Folder}, {"/talks/sub.mp3", FileProblem::Folder}};
    system.folders["/talks/"] = {"tip 10.mp3", "notes.txt", "tip 9.WAV", "sub.mp3", "old.m3u"};
    system.files["/talks/talks.m3u"] = "old\n";
    view.chosen_files = {"/talks/talks.grp", "/talks/talks.grp"};
    view.answer_yes = false;
    controller.drop({"/talks"});
    EXPECT_EQ(view.choosers.at(0).suggested, "/talks/talks.grp");
    EXPECT_THAT(
        view.questions,
        ElementsAre("Cuedeck: /talks/talks.m3u already exists.\nDo you want to replace it?"));
    EXPECT_EQ(system.files["/talks/talks.m3u"], "old\n");
    EXPECT_EQ(system.files.count("/talks/talks.grp"), 0u);
    EXPECT_TRUE(player.traffic().empty());

    view.answer_yes = true;
    controller.drop({"/talks"});
    EXPECT_EQ(system.files["/talks/talks.m3u"], "tip 9.WAV\ntip 10.mp3\n");
    EXPECT_EQ(state().tape_group_path, "/talks/talks.grp");
}

TEST_F(NewTapeGroup, WhatCannotBeATipIsNamedAndNothingIsAsked)
{
    system.files["/talks/fake.mp3"] = "#EXTM3U\nhttp://host/x.mp3\n";
    system.problems = {{"/empty", FileProblem::Folder},
                       {"/unlisted/", FileProblem::Folder},
                       {"/talks/gone.mp3", FileProblem::Missing}};
    system.folders["/empty/"] = {"notes.txt"};
    controller.drop({"/talks/a.mp3", "/talks/fake.mp3"});
    controller.drop({"/talks/a.mp3", "/talks/gone.mp3"});
    controller.drop({"/empty"});
    controller.drop({"/unlisted/"});
    EXPECT_THAT(
        view.messages,
        ElementsAre("Cannot make a tape group of /talks/fake.mp3: it is text, not a recording",
                    "Cannot make a tape group of /talks/gone.mp3: no such file",
                    "/empty/ holds no recordings (.mp3 or .wav files)",
                    "Cannot read the folder /unlisted/"));
    EXPECT_TRUE(view.choosers.empty());
    EXPECT_TRUE(player.traffic().empty());
}

} // namespace
} // namespace cuedeck::testing
