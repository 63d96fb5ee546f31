// Make Draft's recognizer on Windows, under Wine: a stand-in whisper-cli.exe
// run without a shell through a command template, given a name with blanks,
// '&', ';', "$( )" and non-ASCII whole, and a stretch; a stop that ends it.
// The template split as Windows splits a command line, the recognizer found
// never in the current folder, and a batch file given what cmd.exe reads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "base/wide_text.h"
#include "files/draft_format.h"
#include "standin.h"
#include "system/recognitions.h"

namespace cuedeck::testing {
namespace {

RecognitionState finished(Recognition& recognition)
{
    RecognitionState state;
    eventually([&] { return (state = recognition.state()).finished; });
    return state.finished ? state : RecognitionState{};
}

/// How many processes of the stand-in run.
int standins_running()
{
    int running = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        running += std::wstring(entry.szExeFile).find(L"whisper_standin") != std::wstring::npos;
    CloseHandle(snapshot);
    return running;
}

RecognizerChoice command(const std::string& template_text)
{
    RecognizerChoice choice;
    choice.kind = RecognizerKind::Command;
    choice.command = template_text;
    return choice;
}

TEST(WindowsRecognizers, ACommandGetsTheRecordingWholeWithItsStretchAndAStopEndsIt)
{
    const auto folder = std::filesystem::temp_directory_path() / L"cuedeck recognizer test";
    std::filesystem::create_directories(folder);
    const auto recording = folder / std::filesystem::path(wide_from_utf8("tip & more; $(x) é.wav"));
    std::ofstream(recording, std::ios::binary) << "RIFF";
    const auto seen = folder / L"seen.txt";
    SetEnvironmentVariableW(L"CUEDECK_STANDIN_SEEN", seen.c_str());
    const std::string standin = program_folder() + "whisper_standin.exe";
    const auto recognizers = windows_recognizers();

    const auto made = finished(*recognizers->start(
        {utf8_from_wide(recording.wstring()),
         command("\"" + standin + "\" -f {audio} -of {output} -ot {start_ms} -d {length_ms}"),
         10'000, 2'000}));
    ASSERT_TRUE(made.finished);
    ASSERT_FALSE(made.trouble) << made.error_lines;
    EXPECT_TRUE(made.times_of_recording);
    EXPECT_EQ(read_draft(made.output).cues,
              (std::vector<Cue>{{10'500, 11'000, "", "from the stand-in"}}));
    std::ifstream arguments(seen, std::ios::binary);
    std::string first, audio;
    std::getline(arguments, first);
    std::getline(arguments, audio);
    EXPECT_EQ(first, "-f");
    EXPECT_EQ(audio, utf8_from_wide(recording.wstring()));

    EXPECT_EQ(finished(*recognizers->start({utf8_from_wide(recording.wstring()),
                                            command("no-such-recognizer.exe {audio}"), 0, 0}))
                  .trouble,
              helper::Trouble::NotInstalled);
    {
        const auto slow = recognizers->start(
            {utf8_from_wide(recording.wstring()), command("\"" + standin + "\" --slow"), 0, 0});
        EXPECT_TRUE(eventually([] { return standins_running() == 1; }));
        EXPECT_FALSE(slow->state().finished);
    } // stopped: destroyed
    EXPECT_EQ(standins_running(), 0);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

/// The lines of a file; none when it is not there.
std::vector<std::string> lines_of(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    std::ifstream read(file, std::ios::binary);
    for (std::string line; std::getline(read, line);)
        lines.push_back(line);
    return lines;
}

/// A copy of the stand-in at `path`, its folders made.
void put_standin(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::copy_file(program_folder() + "whisper_standin.exe", path,
                               std::filesystem::copy_options::overwrite_existing);
}

/// A folder of the test's own, gone with it; the stand-ins it starts tell
/// their arguments (`seen`) and which copy ran (`ran`) into it, and the
/// current folder and PATH it changes are put back.
struct Scratch
{
    explicit Scratch(const wchar_t* name)
        : folder(std::filesystem::temp_directory_path() / name), seen(folder / L"seen.txt"),
          ran(folder / L"ran.txt"), before(std::filesystem::current_path())
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::create_directories(folder);
        SetEnvironmentVariableW(L"CUEDECK_STANDIN_SEEN", seen.c_str());
        SetEnvironmentVariableW(L"CUEDECK_STANDIN_RAN", ran.c_str());
        path.resize(GetEnvironmentVariableW(L"PATH", nullptr, 0));
        path.resize(GetEnvironmentVariableW(L"PATH", path.data(), DWORD(path.size())));
    }
    ~Scratch()
    {
        std::filesystem::current_path(before);
        SetEnvironmentVariableW(L"PATH", path.c_str());
        SetEnvironmentVariableW(L"CUEDECK_STANDIN_RAN", nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    void put_first_on_path(const std::filesystem::path& added) const
    {
        SetEnvironmentVariableW(L"PATH", (added.wstring() + L";" + path).c_str());
    }
    /// What the stand-ins told, forgotten.
    void forget() const
    {
        std::error_code ignored;
        std::filesystem::remove(seen, ignored);
        std::filesystem::remove(ran, ignored);
    }

    std::filesystem::path folder, seen, ran, before;
    std::wstring path;
};

std::string utf8_of(const std::filesystem::path& path)
{
    return utf8_from_wide(path.wstring());
}

TEST(WindowsRecognizers, ATemplateIsSplitAsWindowsProgramsReadTheirCommandLine)
{
    // Given paths with backslashes, bare and quoted (one with blanks, one
    // ending in a backslash), then each reaches the recognizer as written.
    const Scratch scratch(L"cuedeck-template-paths");
    const auto bare = scratch.folder / L"rec" / L"x.exe";
    const auto blank = scratch.folder / L"rec dir" / L"x.exe";
    put_standin(bare);
    put_standin(blank);
    ASSERT_EQ(utf8_of(bare).find(' '), std::string::npos) << "a bare path holds no blank";
    const std::string recording = utf8_of(scratch.folder / L"tip.wav");
    const auto recognizers = windows_recognizers();
    const std::vector<std::pair<std::string, std::vector<std::string>>> table = {
        {utf8_of(bare) + R"( --model c:\models\ggml.bin -f {audio} -of {output})",
         {"--model", R"(c:\models\ggml.bin)", "-f", recording}},
        {"\"" + utf8_of(blank) + R"(" --model "c:\my models\\" -f "{audio}" -of {output})",
         {"--model", R"(c:\my models\)", "-f", recording}},
    };
    for (const auto& [text, expected] : table) {
        scratch.forget();
        const auto made = finished(*recognizers->start({recording, command(text), 0, 0}));
        EXPECT_FALSE(made.trouble) << text;
        auto seen = lines_of(scratch.seen);
        seen.resize(std::min(seen.size(), expected.size()));
        EXPECT_EQ(seen, expected) << text;
    }
}

TEST(WindowsRecognizers, ABareNameIsLookedForBesideCuedeckAndOnThePathNeverInTheCurrentFolder)
{
    const Scratch scratch(L"cuedeck-planted");
    const auto planted = scratch.folder / L"current" / L"whisper-cli.exe";
    const auto installed = scratch.folder / L"installed" / L"whisper-cli.exe";
    put_standin(planted);
    put_standin(installed);
    std::filesystem::current_path(planted.parent_path());
    RecognizerChoice whisper;
    whisper.kind = RecognizerKind::WhisperCli;
    whisper.model = utf8_of(scratch.folder / L"model.bin");
    std::ofstream(scratch.folder / L"model.bin") << "model";
    const RecognitionRequest request{utf8_of(scratch.folder / L"tip.wav"), whisper, 0, 0};
    const auto recognizers = windows_recognizers();

    // Only in the current folder: not installed, and the copy there not run.
    EXPECT_EQ(finished(*recognizers->start(request)).trouble, helper::Trouble::NotInstalled);
    EXPECT_EQ(lines_of(scratch.ran), std::vector<std::string>{});
    // On the PATH too: that one runs.
    scratch.put_first_on_path(installed.parent_path());
    EXPECT_FALSE(finished(*recognizers->start(request)).trouble);
    EXPECT_EQ(lines_of(scratch.ran), std::vector<std::string>{utf8_of(installed)});
}

TEST(WindowsRecognizers, ABatchFileIsGivenNamesCmdReadsQuotedOrIsNotRunAtAll)
{
    // Given a batch recognizer that hands its arguments to the stand-in,
    // and a program "pwn" on the PATH and in the current folder, then a
    // recording named with what cmd.exe reads as commands, escapes and
    // variables reaches the stand-in as it is, or nothing runs and the
    // character is named; "pwn" never runs.
    const Scratch scratch(L"cuedeck-batch");
    const auto batch = scratch.folder / L"rec.bat";
    std::ofstream(batch, std::ios::binary)
        << "@\"" << program_folder() << "whisper_standin.exe\" %*\r\n";
    const auto pwn = scratch.folder / L"bin" / L"pwn.exe";
    put_standin(pwn);
    scratch.put_first_on_path(pwn.parent_path());
    std::filesystem::current_path(pwn.parent_path());
    ASSERT_EQ(utf8_of(scratch.folder).find(' '), std::string::npos)
        << "the recording's path has blanks only where its name has";
    const auto recognizers = windows_recognizers();
    const std::vector<std::pair<std::string, std::string>> names = {
        {"x&pwn&.wav", ""},
        {"a b&pwn&(1)^^x!PATH!|pwn|<in>out,;=\xC3\xA9.wav", ""},
        {"100%PATH%&pwn&.wav", "%"},
        {"say \"hi\"&pwn&.wav", "\""},
        {"a b&pwn&|<>^%TEMP%!()\"\xC3\xA9.wav", "%"},
    };
    for (const auto& [name, refused] : names) {
        scratch.forget();
        const std::string recording = utf8_of(scratch.folder) + "\\" + name;
        const auto made = finished(*recognizers->start(
            {recording, command(utf8_of(batch) + " -f {audio} -of {output}"), 0, 0}));
        ASSERT_TRUE(made.finished) << name;
        if (refused.empty()) {
            EXPECT_FALSE(made.trouble) << name << "\n" << made.error_lines;
            const auto seen = lines_of(scratch.seen);
            EXPECT_EQ(seen.size() > 1 ? seen[1] : "", recording);
            EXPECT_EQ(lines_of(scratch.ran),
                      std::vector<std::string>{program_folder() + "whisper_standin.exe"})
                << name;
        } else {
            EXPECT_EQ(made.trouble, helper::Trouble::UnsafeForBatch) << name;
            EXPECT_EQ(made.refused, refused) << name;
            EXPECT_EQ(lines_of(scratch.ran), std::vector<std::string>{}) << name;
        }
    }
}

} // namespace
} // namespace cuedeck::testing
