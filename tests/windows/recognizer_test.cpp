// Make Draft's recognizer on Windows, under Wine: a stand-in whisper-cli.exe
// run without a shell through a command template, given a name with blanks,
// '&', ';', "$( )" and non-ASCII whole, and a stretch; a stop that ends it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

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

} // namespace
} // namespace cuedeck::testing
