// Cuedeck driven from outside its window, by programs we did not write:
// playerctl and dbus-send over the desktop's media interface, and its own
// --command. Runs on a private session bus (dbus-run-session).
#include <gtest/gtest.h>

#include <QUrl>
#include <cstdio>

#include <algorithm>

#include "program.h"

namespace cuedeck::testing {
namespace {

struct Outcome
{
    int status = -1;
    std::string output; ///< standard output and error
};

Outcome run(const std::string& command)
{
    Outcome outcome;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        outcome.output += buffer;
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

TEST(DesktopRemote, PlayerctlDbusSendAndTheCommandLineDriveTheRunningCopy)
{
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run under dbus-run-session";
    TempDir dir;
    TestRecordings recordings(dir);
    ASSERT_TRUE(recordings.ok);
    const std::string group = dir.write("group.grp", recordings.playlist + "\n2\n0:01\n");
    std::filesystem::create_directories(dir.path() + "config/cuedeck");
    dir.write("config/cuedeck/cuedeck.dat", "BackTime\n2\n");
    Program program(dir, {group}, true);
    ASSERT_TRUE(player_listens(dir));
    MpvProbe mpv(Program::socket(dir));
    ASSERT_TRUE(mpv.wait_for_number("playlist-pos", 1));
    const std::string playerctl = "playerctl -p cuedeck ";
    ASSERT_TRUE(eventually([&] { return run(playerctl + "status").output == "Paused\n"; }));
    // Commands are carried out after the bus call has returned; a later call
    // is answered only after them, so asking the status waits them out.
    const auto done = [&] { run(playerctl + "status"); };

    // Play, then pause: the pause steps back by the back time (2 s) from
    // wherever the pause found it.
    EXPECT_EQ(run(playerctl + "play-pause").status, 0);
    EXPECT_TRUE(eventually([&] { return mpv.number("time-pos") >= 3.0; }));
    const double playing_at = mpv.number("time-pos");
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(run(playerctl + "play-pause").status, 0);
    done();
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - asked;
    EXPECT_TRUE(mpv.flag("pause"));
    const double paused_at = mpv.number("time-pos");
    // mpv reports a paused place up to its output latency short.
    EXPECT_GT(paused_at, playing_at - 2.5);
    EXPECT_LT(paused_at, playing_at + since.count() - 1.3);
    EXPECT_EQ(run(playerctl + "status").output, "Paused\n");

    EXPECT_EQ(run(playerctl + "next").status, 0);
    done();
    EXPECT_EQ(mpv.number("playlist-pos"), 2);
    // What the window shows of the new tip follows once mpv has loaded it.
    const std::string third = "file://" +
                              QUrl::fromLocalFile(QString::fromStdString(recordings.tracks[2]))
                                  .path(QUrl::FullyEncoded)
                                  .toStdString() +
                              "\n";
    EXPECT_TRUE(eventually([&] { return run(playerctl + "metadata xesam:url").output == third; }))
        << run(playerctl + "metadata xesam:url").output;
    // It can seek once its length is known (mpv tells it after the file's
    // name); playerctl refuses a position before.
    EXPECT_TRUE(eventually([&] {
        const auto length = run(playerctl + "metadata mpris:length");
        return length.status == 0 && !length.output.empty() && length.output != "0\n";
    }));
    EXPECT_EQ(run(playerctl + "position 1.5").status, 0);
    done();
    EXPECT_NEAR(mpv.number("time-pos"), 1.5, 0.25);
    EXPECT_EQ(run(playerctl + "position 2+").status, 0); // a seek, from where it is
    done();
    EXPECT_NEAR(mpv.number("time-pos"), 3.5, 0.25);
    // Play twice plays (the second does not pause); Stop pauses.
    run(playerctl + "play");
    run(playerctl + "play");
    done();
    EXPECT_FALSE(mpv.flag("pause"));
    run(playerctl + "stop");
    done();
    EXPECT_TRUE(mpv.flag("pause"));

    const std::string rate =
        "dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.cuedeck "
        "/org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.";
    run(rate + "Set string:org.mpris.MediaPlayer2.Player string:Rate variant:double:0.8");
    done();
    EXPECT_EQ(mpv.number("speed"), 0.8);
    EXPECT_TRUE(mpv.flag("audio-pitch-correction"));
    EXPECT_NE(run(rate + "Get string:org.mpris.MediaPlayer2.Player string:Rate")
                  .output.find("double 0.8"),
              std::string::npos);

    // Listeners hear of a change (which changes, and only once, the unit
    // tables show).
    const std::string heard = dir.path() + "heard.txt";
    std::system(("timeout 20 dbus-monitor --session \"member='PropertiesChanged'\" > " +
                 quoted(heard) + " 2>&1 &")
                    .c_str());
    // The monitor has listened since it lost its own name.
    ASSERT_TRUE(eventually(
        [&] { return TempDir::read(heard).find("member=NameLost") != std::string::npos; }));
    run(rate + "Set string:org.mpris.MediaPlayer2.Player string:Rate variant:double:0.7");
    EXPECT_TRUE(eventually([&] {
        return TempDir::read(heard).find("double 0.7") != std::string::npos;
    })) << TempDir::read(heard);

    // The same channel from the command line.
    const std::string cuedeck = "XDG_RUNTIME_DIR=" + quoted(Program::runtime(dir)) + " " +
                                quoted(CUEDECK_PROGRAM) + " --command ";
    EXPECT_EQ(run(cuedeck + "last-tip").status, 0);
    EXPECT_EQ(mpv.number("playlist-pos"), 1);
    EXPECT_EQ(run(cuedeck + "faster").status, 0);
    EXPECT_EQ(mpv.number("speed"), 0.8);
    const Outcome unknown = run(cuedeck + "fly");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(std::count(unknown.output.begin(), unknown.output.end(), '\n'), 1);

    program.signal(SIGTERM);
    EXPECT_EQ(program.wait_for_exit(), 0);
    const Outcome none = run(cuedeck + "zero");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.output, "cuedeck: no Cuedeck is running to carry out zero\n");
}

} // namespace
} // namespace cuedeck::testing
