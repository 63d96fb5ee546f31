#include <algorithm>
#include <ctime>

#include "base/version.h"
#include "control/run/command_bodies.h"
#include "files/place_journal_format.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;

/// A controller before start-up: the player is not yet found, and the
/// program lives in /opt/cuedeck/.
class Run : public ::testing::Test
{
protected:
    static constexpr const char* settings_path = "/opt/cuedeck/cuedeck.dat";

    Run()
    {
        system.exe_path = "/opt/cuedeck/cuedeck";
        player.list_lengths["/music/tips.m3u"] = 5;
        auto journal = [this](const std::string& event) { events.push_back(event); };
        view.on_event = journal;
        player.on_event = journal;
        system.on_event = journal;
    }

    void settings(const std::string& tape_group, int sound_on = 1, int tip_time = 10)
    {
        system.files[settings_path] = "Openfile\n" + tape_group + "\nSoundOn\n" +
                                      std::to_string(sound_on) + "\nSoundfile\n/s/bell.wav\n" +
                                      "Tiptime\n" + std::to_string(tip_time) +
                                      "\nPlayusing\n0\nBackTime\n2\n";
    }

    const RunState& state() const { return controller.state(); }

    std::vector<std::string> events;
    FakeView view;
    FakePlayerBackend player;
    FakeSystem system;
    Controller controller{view, player, system};
};

using StartUp = Run;

TEST_F(StartUp, ResumesTheTapeGroupTheSettingsName)
{
    settings("/work/group.grp");
    system.files["/work/group.grp"] = "/music/tips.m3u\n2\n0:03\n";
    controller.start_up();
    EXPECT_EQ(state().exe_directory, "/opt/cuedeck/");
    EXPECT_TRUE(view.tick_running);
    EXPECT_EQ(state().tip_seconds_left, 600);
    EXPECT_FALSE(state().tip_timer_running);
    EXPECT_EQ(view.field(FieldId::SoundState), "Sound ON");
    EXPECT_EQ(view.title, "Cuedeck - /work/group.grp");
    EXPECT_EQ(player.model.playlist_index, 1);
    EXPECT_EQ(player.model.position_ms, 3000);
    EXPECT_EQ(player.model.play_state, 3);
    EXPECT_EQ(view.alarm_picture, std::nullopt); // STOP stays hidden
}

TEST_F(StartUp, FindsThePlayerBeforeStartingTheTick)
{
    controller.start_up();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "find");
    EXPECT_EQ(events[1], "start_tick");
}

TEST_F(StartUp, TheCommandLineBeatsTheSettings)
{
    settings("/work/group.grp");
    system.files["/work/group.grp"] = "/music/tips.m3u\n2\n0:03\n";
    system.files["/work/Other.grp"] = "/music/tips.m3u\n4\n0:00\n";
    system.add_entry("/work/Other.grp");
    system.command = "cuedeck /work/other.GRP";
    controller.start_up();
    EXPECT_EQ(state().tape_group_path, "/work/Other.grp");
    EXPECT_EQ(player.model.playlist_index, 3);
}

TEST_F(StartUp, ACommandLineGroupThatCannotOpenIsNamedAndTheSettingsGroupOpens)
{
    settings("/work/group.grp");
    system.files["/work/group.grp"] = "/music/tips.m3u\n2\n0:03\n";
    system.files["/work/moved.grp"] = "/gone/tips.m3u\n4\n0:00\n";
    system.add_entry("/work/moved.grp");
    system.problems["/gone/tips.m3u"] = FileProblem::Missing;
    system.problems["/work/tips.m3u"] = FileProblem::Missing; // not beside it either
    for (const char* named : {"cuedeck /work/missing.grp", "cuedeck /work/moved.grp"}) {
        Controller run{view, player, system};
        system.command = named;
        run.start_up();
        EXPECT_EQ(run.state().tape_group_path, "/work/group.grp");
        EXPECT_EQ(player.model.playlist_index, 1);
    }
    EXPECT_THAT(view.messages,
                ElementsAre("Cannot open /work/missing.grp: no such file",
                            "Cannot open /work/moved.grp: its playlist /gone/tips.m3u is missing"));
}

TEST_F(StartUp, ACommandLineFileThatIsNoTapeGroupIsIgnored)
{
    settings("/work/group.grp");
    system.files["/work/group.grp"] = "/music/tips.m3u\n2\n0:03\n";
    system.add_entry("/work/notes.txt");
    system.command = "cuedeck /work/notes.txt";
    controller.start_up();
    EXPECT_EQ(state().tape_group_path, "/work/group.grp");
}

TEST_F(StartUp, SoundOffInTheSettingsWins)
{
    settings("", 0);
    controller.start_up();
    EXPECT_EQ(state().settings.sound_on, 0);
    EXPECT_EQ(view.field(FieldId::SoundState), "Sound Off");
}

TEST_F(StartUp, WithoutSettingsSoundIsOnAndTheTipTimerEmpty)
{
    controller.start_up();
    EXPECT_EQ(state().settings.sound_on, 1);
    EXPECT_EQ(view.field(FieldId::SoundState), "Sound ON");
    EXPECT_EQ(state().tip_seconds_left, 0);
}

TEST_F(StartUp, TipTimeZeroLeavesNothingToCount)
{
    settings("", 1, 0);
    controller.start_up();
    EXPECT_EQ(state().tip_seconds_left, 0);
}

TEST_F(StartUp, AnUnreadableTapeGroupLeavesThePlayerAlone)
{
    settings("/work/gone.grp");
    controller.start_up();
    EXPECT_EQ(view.title, "Cuedeck - ");
    EXPECT_EQ(state().tape_group_path, "");
    EXPECT_TRUE(player.traffic().empty());
}

TEST_F(StartUp, WithoutATapeGroupNothingIsRefreshed)
{
    controller.start_up();
    EXPECT_TRUE(player.traffic().empty());
    EXPECT_FALSE(view.has_field(FieldId::Counter));
    EXPECT_FALSE(view.has_field(FieldId::Playing));
    EXPECT_FALSE(view.has_field(FieldId::Playlist));
    EXPECT_TRUE(view.has_field(FieldId::SoundState));
    EXPECT_EQ(view.title_writes, 0);
}

class ShutDown : public Run
{
protected:
    /// A run resumed from /work/group.grp (tip 2, 0:03) whose zero mark has
    /// moved to 0:09 since.
    void start_with_a_moved_mark()
    {
        settings("/work/group.grp");
        system.files["/work/group.grp"] = "/music/tips.m3u\n2\n0:03\n";
        controller.start_up();
        player.model.position_ms = 9000; // paused there: the zero mark follows
        run_command(controller, Command::Zero);
        events.clear();
    }
};

TEST_F(ShutDown, StopsTheTickClosesThePlayerAsksAndWritesTheSettings)
{
    start_with_a_moved_mark();
    view.answer_yes = true;
    controller.shut_down(WindowEnding::AsOk);
    EXPECT_THAT(events, ElementsAre("stop_tick", "close", "ask Save changes to /work/group.grp?",
                                    "replace_file /work/group.grp",
                                    "replace_file /opt/cuedeck/cuedeck.dat", "end_window"));
    EXPECT_EQ(view.ended, WindowEnding::AsOk);
    EXPECT_FALSE(view.tick_running);
    EXPECT_EQ(system.files["/work/group.grp"], "/music/tips.m3u\n2\n0:09\n");
}

TEST_F(ShutDown, WithoutATapeGroupAsksNothingAndStoresAnEmptyOpenfile)
{
    controller.start_up();
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(system.files[settings_path].substr(0, 18), "Openfile\n\nSoundOn\n");
    EXPECT_EQ(view.ended, WindowEnding::DefaultClose);
    EXPECT_THAT(player.traffic(), ElementsAre("close"));
}

TEST_F(ShutDown, UnattendedLeavesTheTapeGroupAsOnDiskButWritesTheSettings)
{
    // Ended by a signal, or a logout that allows no questions.
    start_with_a_moved_mark();
    controller.shut_down(WindowEnding::DefaultClose, Attendance::Unattended);
    EXPECT_THAT(events, ElementsAre("stop_tick", "close", "replace_file /opt/cuedeck/cuedeck.dat",
                                    "end_window"));
    EXPECT_EQ(system.files["/work/group.grp"], "/music/tips.m3u\n2\n0:03\n");
}

TEST_F(ShutDown, SettingsThatCannotBeWrittenAreReportedOnceByName)
{
    system.unwritable.insert(settings_path);
    controller.start_up();
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_THAT(view.messages,
                ElementsAre(std::string("Cannot save ") + settings_path + ": permission denied"));
    controller.shut_down(WindowEnding::DefaultClose, Attendance::Unattended);
    EXPECT_EQ(view.messages.size(), 1u); // nobody to tell
}

TEST_F(ShutDown, RemembersTheOpenTapeGroupForTheNextRun)
{
    settings("/work/group.grp");
    system.files["/work/group.grp"] = "/music/tips.m3u\n2\n0:03\n";
    controller.start_up();
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_TRUE(view.questions.empty()); // nothing changed
    EXPECT_EQ(system.files[settings_path].substr(0, 25), "Openfile\n/work/group.grp\n");
}

/// The journal of the place in /state/cuedeck/: what a run keeps and what
/// the next start after a crash offers.
class Journal : public Run
{
protected:
    static constexpr const char* journal_path = "/state/cuedeck/place";
    static constexpr const char* group_text = "/music/tips.m3u\n2\n0:03\n";

    Journal()
    {
        system.state_folder = "/state/cuedeck/";
        settings("/work/group.grp");
        system.files["/work/group.grp"] = group_text;
    }

    /// A journal an earlier run left: tip 4 (0-based 3), mark 0:20, at 1:23.
    void left_behind(const std::string& version = CUEDECK_VERSION)
    {
        system.files[journal_path] = format_journal(
            {version, "/work/group.grp", "/music/tips.m3u", 3, 20000, 83400, written});
    }
    std::optional<JournalPlace> journal() const
    {
        const auto found = system.files.find(journal_path);
        return found == system.files.end() ? std::nullopt : parse_journal(found->second);
    }
    const std::time_t written = std::time(nullptr);
    std::size_t writes() const
    {
        return static_cast<std::size_t>(std::count(
            events.begin(), events.end(), std::string("replace_file_later ") + journal_path));
    }
};

TEST_F(Journal, KeepsThePlaceAtTheTickAfterEachChangeOnlyThenAndNeverOnAKey)
{
    controller.start_up();
    EXPECT_FALSE(journal()); // nothing before the first tick
    controller.tick();
    ASSERT_TRUE(journal());
    EXPECT_EQ(journal()->tip, 1);
    EXPECT_EQ(journal()->zero_mark_ms, 3000);
    EXPECT_EQ(journal()->group, "/work/group.grp");
    controller.tick();
    EXPECT_EQ(writes(), 1u); // unchanged
    player.model.position_ms = 9000;
    run_command(controller, Command::Zero);
    EXPECT_EQ(writes(), 1u); // the key itself writes nothing
    controller.tick();
    EXPECT_EQ(writes(), 2u);
    EXPECT_EQ(journal()->zero_mark_ms, 9000);
    EXPECT_EQ(journal()->position_ms, 9000);
    EXPECT_EQ(system.files["/work/group.grp"], group_text); // only Save writes the group
}

TEST_F(Journal, YesAfterACrashGoesBackPausedWithTheMarkAndCountsItUnsaved)
{
    left_behind();
    view.answer_yes = true;
    controller.start_up();
    ASSERT_EQ(view.questions.size(), 1u);
    // Written a moment ago: the time of day alone.
    char clock[8];
    std::strftime(clock, sizeof clock, "%H:%M", std::localtime(&written));
    EXPECT_EQ(view.questions[0],
              std::string("Cuedeck: Cuedeck did not close normally. Go back to "
                          "where you were in /work/group.grp: tip 4, 1:23 (at ") +
                  clock + ")?");
    EXPECT_EQ(player.model.playlist_index, 3);
    EXPECT_EQ(player.model.position_ms, 83000);
    EXPECT_EQ(player.model.play_state, play_state::paused);
    EXPECT_EQ(state().zero_mark, 20000);
    EXPECT_EQ(system.files["/work/group.grp"], group_text);
    EXPECT_TRUE(journal()); // until this run writes its own
    view.answer_yes = false;
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_EQ(view.questions.back(), "Cuedeck: Save changes to /work/group.grp?");
    EXPECT_FALSE(journal()); // a normal end removes it
}

TEST_F(Journal, NoStartsAsUsualAndRemovesTheJournal)
{
    left_behind();
    view.answer_yes = false;
    controller.start_up();
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(player.model.playlist_index, 1); // the group's own place
    EXPECT_FALSE(journal());
    controller.tick();
    EXPECT_TRUE(journal());
    controller.shut_down(WindowEnding::DefaultClose, Attendance::Unattended);
    EXPECT_FALSE(journal()); // an end nobody attends with nothing unsaved
}

TEST_F(Journal, OneThatCannotBeResumedIsSetAsideWithoutAWord)
{
    for (const auto& spoil : std::vector<std::function<void()>>{
             [this] { left_behind("0.0.1"); },
             [this] { system.files[journal_path] = "Cuedeck place journal\nversion="; },
             [this] {
                 left_behind();
                 system.files.erase("/work/group.grp");
             },
             [this] {
                 left_behind(); // a file that is no group in the group's place
                 system.files["/work/group.grp"] = "root:x:0:0:root:/root:/bin/bash\n";
             }}) {
        system.files["/work/group.grp"] = group_text;
        spoil();
        const std::string text = system.files[journal_path];
        Controller run(view, player, system);
        run.start_up();
        EXPECT_TRUE(view.questions.empty()) << text;
        EXPECT_EQ(system.files.count(journal_path), 0u) << text;
        EXPECT_EQ(system.files["/state/cuedeck/place.set-aside"], text);
    }
}

TEST_F(Journal, ACopyThatCannotHoldTheLockNeitherAsksNorWrites)
{
    left_behind();
    const std::string left = system.files[journal_path];
    system.locked.insert("/state/cuedeck/place.lock");
    controller.start_up();
    player.model.position_ms = 9000;
    run_command(controller, Command::Zero);
    controller.tick();
    controller.shut_down(WindowEnding::DefaultClose, Attendance::Unattended);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(system.files[journal_path], left);
}

TEST_F(Journal, AnEndNobodyAttendsLeavesAnUnsavedPlaceForTheNextStart)
{
    controller.start_up();
    controller.tick();
    player.model.position_ms = 9000;
    run_command(controller, Command::Zero);
    controller.shut_down(WindowEnding::DefaultClose, Attendance::Unattended);
    ASSERT_TRUE(journal()); // written at the end, though no tick came
    EXPECT_EQ(journal()->zero_mark_ms, 9000);
}

TEST(JournalFormat, ReadsBackWhatItWritesAndRefusesAnythingDamaged)
{
    const JournalPlace place{"1.2.3", "/a b/g.grp", "/a b/l.m3u", 4, 5000, 6100, 1765290720};
    const std::string text = format_journal(place);
    EXPECT_EQ(parse_journal(text), place);
    // As Windows writes text: every line ends in CR LF.
    std::string windows;
    for (const char c : text)
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(parse_journal(windows), place);
    // A folder's name with a line break, and the escape, read back whole.
    const JournalPlace odd{"1", "/a\nb %0A/g.grp", "/a\r\nb %25/l.m3u", 0, 0, 0, 1};
    EXPECT_EQ(parse_journal(format_journal(odd)), odd);
    for (std::size_t cut = 0; cut < text.size(); ++cut)
        EXPECT_FALSE(parse_journal(text.substr(0, cut))) << cut;
    for (const auto& [from, to] :
         std::vector<std::pair<std::string, std::string>>{{"tip=4", "tip=-4"},
                                                          {"tip=4", "tip=x"},
                                                          {"zero=5000", "zero=5000 "},
                                                          {"group=/a b/g.grp", "group="},
                                                          {"b/g.grp", "b/g%2.grp"},
                                                          {"end\n", "end\nmore\n"},
                                                          {"tip=4\n", "tip=4\ntip=4\n"}}) {
        std::string spoiled = text;
        spoiled.replace(spoiled.find(from), from.size(), to);
        EXPECT_FALSE(parse_journal(spoiled)) << spoiled;
    }
}

} // namespace
} // namespace cuedeck::testing
