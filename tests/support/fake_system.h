#pragma once

#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "files/playlist_format.h"
#include "system/system.h"

namespace cuedeck::testing {

/// A machine in memory: files in a map, a directory tree of stored names,
/// sounds that are only recorded.
class FakeSystem : public System
{
public:
    std::string exe_path = "/opt/cuedeck/cuedeck";
    char separator = '/';
    bool drive_letters = false;
    std::string command = "cuedeck";
    std::map<std::string, std::string> files;
    std::set<std::string> unwritable; ///< paths whose replace_file fails
    /// What is wrong with paths that are no local file. Others are local files
    /// (a .grp only when it is in `files`); a playlist not in `files` is empty.
    std::map<std::string, FileProblem> problems;
    std::string settings_folder;  ///< empty: the settings live beside the program
    std::string state_folder;     ///< empty: no journal of the place
    std::set<std::string> locked; ///< lock files another process holds
    std::set<std::string> directories;
    /// What folder_entries() lists, by folder; others cannot be listed.
    std::map<std::string, std::vector<std::string>> folders;
    std::vector<std::string> sounds; ///< "detached <path>" or "async <path>"
    std::function<void(const std::string&)> on_event;

    /// Make `path` and its directories known to stored_name(); `short_name`
    /// is an alias the last component also answers to, ignoring case.
    void add_entry(const std::string& path, const std::string& short_name = "")
    {
        std::string parent;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = path.find(separator, start);
            const std::string name =
                path.substr(start, end == std::string::npos ? end : end - start);
            if (!name.empty() && !(drive_letters && name.find(':') != std::string::npos))
                m_entries.push_back({parent, name, end == std::string::npos ? short_name : ""});
            if (end == std::string::npos)
                break;
            parent = path.substr(0, end + 1);
            start = end + 1;
        }
    }

    std::string executable_path() override { return exe_path; }
    char path_separator() const override { return separator; }
    bool has_drive_letters() const override { return drive_letters; }
    std::string command_line() override { return command; }

    std::string settings_directory() override { return settings_folder; }
    bool make_directories(const std::string& path) override
    {
        directories.insert(path);
        return true;
    }

    std::optional<std::string> read_file(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found != files.end())
            return found->second;
        if (is_playlist_name(path) && local_file_problem(path) == FileProblem::None)
            return std::string();
        return std::nullopt;
    }
    std::optional<std::string> read_start(const std::string& path, std::size_t bytes) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt; // a recording the test does not spell out
        return found->second.substr(0, bytes);
    }
    std::optional<FileStamp> file_stamp(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return FileStamp{std::int64_t(found->second.size()),
                         std::int64_t(std::hash<std::string>()(found->second))};
    }
    Written replace_file(const std::string& path, const std::string& contents) override
    {
        if (on_event)
            on_event("replace_file " + path);
        if (unwritable.count(path) != 0)
            return {"permission denied"};
        files[path] = contents;
        problems.erase(path); // it is there now
        return {};
    }
    /// At once here; the events tell the two kinds of write apart.
    void replace_file_later(const std::string& path, std::string contents) override
    {
        if (on_event)
            on_event("replace_file_later " + path);
        if (unwritable.count(path) == 0)
            files[path] = std::move(contents);
    }
    bool remove_file(const std::string& path) override
    {
        if (on_event)
            on_event("remove_file " + path);
        files.erase(path);
        return true;
    }
    std::string state_directory() override { return state_folder; }
    bool hold_lock(const std::string& path) override { return locked.count(path) == 0; }
    FileProblem local_file_problem(const std::string& path) override
    {
        if (const auto found = problems.find(path); found != problems.end())
            return found->second;
        if (path.empty())
            return FileProblem::NotLocal;
        if (files.count(path) == 0 && file_extension(path, separator) == ".grp")
            return FileProblem::Missing;
        return FileProblem::None;
    }
    std::optional<std::vector<std::string>> folder_entries(const std::string& folder) override
    {
        const auto found = folders.find(folder);
        return found == folders.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> stored_name(const EntryQuery& query) override
    {
        // The stored spelling first, then any spelling (or the short alias)
        // ignoring case, as the real lookups do.
        for (const auto& entry : m_entries) {
            if (entry.parent == query.resolved_directory && entry.name == query.component)
                return entry.name;
        }
        for (const auto& entry : m_entries) {
            if (entry.parent == query.resolved_directory &&
                (same_ignoring_case(entry.name, query.component) ||
                 (!entry.short_name.empty() &&
                  same_ignoring_case(entry.short_name, query.component))))
                return entry.name;
        }
        return std::nullopt;
    }

    void play_sound_detached(const std::string& path) override
    {
        sounds.push_back("detached " + path);
    }
    void play_sound_async(const std::string& path) override { sounds.push_back("async " + path); }

private:
    struct Entry
    {
        std::string parent;
        std::string name;
        std::string short_name;
    };
    static bool same_ignoring_case(const std::string& a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(a[i])) !=
                std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        }
        return true;
    }
    std::vector<Entry> m_entries;
};

} // namespace cuedeck::testing
