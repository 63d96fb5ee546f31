#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/text_lines.h"
#include "control/commands/commands.h"
#include "control/commands/program_options.h"
#include "files/channel_request.h"
#include "files/command_line.h"
#include "support/fake_system.h"

namespace cuedeck::testing {
namespace {

class CommandLine : public ::testing::Test
{
protected:
    CommandLine()
    {
        system.add_entry("/home/ann/Tape Groups/group one.grp");
        system.add_entry("/home/ann/Tape Groups/notes.txt");
        system.add_entry("/home/ann/Tape Groups/LOUD.GRP");
    }
    FakeSystem system;
};

TEST_F(CommandLine, SkipsTheProgramName)
{
    EXPECT_EQ(command_line_argument("cuedeck  a.grp"), "a.grp");
    EXPECT_EQ(command_line_argument("\"C:\\Program Files\\cuedeck.exe\" a b.grp"), "a b.grp");
    EXPECT_EQ(command_line_argument("\"\"x.grp"), "x.grp");
    EXPECT_EQ(command_line_argument("\"unclosed a.grp"), "");
    EXPECT_EQ(command_line_argument("cuedeck"), "");
}

TEST_F(CommandLine, TakesAPathWithBlanksWhole)
{
    EXPECT_EQ(tape_group_from_command_line("cuedeck /home/ann/Tape Groups/group one.grp", system),
              "/home/ann/Tape Groups/group one.grp");
}

TEST_F(CommandLine, TakesAQuotedPathWithoutItsQuotes)
{
    EXPECT_EQ(
        tape_group_from_command_line("cuedeck \"/home/ann/Tape Groups/group one.grp\"", system),
        "/home/ann/Tape Groups/group one.grp");
}

TEST_F(CommandLine, ComesBackAsTheFileSystemStoresIt)
{
    EXPECT_EQ(tape_group_from_command_line("cuedeck /HOME/ann/tape groups/loud.grp", system),
              "/home/ann/Tape Groups/LOUD.GRP");
}

TEST_F(CommandLine, IgnoresOtherFilesMissingFilesAndNothing)
{
    EXPECT_FALSE(tape_group_from_command_line("cuedeck /home/ann/Tape Groups/notes.txt", system));
    EXPECT_FALSE(tape_group_from_command_line("cuedeck /home/ann/missing.grp", system));
    EXPECT_FALSE(tape_group_from_command_line("cuedeck", system));
    EXPECT_FALSE(tape_group_from_command_line("cuedeck   ", system));
}

TEST_F(CommandLine, RelativeNamesResolveInTheCurrentDirectory)
{
    system.add_entry("Group.grp");
    EXPECT_EQ(tape_group_from_command_line("cuedeck group.GRP", system), "Group.grp");
}

TEST(ExpandLongPath, RebuildsEachComponentWithItsStoredName)
{
    FakeSystem system;
    system.add_entry("/a/Bb/cC.m3u");
    EXPECT_EQ(expand_long_path("/A/bb/cc.m3u", system), "/a/Bb/cC.m3u");
    EXPECT_FALSE(expand_long_path("/a/Bb/", system)); // empty last component
    EXPECT_FALSE(expand_long_path("/a/zz/cC.m3u", system));
    EXPECT_FALSE(expand_long_path("", system));
}

TEST(ExpandLongPath, TurnsShortWindowsNamesLong)
{
    FakeSystem system;
    system.separator = '\\';
    system.drive_letters = true;
    system.add_entry("C:\\Program Files", "PROGRA~1");
    system.add_entry("C:\\Program Files\\Music");
    system.add_entry("C:\\Program Files\\Music\\Groups of Tapes.grp", "GROUPS~1.GRP");
    EXPECT_EQ(expand_long_path("C:\\PROGRA~1\\MUSIC\\GROUPS~1.GRP", system),
              "C:\\Program Files\\Music\\Groups of Tapes.grp");
    EXPECT_EQ(tape_group_from_command_line("cuedeck.exe C:\\PROGRA~1\\MUSIC\\GROUPS~1.GRP", system),
              "C:\\Program Files\\Music\\Groups of Tapes.grp");
    // Forward slashes do not separate components on Windows.
    EXPECT_FALSE(expand_long_path("C:\\PROGRA~1/MUSIC", system));
}

TEST(FileExtension, IsTheLastDotOfTheName)
{
    EXPECT_EQ(file_extension("/a.b/c.tar.GRP", '/'), ".GRP");
    EXPECT_EQ(file_extension("/a.b/c", '/'), "");
    EXPECT_EQ(file_extension("C:\\a.b\\c", '\\'), "");
    EXPECT_EQ(file_extension("C:\\x\\c.m3u", '\\'), ".m3u");
}

} // namespace
} // namespace cuedeck::testing

namespace cuedeck::testing {
namespace {

TEST(ProgramOptions, OnlyAFirstWordWithTwoDashesIsAnOptionAndBadOnesAreRefused)
{
    using Kind = ProgramRequest::Kind;
    struct Case
    {
        std::vector<std::string> words;
        Kind kind;
        std::string value;
    };
    const Case cases[] = {
        {{}, Kind::Run, ""},
        {{"my group.grp"}, Kind::Run, ""},
        {{"-platform", "offscreen"}, Kind::Run, ""}, // the toolkit's own
        {{"group.grp", "--help"}, Kind::Run, ""},    // words of a file name
        {{"--help"}, Kind::Help, ""},
        {{"-h"}, Kind::Help, ""},
        {{"--version"}, Kind::Version, ""},
        {{"--command", "next-tip"}, Kind::SendCommand, "next-tip"},
        {{"--command=normal-speed"}, Kind::SendCommand, "normal-speed"},
        {{"--command"}, Kind::Unusable, "--command needs a name; cuedeck --help lists them"},
        {{"--command", "fly"},
         Kind::Unusable,
         "no command is called \"fly\"; cuedeck --help lists them"},
        {{"--command", "zero", "zero"},
         Kind::Unusable,
         "--command takes one name; zero is one too many"},
        {{"--go-to", "[2 00:01:23.4]"}, Kind::GoTo, "[2 00:01:23.4]"},
        {{"--go-to", "Ann:", "[2", "00:01:23.4]"}, Kind::GoTo, "Ann: [2 00:01:23.4]"},
        {{"--go-to=1:23"}, Kind::GoTo, "1:23"},
        {{"--go-to"}, Kind::Unusable, "--go-to needs a place, such as \"[2 00:01:23.4]\" or 1:23"},
        {{"--comand", "zero"},
         Kind::Unusable,
         "unknown option --comand; cuedeck --help lists the options"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"cuedeck"};
        arguments.insert(arguments.end(), c.words.begin(), c.words.end());
        const ProgramRequest request = program_request(arguments);
        EXPECT_EQ(request.kind, c.kind) << ::testing::PrintToString(c.words);
        EXPECT_EQ(request.value, c.value) << ::testing::PrintToString(c.words);
    }
    // --help lists every command by the name --command takes.
    for (const CommandRow& row : command_table()) {
        if (row.name != nullptr) {
            EXPECT_NE(usage_text().find(std::string(" ") + row.name), std::string::npos);
        }
    }
}

// What the program answers without a window, the same on both platforms.
TEST(ProgramOptions, RequestsWithoutAWindowAreAnsweredWithTheirStatus)
{
    using Kind = ProgramRequest::Kind;
    const struct
    {
        ProgramRequest request;
        Delivery delivery;
        std::optional<int> status;
        const char* said; ///< the start of what was said, out or error
        bool sent;
    } cases[] = {
        {{Kind::Run, ""}, Delivery::CarriedOut, std::nullopt, "", false},
        {{Kind::Help, ""}, Delivery::CarriedOut, 0, "Usage", false},
        {{Kind::Version, ""}, Delivery::CarriedOut, 0, "cuedeck 1.", false},
        {{Kind::Unusable, "unknown option --x"},
         Delivery::CarriedOut,
         2,
         "unknown option --x",
         false},
        {{Kind::SendCommand, "zero"}, Delivery::CarriedOut, 0, "", true},
        {{Kind::SendCommand, "zero"},
         Delivery::NoneRunning,
         1,
         "no Cuedeck is running to carry out zero",
         true},
        {{Kind::GoTo, "1:23"},
         Delivery::Refused,
         1,
         "go-to \"1:23\" was not carried out: busy",
         true},
        {{Kind::GoTo, std::string(longest_request_line, 'a')},
         Delivery::CarriedOut,
         1,
         "go-to",
         false},
    };
    for (const auto& c : cases) {
        std::string said;
        bool sent = false;
        const auto status =
            answer_without_window(c.request,
                                  [&](const RequestLine& line, std::string& reason) {
                                      sent = !line(0).empty();
                                      reason = "busy";
                                      return c.delivery;
                                  },
                                  {[&](const std::string& text) { said += text; },
                                   [&](const std::string& line) { said += line; }});
        EXPECT_EQ(status, c.status) << c.request.value.substr(0, 20);
        EXPECT_THAT(said, ::testing::StartsWith(c.said)) << c.request.value.substr(0, 20);
        EXPECT_EQ(sent, c.sent) << c.request.value.substr(0, 20);
    }
}

} // namespace
} // namespace cuedeck::testing
