#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/command_line.h"

namespace cuedeck {

/// Whether a file was written; when not, why, in a few words for the user
/// ("permission denied", "the disk is full").
struct Written
{
    std::string failure; ///< empty when written
    explicit operator bool() const { return failure.empty(); }
};

/// Why a path is no file to open or hand to the player.
enum class FileProblem {
    None,
    NotLocal, ///< a URL, a protocol, or no full path
    Missing,  ///< nothing of that name
    Folder,
    NotRegular,   ///< a device, a pipe, a socket
    NoPermission, ///< there, but we may not read it
    TooLarge,     ///< larger than the files read whole may be
};

/// What tells a file's versions apart: its size and when it was last written.
struct FileStamp
{
    std::int64_t size = 0;
    std::int64_t modified = 0; ///< in the system's own units

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

/// Everything the core needs from the operating system.
///
/// The controller and the file code reach the machine only through this, so
/// the whole run can be driven in tests by a fake that answers at once (no
/// real sleeping, no processes, files in memory).
class System : public DirectoryEntries
{
public:
    /// Full path of the running program.
    virtual std::string executable_path() = 0;
    /// The process's command line, program name first.
    virtual std::string command_line() = 0;

    /// Where the settings live, ending with a separator; empty when they
    /// live beside the program.
    virtual std::string settings_directory() { return {}; }
    /// Make `path` and any missing parents, private to the user; true when it
    /// is a directory afterwards.
    virtual bool make_directories(const std::string& path) = 0;

    /// The whole of a regular file of at most max_file_size bytes, or nothing
    /// when it cannot be read (missing, a folder, a device, a pipe, too big).
    virtual std::optional<std::string> read_file(const std::string& path) = 0;
    static constexpr std::size_t max_file_size = std::size_t{1024} * 1024;
    /// At most the first `bytes` of a regular file, or nothing when it cannot
    /// be read; to tell what kind of file it is.
    virtual std::optional<std::string> read_start(const std::string& path, std::size_t bytes) = 0;
    /// The stamp of a regular file; nothing when there is none at `path`.
    virtual std::optional<FileStamp> file_stamp(const std::string& path) = 0;
    /// Replace the file with `contents` (text, '\n' line ends translated the
    /// platform's way), all or nothing: on failure the old file is untouched.
    /// A link is followed: its target gets the new contents, the link stays.
    virtual Written replace_file(const std::string& path, const std::string& contents) = 0;
    /// The same from a thread of its own (see BackgroundWriter): returns at
    /// once, newer contents take the place of any not yet written, and a
    /// file is written at most once a second. For a file that changes with
    /// every step of the work, never on the path of a key.
    virtual void replace_file_later(const std::string& path, std::string contents) = 0;
    /// Remove the file, once a write of it under way has finished (what
    /// waits to be written to it is dropped); true when it is gone.
    virtual bool remove_file(const std::string& path) = 0;
    /// Where the run keeps what it needs to resume after a crash, ending
    /// with a separator; empty when there is no such place.
    virtual std::string state_directory() { return {}; }
    /// Hold the lock file at `path` for the rest of the run (however the
    /// run ends, the system lets it go); false when another process holds it.
    virtual bool hold_lock(const std::string& path) = 0;
    /// Why `path` does not name an existing regular file on this machine by
    /// its full path that we may read, or None when it does. Only such files
    /// are handed to a player: never a URL, a protocol, a device or a folder.
    virtual FileProblem local_file_problem(const std::string& path) = 0;
    /// The names in a folder (`folder` ends with a separator), in no order,
    /// without "." and ".."; nothing when it cannot be listed.
    virtual std::optional<std::vector<std::string>> folder_entries(const std::string& folder) = 0;
    bool is_local_file(const std::string& path)
    {
        return local_file_problem(path) == FileProblem::None;
    }

    /// Alarm method 0: a separate program plays the file once, detached.
    virtual void play_sound_detached(const std::string& path) = 0;
    /// Alarm method 1: the system's own asynchronous sound call.
    virtual void play_sound_async(const std::string& path) = 0;
};

} // namespace cuedeck
