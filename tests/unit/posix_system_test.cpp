#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <tuple>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "files/command_line.h"
#include "support/deadline.h"
#include "support/temp_dir.h"
#include "system/atomic_file.h"
#include "system/background_writer.h"
#include "system/input_devices.h"
#include "system/posix_system.h"

namespace cuedeck::testing {
namespace {

std::size_t entries_in(const std::string& directory)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory),
                                                  std::filesystem::directory_iterator()));
}

TEST(AtomicFile, ReplacesTheWholeFile)
{
    TempDir dir;
    const std::string path = dir.write("group.grp", "old contents that are longer\n");
    ASSERT_TRUE(AtomicFile::replace(path, "new\n"));
    EXPECT_EQ(TempDir::read(path), "new\n");
    EXPECT_EQ(entries_in(dir.path()), 1u); // no temporary left behind
}

TEST(AtomicFile, FailsWithoutTouchingAnythingWhereItCannotWrite)
{
    TempDir dir;
    EXPECT_FALSE(AtomicFile::replace(dir.path() + "missing/group.grp", "x"));
    EXPECT_FALSE(AtomicFile::replace(dir.path(), "x")); // a directory's own name
    // Each says why, for the message that names the file.
    PosixSystem system({"/usr/bin/cuedeck"});
    EXPECT_EQ(system.replace_file(dir.path() + "missing/group.grp", "x").failure,
              "its folder does not exist");
    EXPECT_EQ(system.replace_file(dir.path(), "x").failure, "a folder has that name");
    const std::string kept = dir.write("kept.grp", "mine\n");
    std::filesystem::permissions(kept, std::filesystem::perms(0444));
    EXPECT_EQ(system.replace_file(kept, "x").failure, "the file is read-only");
}

TEST(AtomicFile, AnUncommittedWriteLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.write("group.grp", "/music/a.m3u\n3\n1:00\n");
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.write("/music/b.m3u\n"));
    }
    EXPECT_EQ(TempDir::read(path), "/music/a.m3u\n3\n1:00\n");
    EXPECT_EQ(entries_in(dir.path()), 1u);
}

TEST(AtomicFile, AProcessKilledDuringTheSaveLeavesTheOldFileByteIdentical)
{
    TempDir dir;
    const std::string old_contents = "/music/a.m3u\n3\n1:00\n";
    const std::string path = dir.write("group.grp", old_contents);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFile file(path);
        file.write(std::string(1 << 20, 'x'));
        ::raise(SIGKILL); // dies before the rename
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(TempDir::read(path), old_contents);
}

TEST(AtomicFile, ReachesTheDiskBeforeItReplacesTheOldFileAndFlushesTheFolderAfter)
{
    // The real calls, each named as it is made.
    struct Recorded : DiskCalls
    {
        std::vector<std::string> calls;
        int file = -1;
        int make_temporary(char* pattern) override
        {
            calls.push_back("make");
            return file = DiskCalls::make_temporary(pattern);
        }
        ssize_t write(int fd, const void* bytes, std::size_t count) override
        {
            calls.push_back(fd == file ? "write" : "write elsewhere");
            return DiskCalls::write(fd, bytes, count);
        }
        int flush(int fd) override
        {
            calls.push_back(fd == file ? "flush" : "flush elsewhere");
            return DiskCalls::flush(fd);
        }
        int close(int fd) override
        {
            calls.push_back("close");
            return DiskCalls::close(fd);
        }
        int rename(const char* from, const char* to) override
        {
            calls.push_back("rename");
            return DiskCalls::rename(from, to);
        }
        int flush_folder(const char* folder) override
        {
            calls.push_back(std::string("flush folder ") + folder);
            return DiskCalls::flush_folder(folder);
        }
    } disk;
    TempDir dir;
    const std::string path = dir.write("group.grp", "old\n");
    AtomicFile file(path, disk);
    ASSERT_TRUE(file.write("new\n") && file.commit());
    EXPECT_THAT(disk.calls, ::testing::ElementsAre("make", "write", "flush", "close", "rename",
                                                   "flush folder " + dir.path()));
    EXPECT_EQ(TempDir::read(path), "new\n");
}

TEST(BackgroundWriter, WritesTheNewestContentsAndLetsTheEndWaitForThem)
{
    TempDir dir;
    const std::string path = dir.path() + "place";
    std::vector<std::string> written;
    {
        BackgroundWriter writer([&written](const std::string& to, const std::string& contents) {
            written.push_back(contents);
            return AtomicFile::replace(to, contents) ? Written{} : Written{"failed"};
        });
        for (int i = 0; i <= 100; ++i)
            writer.replace_later(path, std::to_string(i));
    }
    // The first may have gone at once; the others had to wait a second, so
    // only the newest of them is written, at the end.
    ASSERT_GE(written.size(), 1u);
    EXPECT_LE(written.size(), 2u);
    EXPECT_EQ(TempDir::read(path), "100");
}

TEST(BackgroundWriter, ARemovedFileStaysRemoved)
{
    TempDir dir;
    PosixSystem system({"/usr/bin/cuedeck"});
    const std::string path = dir.path() + "place";
    for (int i = 0; i < 3; ++i)
        system.replace_file_later(path, "place " + std::to_string(i));
    EXPECT_TRUE(system.remove_file(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(entries_in(dir.path()), 0u); // nor a temporary
}

TEST(AtomicFile, ReplacesTheTargetOfALinkAndKeepsTheLink)
{
    TempDir dir;
    const std::string target = dir.write("real/group.grp", "old\n");
    std::filesystem::create_directory(dir.path() + "links");
    std::filesystem::create_symlink("../real/group.grp", dir.path() + "links/group.grp");
    ASSERT_TRUE(AtomicFile::replace(dir.path() + "links/group.grp", "new\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "links/group.grp"));
    EXPECT_EQ(TempDir::read(target), "new\n");
    EXPECT_EQ(entries_in(dir.path() + "links"), 1u);
}

TEST(AtomicFile, LeavesAReadOnlyFileAlone)
{
    TempDir dir;
    const std::string path = dir.write("group.grp", "mine\n");
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    EXPECT_FALSE(AtomicFile::replace(path, "new\n"));
    EXPECT_EQ(TempDir::read(path), "mine\n");
}

TEST(AtomicFile, KeepsTheModeOfTheFileItReplaces)
{
    TempDir dir;
    const std::string path = dir.write("cuedeck.dat", "x");
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(AtomicFile::replace(path, "y"));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST(PosixSystem, JoinsTheArgumentsAfterTheProgramName)
{
    PosixSystem system({"/usr/bin/cuedeck", "/home/ann/My", "Groups/one.grp"});
    EXPECT_EQ(system.command_line(), "\"/usr/bin/cuedeck\" /home/ann/My Groups/one.grp");
    EXPECT_EQ(command_line_argument(system.command_line()), "/home/ann/My Groups/one.grp");
    EXPECT_EQ(command_line_argument(PosixSystem({"cuedeck"}).command_line()), "");
}

TEST(PosixSystem, FindsItsOwnExecutable)
{
    PosixSystem system({"whatever"});
    EXPECT_EQ(system.executable_path(), std::filesystem::canonical("/proc/self/exe").string());
}

TEST(PosixSystem, ReadsFilesWholeAndReportsMissingOnes)
{
    TempDir dir;
    const std::string contents("a\r\nb\0c", 6);
    const std::string path = dir.write("f.txt", contents);
    PosixSystem system({"cuedeck"});
    EXPECT_EQ(system.read_file(path), contents);
    EXPECT_FALSE(system.read_file(dir.path() + "missing"));
}

TEST(PosixSystem, ReadsOnlyRegularFilesOfAtMostAMebibyte)
{
    TempDir dir;
    PosixSystem system({"cuedeck"});
    ASSERT_EQ(::mkfifo((dir.path() + "fifo.grp").c_str(), 0600), 0);
    EXPECT_FALSE(system.read_file(dir.path() + "fifo.grp")); // returns, nobody writes it
    EXPECT_FALSE(system.read_file(dir.path()));
    EXPECT_FALSE(system.read_file("/dev/zero"));
    std::filesystem::create_symlink("/dev/zero", dir.path() + "zero.grp");
    EXPECT_FALSE(system.read_file(dir.path() + "zero.grp"));
    EXPECT_TRUE(system.read_file(dir.write("limit", std::string(System::max_file_size, 'x'))));
    EXPECT_FALSE(system.read_file(dir.write("big", std::string(System::max_file_size + 1, 'x'))));

    // Only such files reach a player, by their full path; others are named by what they are.
    EXPECT_TRUE(system.is_local_file(dir.path() + "limit"));
    const std::pair<std::string, FileProblem> others[] = {
        {"av://lavfi:sine", FileProblem::NotLocal},
        {"limit", FileProblem::NotLocal},
        {"", FileProblem::NotLocal},
        {dir.path(), FileProblem::Folder},
        {dir.path() + "fifo.grp", FileProblem::NotRegular},
        {"/dev/zero", FileProblem::NotRegular},
        {dir.path() + "missing.wav", FileProblem::Missing},
        {dir.path() + "limit/below", FileProblem::Missing}};
    for (const auto& [other, problem] : others)
        EXPECT_EQ(system.local_file_problem(other), problem) << other;

    // A folder lists every name but its own two.
    auto names = system.folder_entries(dir.path());
    ASSERT_TRUE(names);
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"big", "fifo.grp", "limit", "zero.grp"}));
    EXPECT_FALSE(system.folder_entries(dir.path() + "limit/"));
}

TEST(PosixSystem, KeepsTheSettingsInTheUsersConfigFolder)
{
    TempDir dir;
    PosixSystem system({"cuedeck"});
    const std::string config = dir.path() + "config";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(system.settings_directory(), config + "/cuedeck/");
    EXPECT_TRUE(system.make_directories(system.settings_directory()));
    EXPECT_EQ(std::filesystem::status(config + "/cuedeck").permissions(),
              std::filesystem::perms(0700));
    ::setenv("XDG_CONFIG_HOME", "", 1); // empty or relative: ~/.config
    ::setenv("HOME", dir.path().c_str(), 1);
    EXPECT_EQ(system.settings_directory(), dir.path() + "/.config/cuedeck/");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(system.settings_directory(), dir.path() + "/.config/cuedeck/");
    EXPECT_FALSE(system.make_directories(dir.write("file", "x") + "/below"));
}

class LongPaths : public ::testing::Test
{
protected:
    LongPaths()
    {
        dir.write("Tape Groups/Group One.grp", "x");
        dir.write("Tape Groups/notes.TXT", "x");
    }
    TempDir dir;
    PosixSystem system{{"cuedeck"}};
};

TEST_F(LongPaths, ResolveEachComponentIgnoringCase)
{
    const std::string typed = dir.path() + "TAPE GROUPS/group one.GRP";
    EXPECT_EQ(expand_long_path(typed, system), dir.path() + "Tape Groups/Group One.grp");
}

TEST_F(LongPaths, PreferTheExactName)
{
    dir.write("Tape Groups/group one.grp", "y");
    EXPECT_EQ(expand_long_path(dir.path() + "Tape Groups/group one.grp", system),
              dir.path() + "Tape Groups/group one.grp");
    // Two candidates ignoring case: the first in byte order.
    EXPECT_EQ(expand_long_path(dir.path() + "Tape Groups/GROUP ONE.GRP", system),
              dir.path() + "Tape Groups/Group One.grp");
}

TEST_F(LongPaths, KeepDoubleSlashesAndDots)
{
    const std::string typed = dir.path() + "./tape groups//../Tape Groups/notes.txt";
    EXPECT_EQ(expand_long_path(typed, system),
              dir.path() + "./Tape Groups//../Tape Groups/notes.TXT");
}

TEST_F(LongPaths, FailForMissingEntriesAndTrailingSlashes)
{
    EXPECT_FALSE(expand_long_path(dir.path() + "Tape Groups/missing.grp", system));
    EXPECT_FALSE(expand_long_path(dir.path() + "Tape Groups/", system));
    EXPECT_FALSE(expand_long_path(dir.path() + "nowhere/x", system));
}

TEST_F(LongPaths, ResolveRelativeNamesInTheCurrentDirectory)
{
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path() + "Tape Groups");
    EXPECT_EQ(expand_long_path("GROUP ONE.GRP", system), "Group One.grp");
    std::filesystem::current_path(previous);
}

TEST(AlarmPlayer, GetsThePathAsOneArgumentThatNoShellSees)
{
    TempDir dir;
    const std::string out = dir.path() + "argument";
    const std::string witness = "pwned-" + std::to_string(::getpid());
    // The stand-in player writes the argument it got to a file.
    PosixSystem system({"cuedeck"}, {"/bin/sh", "-c", "printf '%s' \"$1\" > '" + out + "'", "sh"});
    const std::string hostile =
        dir.write("my \"bell\"; touch " + witness + " $(touch " + witness + ") & <i>.wav", "RIFF");
    system.play_sound_detached(hostile);
    eventually([&] { return TempDir::read(out) == hostile; });
    EXPECT_EQ(TempDir::read(out), hostile);
    EXPECT_FALSE(std::filesystem::exists(witness));
}

TEST(InputDevices, ListedByTheirStableNamesWithNameAndVendorAndFoundByEitherPath)
{
    // A made-up /dev/input and /sys/class/input: a pedal with a stable name,
    // a keyboard without one, and a mouse interface that is no event device.
    TempDir dir;
    const std::string dev = dir.path() + "dev/input/";
    const std::string sys = dir.path() + "sys/class/input/";
    for (const auto& [event, name, vendor, product] :
         {std::tuple{"event12", "VEC VEC USB Footpedal", "05f3", "00ff"},
          std::tuple{"event2", "AT Translated Set 2 keyboard", "0001", "0001"}}) {
        dir.write(std::string("dev/input/") + event, "");
        dir.write(std::string("sys/class/input/") + event + "/device/name",
                  std::string(name) + "\n");
        dir.write(std::string("sys/class/input/") + event + "/device/id/vendor", vendor);
        dir.write(std::string("sys/class/input/") + event + "/device/id/product", product);
    }
    dir.write("sys/class/input/mouse0/device/name", "mouse\n");
    std::filesystem::create_directories(dev + "by-id");
    std::filesystem::create_symlink("../event12", dev + "by-id/usb-VEC_USB_Footpedal-event-if00");
    std::filesystem::create_symlink("../mouse0", dev + "by-id/usb-VEC_USB_Footpedal-mouse");

    const auto listed = input_devices(dev, sys);
    EXPECT_THAT(listed,
                ::testing::ElementsAre(
                    InputDevice{dev + "event2", "AT Translated Set 2 keyboard", "0001:0001"},
                    InputDevice{dev + "by-id/usb-VEC_USB_Footpedal-event-if00",
                                "VEC VEC USB Footpedal", "05f3:00ff"}));
    EXPECT_EQ(input_device_at(dev + "event12", listed), listed[1]); // the node behind the name
    EXPECT_EQ(input_device_at(dev + "event99", listed), std::nullopt);
    EXPECT_TRUE(input_devices(dir.path() + "none", dir.path() + "none").empty());
}

} // namespace
} // namespace cuedeck::testing
