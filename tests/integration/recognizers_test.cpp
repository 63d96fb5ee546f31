// Recognizers run by the helper program: PocketSphinx for real on speech
// made here, a stand-in whisper-cli given hostile names, a cancel, and each
// failure by its cause.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "files/draft_format.h"
#include "support/temp_dir.h"
#include "system/recognitions.h"

namespace cuedeck::testing {
namespace {

RecognizerChoice choice(RecognizerKind kind, std::string model = {}, std::string language = {},
                        std::string command = {})
{
    return {kind, std::move(model), std::move(language), std::move(command), {}, {}};
}

/// TMPDIR pointed at a folder for as long as this lives.
struct TemporaryFolder
{
    explicit TemporaryFolder(const std::string& folder)
    {
        std::filesystem::create_directories(folder);
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolder() { ::unsetenv("TMPDIR"); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
};

RecognitionState finished(Recognition& recognition)
{
    for (int i = 0; i < 6000; ++i) {
        const RecognitionState state = recognition.state();
        if (state.finished)
            return state;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

/// The recognitions' folders left in the temporary folder (this test's own:
/// see TMPDIR below).
int drafts_left()
{
    int left = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        left += entry.path().filename().string().starts_with("cuedeck-draft-") ? 1 : 0;
    return left;
}

TEST(Recognizers, PocketSphinxDraftsSpeechWithCuesWhereItsPausesAre)
{
    const auto recognizers = helper_recognizers(CUEDECK_TEST_HELPER);
    if (!recognizers->installed(RecognizerKind::PocketSphinx))
        GTEST_SKIP() << "pocketsphinx is not installed";
    TempDir dir;
    // Three phrases, two seconds of silence after each.
    std::string parts;
    for (const char* phrase : {"hello world", "this is a test", "good morning"}) {
        const std::string part = dir.path() + std::to_string(parts.size()) + ".wav";
        ASSERT_EQ(std::system(("espeak-ng -w '" + part + "' '" + phrase + "' && sox '" + part +
                               "' -r 16000 -c 1 '" + part + ".wav' pad 0 2")
                                  .c_str()),
                  0);
        parts += " '" + part + ".wav'";
    }
    const std::string spoken = dir.path() + "spoken tip.wav";
    ASSERT_EQ(std::system(("sox" + parts + " '" + spoken + "'").c_str()), 0);
    const auto made =
        finished(*recognizers->start({spoken, choice(RecognizerKind::PocketSphinx), 0, 0}));
    ASSERT_TRUE(made.finished);
    ASSERT_FALSE(made.trouble) << made.error_lines;
    const Draft draft = read_draft(made.output);
    ASSERT_EQ(draft.cues.size(), 3u) << made.output;
    // Each cue ends before its silence and the next begins after it.
    for (std::size_t i = 0; i + 1 < draft.cues.size(); ++i)
        EXPECT_GE(draft.cues[i + 1].start_ms - draft.cues[i].end_ms, 1500) << i;
}

TEST(Recognizers, ACommandGetsHostileNamesWholeAndEachFailureItsCause)
{
    TempDir dir;
    // The recognitions' folders go here, apart from other tests' run meanwhile;
    // one left by a Cuedeck that was killed goes at the next start.
    std::filesystem::create_directories(dir.path() + "tmp/cuedeck-draft-999999999-abcdef");
    const TemporaryFolder own(dir.path() + "tmp");
    const auto recognizers = helper_recognizers(CUEDECK_TEST_HELPER);
    EXPECT_EQ(drafts_left(), 0);
    const std::string recording = dir.path() + "it's \"a\" tip; $(touch pwned) &\n<ü>.wav";
    ASSERT_EQ(std::system(("sox -q -n -r 8000 -c 1 " + dir.path() +
                           "t.wav synth 4 sine 300 && mv " + dir.path() + "t.wav '" + dir.path() +
                           "it'\\''s \"a\" tip; $(touch pwned) &\n<ü>.wav'")
                              .c_str()),
              0);
    ASSERT_TRUE(std::filesystem::exists(recording));
    // A stand-in whisper-cli: its arguments kept, its SRT written at {output}.
    const std::string stand_in =
        dir.write("whisper-cli",
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + dir.path() +
                      "arguments'\necho 'progress = 50%' >&2\n"
                      "printf '1\\n00:00:00,200 --> 00:00:01,000\\nHello there\\n' > \"$2.srt\"\n");
    std::filesystem::permissions(stand_in, std::filesystem::perms::owner_all);
    const auto run = [&](const std::string& command, int from_ms = 0, int length_ms = 0) {
        return finished(*recognizers->start(
            {recording, choice(RecognizerKind::Command, {}, "de", command), from_ms, length_ms}));
    };
    const auto made =
        run("'" + stand_in + "' {audio} {output} -l {language} {start_ms}+{length_ms}", 1000, 2000);
    ASSERT_FALSE(made.trouble) << made.error_lines;
    EXPECT_EQ(read_draft(made.output).cues, (std::vector<Cue>{{200, 1000, "", "Hello there"}}));
    const auto arguments = TempDir::read(dir.path() + "arguments");
    EXPECT_THAT(arguments,
                ::testing::MatchesRegex(".*/audio.wav\n.*/draft\n-l\nde\n1000\\+2000\n"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "pwned"));

    // Each failure by its cause; nothing left behind.
    EXPECT_EQ(run("no-such-recognizer {audio}").trouble, helper::Trouble::NotInstalled);
    {
        // A machine without PocketSphinx has no model either: not installed, it says.
        const std::string path = std::getenv("PATH");
        ::setenv("PATH", "/nonexistent", 1);
        EXPECT_EQ(
            finished(*recognizers->start({recording, choice(RecognizerKind::PocketSphinx), 0, 0}))
                .trouble,
            helper::Trouble::NotInstalled);
        ::setenv("PATH", path.c_str(), 1);
    }
    const auto failed = run("sh -c 'echo model broke >&2; exit 3'");
    EXPECT_EQ(failed.trouble, helper::Trouble::Failed);
    EXPECT_THAT(failed.error_lines, ::testing::HasSubstr("model broke"));
    EXPECT_EQ(finished(*recognizers->start(
                           {recording, choice(RecognizerKind::WhisperCli, dir.path() + "none.bin"),
                            0, 0}))
                  .trouble,
              helper::Trouble::ModelMissing);
    EXPECT_EQ(run("head -c 60000000 /dev/zero").trouble, helper::Trouble::TooMuch);
    // Cancelled mid-run: no process and no file are left.
    {
        auto running = recognizers->start(
            {recording, choice(RecognizerKind::Command, {}, {}, "sh -c 'sleep 77; true'"), 0, 0});
        for (int i = 0; i < 500 && std::system("pgrep -fx 'sleep 77' > /dev/null") != 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_NE(std::system("pgrep -fx 'sleep 77' > /dev/null"), 0);
    EXPECT_EQ(drafts_left(), 0);
}

} // namespace
} // namespace cuedeck::testing

namespace cuedeck::testing {
namespace {

TEST(Recognizers, AServerOnLoopbackAnswersRefusesHangsAndFloodsBoundedEachTime)
{
    // A stand-in transcription server: each request gets the next answer.
    TempDir dir;
    const std::string server = dir.write("server.py", R"(
import http.server, json, sys, time
answers = ["json", "refuse", "hang", "junk"]
class Answer(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = self.rfile.read(int(self.headers["Content-Length"]))
        open(sys.argv[1] + "seen", "a").write(self.headers.get("Authorization", "-") + " " +
            str(b'name="response_format"' in body and b"verbose_json" in body) + "\n")
        kind = answers.pop(0)
        if kind == "hang":
            time.sleep(30)
            return
        if kind == "refuse":
            self.send_response(503); self.end_headers(); return
        self.send_response(200); self.end_headers()
        if kind == "json":
            self.wfile.write(json.dumps({"text": "Hi", "segments": [
                {"start": 0.5, "end": 1.25, "text": " Hello there"}]}).encode())
        else:
            self.wfile.write(b"\x00\xff junk" * 1000000)
    def log_message(self, *a): pass
httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Answer)
open(sys.argv[1] + "port", "w").write(str(httpd.server_port))
httpd.serve_forever()
)");
    std::system(
        ("python3 '" + server + "' '" + dir.path() + "' & echo $! > '" + dir.path() + "pid'")
            .c_str());
    for (int i = 0; i < 500 && !std::filesystem::exists(dir.path() + "port"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string port = TempDir::read(dir.path() + "port");
    ASSERT_FALSE(port.empty());
    const std::string recording = dir.path() + "tip.wav";
    ASSERT_EQ(std::system(("sox -q -n -r 8000 -c 1 '" + recording + "' synth 2 sine 300").c_str()),
              0);
    const std::string key = dir.write("key", "s3cret\n");
    std::filesystem::permissions(key, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_write);
    const auto recognizers = helper_recognizers(CUEDECK_TEST_HELPER);
    const auto send = [&](const std::string& key_file) {
        RecognizerChoice to_server = choice(RecognizerKind::Server);
        to_server.server = "http://127.0.0.1:" + port + "/v1/audio/transcriptions";
        to_server.key_file = key_file;
        to_server.answer_s = 2;
        return finished(*recognizers->start({recording, to_server, 0, 0}));
    };
    const auto answered = send(key);
    ASSERT_FALSE(answered.trouble) << answered.error_lines;
    EXPECT_EQ(read_draft(answered.output).cues, (std::vector<Cue>{{500, 1250, "", "Hello there"}}));
    EXPECT_EQ(send(key).trouble, helper::Trouble::Refused);
    const auto hung = send(key);
    EXPECT_EQ(hung.trouble, helper::Trouble::NoAnswer);
    EXPECT_THAT(hung.error_lines, ::testing::Not(::testing::HasSubstr("s3cret")));
    const auto junk = send({});
    EXPECT_FALSE(junk.trouble);
    EXPECT_THAT(read_draft(junk.output).cues, ::testing::IsEmpty());
    EXPECT_EQ(TempDir::read(dir.path() + "seen"),
              "Bearer s3cret True\nBearer s3cret True\nBearer s3cret True\n- True\n");
    // A key others may read is not sent.
    std::filesystem::permissions(key, std::filesystem::perms::group_read,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(send(key).trouble, helper::Trouble::KeyExposed);
    std::system(("kill $(cat '" + dir.path() + "pid')").c_str());
}

} // namespace
} // namespace cuedeck::testing
