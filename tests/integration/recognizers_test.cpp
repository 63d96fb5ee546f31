// Recognizers run by the helper program: PocketSphinx for real on speech
// made here, a stand-in whisper-cli given hostile names, a cancel, and each
// failure by its cause.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "files/draft_format.h"
#include "support/deadline.h"
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
    RecognitionState state;
    eventually([&] { return (state = recognition.state()).finished; });
    return state;
}

/// The processes whose ids the stand-ins wrote into `file`, one a line.
std::vector<pid_t> pids_in(const std::string& file)
{
    std::vector<pid_t> pids;
    std::ifstream lines(file);
    for (pid_t pid = 0; lines >> pid;)
        pids.push_back(pid);
    return pids;
}

/// Whether `pid` still runs (a zombie waiting for its parent does not).
bool runs(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto name_end = line.rfind(')');
    return name_end != std::string::npos && name_end + 2 < line.size() && line[name_end + 2] != 'Z';
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
    const std::string slow = dir.path() + "slow";
    {
        auto running = recognizers->start(
            {recording,
             choice(RecognizerKind::Command, {}, {},
                    "sh -c 'sleep 77 & echo $! > \"$0\"; wait; true' '" + slow + "'"),
             0, 0});
        ASSERT_TRUE(eventually([&] { return !pids_in(slow).empty(); }));
    }
    EXPECT_TRUE(eventually([&] { return !runs(pids_in(slow)[0]); }));
    EXPECT_EQ(drafts_left(), 0);
}

/// The most bytes the files under `folder` held at any one look, looked at
/// all the while this lives.
class LargestSize
{
public:
    explicit LargestSize(std::string folder)
        : m_thread([this, folder = std::move(folder)] {
              while (!m_done) {
                  m_most = std::max(m_most.load(), size_under(folder));
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
              }
          })
    {
    }
    ~LargestSize() { stop(); }
    LargestSize(const LargestSize&) = delete;
    LargestSize& operator=(const LargestSize&) = delete;

    std::uintmax_t most()
    {
        stop();
        return m_most;
    }

private:
    void stop()
    {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    static std::uintmax_t size_under(const std::string& folder)
    {
        std::uintmax_t total = 0;
        std::error_code gone; // a recognition's folder removed meanwhile
        for (auto entry = std::filesystem::recursive_directory_iterator(folder, gone);
             !gone && entry != std::filesystem::recursive_directory_iterator();
             entry.increment(gone)) {
            struct stat file
            {
            };
            if (::lstat(entry->path().c_str(), &file) == 0 && S_ISREG(file.st_mode))
                total += static_cast<std::uintmax_t>(file.st_size);
        }
        return total;
    }

    std::atomic<bool> m_done = false;
    std::atomic<std::uintmax_t> m_most = 0;
    std::thread m_thread;
};

TEST(Recognizers, ARecognizerThatFloodsIsStoppedAtTheLargestDraftAndItsChildrenWithIt)
{
    TempDir dir;
    const TemporaryFolder own(dir.path() + "tmp");
    const auto recognizers = helper_recognizers(CUEDECK_TEST_HELPER);
    const std::string recording = dir.path() + "tip.wav";
    ASSERT_EQ(std::system(("sox -q -n -r 8000 -c 1 '" + recording + "' synth 4 sine 300").c_str()),
              0);
    // Its audio lies beside what it writes: 4 s of 16 kHz, 16-bit.
    constexpr std::uintmax_t room_for_audio = 1 << 20;
    const std::string pids = dir.path() + "pids";
    // Each floods four times the largest draft, unless it is stopped first;
    // the ids of the processes it starts go to $2.
    const std::string four_drafts = std::to_string(4 * max_draft_bytes);
    const std::string flood_out = "yes '00:00:01,000 --> 00:00:02,000' | head -c " + four_drafts;
    struct Flood
    {
        const char* what;
        std::string script;
        bool bounded_as_written; ///< else stopped at the next measure of the folder
    };
    const Flood floods[] = {
        {"its output, silently", "echo $$ >> \"$2\"\n" + flood_out + "\n", true},
        {"its output, while a child it leaves tells progress",
         "(while :; do echo 'progress = 10%' >&2; sleep 0.1; done) &\necho $! >> \"$2\"\n" +
             flood_out + "\n",
         true},
        {"a file of its own, as whisper-cli's -of",
         "echo $$ >> \"$2\"\nhead -c " + four_drafts + " /dev/zero > \"$1.srt\"\n", true},
        {"files of its own, each smaller than a draft",
         "echo $$ >> \"$2\"\nfor i in 1 2 3 4 5 6 7 8; do head -c " +
             std::to_string(max_draft_bytes / 2) + " /dev/zero > \"$1.$i\"; done\n",
         false},
    };
    for (const Flood& flood : floods) {
        SCOPED_TRACE(flood.what);
        std::filesystem::remove(pids);
        const std::string stand_in = dir.write("flood", "#!/bin/sh\n" + flood.script);
        std::filesystem::permissions(stand_in, std::filesystem::perms::owner_all);
        LargestSize held(dir.path() + "tmp");
        const auto made = finished(*recognizers->start(
            {recording,
             choice(RecognizerKind::Command, {}, {}, "'" + stand_in + "' {output} " + pids), 0,
             0}));
        EXPECT_EQ(made.trouble, helper::Trouble::TooMuch);
        if (flood.bounded_as_written) {
            EXPECT_LE(held.most(), max_draft_bytes + room_for_audio);
        }
        EXPECT_EQ(drafts_left(), 0);
        for (const pid_t pid : pids_in(pids)) {
            if (!eventually([&] { return !runs(pid); })) {
                ADD_FAILURE() << "process " << pid << " outlived the job";
                ::kill(pid, SIGKILL);
            }
        }
    }

    // One that ends leaving a child of its own with its outputs: its draft
    // is taken at its end, and the child is ended with it.
    const std::string stand_in =
        dir.write("leaves a child",
                  "#!/bin/sh\nsleep 600 &\necho $! >> \"$2\"\n"
                  "printf '1\\n00:00:00,200 --> 00:00:01,000\\nHello there\\n' > \"$1.srt\"\n");
    std::filesystem::permissions(stand_in, std::filesystem::perms::owner_all);
    std::filesystem::remove(pids);
    const auto made = finished(*recognizers->start(
        {recording, choice(RecognizerKind::Command, {}, {}, "'" + stand_in + "' {output} " + pids),
         0, 0}));
    ASSERT_TRUE(made.finished);
    EXPECT_FALSE(made.trouble) << made.error_lines;
    EXPECT_EQ(read_draft(made.output).cues, (std::vector<Cue>{{200, 1000, "", "Hello there"}}));
    ASSERT_EQ(pids_in(pids).size(), 1u);
    const pid_t child = pids_in(pids)[0];
    if (!eventually([&] { return !runs(child); })) {
        ADD_FAILURE() << "its child outlived the job";
        ::kill(child, SIGKILL);
    }
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
    eventually([&] { return std::filesystem::exists(dir.path() + "port"); });
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
