#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/system.h"

namespace cuedeck {

class BackgroundWriter;
class EventSound;

/// The machine on Linux and other POSIX systems.
class PosixSystem : public System
{
public:
    /// The alarm's separate player: the path is appended as the last argument.
    static std::vector<std::string> default_alarm_player();

    /// `arguments` is the process's argument vector, program name first.
    explicit PosixSystem(std::vector<std::string> arguments,
                         std::vector<std::string> alarm_player = default_alarm_player());
    ~PosixSystem() override;

    std::string executable_path() override;
    char path_separator() const override { return '/'; }
    bool has_drive_letters() const override { return false; }
    std::string command_line() override;
    /// $XDG_CONFIG_HOME/cuedeck/, else ~/.config/cuedeck/.
    std::string settings_directory() override;
    bool make_directories(const std::string& path) override;
    std::optional<std::string> read_file(const std::string& path) override;
    std::optional<std::string> read_start(const std::string& path, std::size_t bytes) override;
    std::optional<FileStamp> file_stamp(const std::string& path) override;
    Written replace_file(const std::string& path, const std::string& contents) override;
    void replace_file_later(const std::string& path, std::string contents) override;
    bool remove_file(const std::string& path) override;
    /// $XDG_STATE_HOME/cuedeck/, else ~/.local/state/cuedeck/.
    std::string state_directory() override;
    bool hold_lock(const std::string& path) override;
    FileProblem local_file_problem(const std::string& path) override;
    std::optional<std::string> stored_name(const EntryQuery& query) override;
    std::optional<std::vector<std::string>> folder_entries(const std::string& folder) override;
    void play_sound_detached(const std::string& path) override;
    void play_sound_async(const std::string& path) override;

private:
    std::vector<std::string> m_arguments;
    std::vector<std::string> m_alarm_player;
    std::unique_ptr<EventSound> m_event_sound;
    std::unique_ptr<BackgroundWriter> m_writer;
};

/// The desktop's event sounds (libcanberra): a sound theme's event name
/// first, then a file; sounds overlap rather than cut each other off.
class EventSound
{
public:
    EventSound();
    ~EventSound();
    EventSound(const EventSound&) = delete;
    EventSound& operator=(const EventSound&) = delete;
    /// Start the sound and return at once; false when it could not start.
    bool play(const std::string& name_or_path);

private:
    struct Context;
    std::unique_ptr<Context> m_context;
};

/// A folder of ours under an XDG base folder ("XDG_CACHE_HOME", ".cache"):
/// "<base>/cuedeck/"; empty when there is no home to put it in.
std::string xdg_folder(const char* variable, const char* under_home);

/// The whole of a regular file of at most `most_bytes`, or nothing when it
/// cannot be read: missing, a folder, a device, a pipe (never waited on), a
/// read error, or larger (also one that grows past it while read).
/// `follow_links`: false to read nothing through a link.
std::optional<std::string> read_regular_file(const std::string& path, std::size_t most_bytes,
                                             bool follow_links = true);

} // namespace cuedeck
