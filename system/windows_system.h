#pragma once

#include <memory>

#include "system/system.h"

namespace cuedeck {

/// The machine on Windows: the ANSI calls the program was written for.
class BackgroundWriter;

class WindowsSystem : public System
{
public:
    WindowsSystem();
    ~WindowsSystem() override;
    std::string executable_path() override;
    char path_separator() const override { return '\\'; }
    bool has_drive_letters() const override { return true; }
    std::string command_line() override;
    /// "%APPDATA%\\Cuedeck\\", where an installed copy may write; empty (beside
    /// the program) for a portable copy, one with a file named `portable`
    /// beside it, or where there is no such folder.
    std::string settings_directory() override;
    /// The marker of a portable copy, beside the program.
    static constexpr const char* portable_marker = "portable";
    bool make_directories(const std::string& path) override;
    std::optional<std::string> read_file(const std::string& path) override;
    std::optional<std::string> read_start(const std::string& path, std::size_t bytes) override;
    std::optional<FileStamp> file_stamp(const std::string& path) override;
    Written replace_file(const std::string& path, const std::string& contents) override;
    void replace_file_later(const std::string& path, std::string contents) override;
    bool remove_file(const std::string& path) override;
    /// "%LOCALAPPDATA%\\Cuedeck\\": this machine's, never carried to another.
    std::string state_directory() override;
    bool hold_lock(const std::string& path) override;
    FileProblem local_file_problem(const std::string& path) override;
    std::optional<std::string> stored_name(const EntryQuery& query) override;
    std::optional<std::vector<std::string>> folder_entries(const std::string& folder) override;
    void play_sound_detached(const std::string& path) override;
    void play_sound_async(const std::string& path) override;

    /// The command line that plays an alarm file through the media control.
    static std::string alarm_command(const std::string& path);

private:
    std::unique_ptr<BackgroundWriter> m_writer;
};

} // namespace cuedeck
