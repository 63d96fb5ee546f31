// The installed program as a user's desktop runs it: its own process, its
// own mpv, ended from outside.
#include <gtest/gtest.h>

#include "program.h"

namespace cuedeck::testing {
namespace {

TEST(Program, EndsOnTerminationSignalsWithThePlayerClosedAndTheSettingsWritten)
{
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        // Given a remembered group whose playlist is gone: a question is open at the start.
        TempDir dir;
        const std::string group = dir.write("my group.grp", "/music/none.m3u\n2\n0:03\n");
        std::filesystem::create_directories(dir.path() + "config/cuedeck");
        dir.write("config/cuedeck/cuedeck.dat", "Openfile\n" + group + "\n");
        Program program(dir, {});
        ASSERT_TRUE(program.running());
        ASSERT_TRUE(player_listens(dir)) << "the program did not start mpv";

        program.signal(number);
        EXPECT_EQ(program.wait_for_exit(), 0) << "signal " << number;
        EXPECT_TRUE(process_gone(Program::socket(dir))) << "mpv still runs";
        EXPECT_EQ(TempDir::read(dir.path() + "config/cuedeck/cuedeck.dat")
                      .substr(0, 9 + group.size() + 1),
                  "Openfile\n" + group + "\n");
        EXPECT_EQ(TempDir::read(group), "/music/none.m3u\n2\n0:03\n"); // left as it was
    }
}

TEST(Program, ASecondStartHandsItsFileToTheRunningCopyAndEnds)
{
    TempDir dir;
    TestRecordings recordings(dir, 3);
    ASSERT_TRUE(recordings.ok);
    const std::string first_group = dir.write("one.grp", recordings.playlist + "\n2\n0:01\n");
    const std::string second_group =
        dir.write("two & <b>more</b>\nlines.grp", recordings.playlist + "\n3\n0:02\n");
    Program first(dir, {first_group});
    ASSERT_TRUE(player_listens(dir));
    MpvProbe probe(Program::socket(dir));
    ASSERT_TRUE(probe.wait_for_number("playlist-pos", 1));

    Program second(dir, {second_group});
    EXPECT_EQ(second.wait_for_exit(), 0);
    EXPECT_TRUE(probe.wait_for_number("playlist-pos", 2));
    EXPECT_EQ(processes_running_with(Program::socket(dir)), 1);

    // What is no request of ours is refused by a short name; silence is not waited for.
    const std::string channel = Program::runtime(dir) + "/cuedeck/cuedeck.socket";
    const auto soon = [] { return UnixSocket::Clock::now() + std::chrono::seconds(10); };
    UnixSocket stranger;
    ASSERT_TRUE(stranger.connect(channel));
    stranger.send_all("GET / HTTP/1.1 and a long line after it\r\n", soon());
    std::string answer, more;
    while (answer.find('\n') == std::string::npos &&
           stranger.receive(more, soon()) == UnixSocket::Status::Ok)
        answer += std::exchange(more, {});
    EXPECT_EQ(answer, "refused unknown request: GET / HTTP/1.1 and a long line a\n");
    UnixSocket silent;
    ASSERT_TRUE(silent.connect(channel));
    EXPECT_EQ(silent.receive(more, soon()), UnixSocket::Status::Closed);

    first.signal(SIGTERM);
    EXPECT_EQ(first.wait_for_exit(), 0);
    EXPECT_TRUE(process_gone(Program::socket(dir)));
}

TEST(Program, TwoStartsAtTheSameMomentMakeOneCopyWithOnePlayer)
{
    TempDir dir;
    const std::string group = dir.write("one.grp", "/music/none.m3u\n1\n0:00\n");
    Program one(dir, {group});
    Program two(dir, {group});
    std::optional<int> ended;
    eventually([&] { return (ended = one.exited_now()) || (ended = two.exited_now()); });
    EXPECT_EQ(ended, 0);
    // The copy that ended had started any player of its own before it ended,
    // and the one left has its own listening: a second would be counted now.
    ASSERT_TRUE(player_listens(dir));
    EXPECT_EQ(processes_running_with(Program::socket(dir)), 1);
    EXPECT_TRUE(one.running() != two.running());
    one.signal(SIGTERM);
    two.signal(SIGTERM);
}

} // namespace
} // namespace cuedeck::testing
