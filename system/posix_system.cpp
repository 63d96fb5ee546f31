#include "system/posix_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "base/process.h"
#include "base/text_lines.h"
#include "system/atomic_file.h"
#include "system/background_writer.h"

namespace cuedeck {

std::vector<std::string> PosixSystem::default_alarm_player()
{
    return {"mpv",           "--no-config", "--no-video",     "--force-window=no",
            "--no-terminal", "--idle=no",   "--loop-file=no", "--"};
}

PosixSystem::PosixSystem(std::vector<std::string> arguments, std::vector<std::string> alarm_player)
    : m_arguments(std::move(arguments)), m_alarm_player(std::move(alarm_player)),
      m_writer(std::make_unique<BackgroundWriter>(
          [](const std::string& path, const std::string& contents) {
              AtomicFile file(path);
              return file.write(contents) && file.commit() ? Written{} : Written{file.failure()};
          }))
{
}

PosixSystem::~PosixSystem() = default;

std::string PosixSystem::executable_path()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return m_arguments.empty() ? std::string() : m_arguments.front();
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string PosixSystem::command_line()
{
    // The arguments joined by single blanks, so that a path with blanks that
    // arrived as several arguments is whole again; the program name quoted.
    std::string program = m_arguments.empty() ? "cuedeck" : m_arguments.front();
    program.erase(std::remove(program.begin(), program.end(), '"'), program.end());
    const std::string words = joined_words(m_arguments, 1);
    return "\"" + program + "\"" + (words.empty() ? "" : " " + words);
}

std::string xdg_folder(const char* variable, const char* under_home)
{
    // The XDG base directory rules: a relative value is ignored.
    const char* set = std::getenv(variable);
    if (set != nullptr && set[0] == '/')
        return std::string(set) + "/cuedeck/";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/')
        return {};
    return std::string(home) + "/" + under_home + "/cuedeck/";
}

std::string PosixSystem::settings_directory()
{
    return xdg_folder("XDG_CONFIG_HOME", ".config"); // empty: beside the program
}

bool PosixSystem::make_directories(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> PosixSystem::read_file(const std::string& path)
{
    return read_regular_file(path, max_file_size);
}

std::optional<std::string> read_regular_file(const std::string& path, std::size_t most_bytes,
                                             bool follow_links)
{
    // Not blocking, so that a pipe given as a file cannot hang the caller
    // before it is found not to be a regular file.
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (follow_links ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return std::nullopt;
    struct stat info
    {
    };
    std::optional<std::string> contents;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::uintmax_t>(info.st_size) <= most_bytes) {
        contents.emplace();
        contents->reserve(static_cast<std::size_t>(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 || contents->size() + static_cast<std::size_t>(got) > most_bytes) {
                contents.reset(); // unreadable, or grew past the limit while read
                break;
            }
            if (got == 0)
                break;
            contents->append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return contents;
}

std::optional<FileStamp> PosixSystem::file_stamp(const std::string& path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{std::int64_t(info.st_size),
                     std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

std::optional<std::string> PosixSystem::read_start(const std::string& path, std::size_t bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info
    {
    };
    std::optional<std::string> start;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        start.emplace(bytes, '\0');
        ssize_t got = 0;
        while ((got = ::read(fd, start->data(), bytes)) < 0 && errno == EINTR) {
        }
        if (got < 0)
            start.reset();
        else
            start->resize(static_cast<std::size_t>(got));
    }
    ::close(fd);
    return start;
}

Written PosixSystem::replace_file(const std::string& path, const std::string& contents)
{
    AtomicFile file(path);
    if (file.write(contents) && file.commit())
        return {};
    return {file.failure()};
}

void PosixSystem::replace_file_later(const std::string& path, std::string contents)
{
    m_writer->replace_later(path, std::move(contents));
}

bool PosixSystem::remove_file(const std::string& path)
{
    m_writer->settle(path, BackgroundWriter::finish_wait);
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::string PosixSystem::state_directory()
{
    return xdg_folder("XDG_STATE_HOME", ".local/state");
}

bool PosixSystem::hold_lock(const std::string& path)
{
    // Kept open for the rest of the run on purpose: the kernel lets the lock
    // go however the process ends.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    return true;
}

FileProblem PosixSystem::local_file_problem(const std::string& path)
{
    if (path.empty() || path.front() != '/')
        return FileProblem::NotLocal;
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return errno == EACCES ? FileProblem::NoPermission : FileProblem::Missing;
    if (S_ISDIR(info.st_mode))
        return FileProblem::Folder;
    if (!S_ISREG(info.st_mode))
        return FileProblem::NotRegular;
    if (::access(path.c_str(), R_OK) != 0)
        return FileProblem::NoPermission;
    return FileProblem::None;
}

std::optional<std::string> PosixSystem::stored_name(const EntryQuery& query)
{
    if (query.component.empty())
        return std::nullopt;
    const std::string directory = query.resolved_directory.empty()
                                      ? std::string("./")
                                      : std::string(query.resolved_directory);
    struct stat info
    {
    };
    if (::lstat((directory + std::string(query.component)).c_str(), &info) == 0)
        return std::string(query.component);

    // No entry of exactly that name: the first (in byte order) that matches
    // ignoring case.
    std::optional<std::string> found;
    for (std::string& name : folder_entries(directory).value_or(std::vector<std::string>{})) {
        if (equal_ignoring_case(name, query.component) && (!found || name < *found))
            found = std::move(name);
    }
    return found;
}

std::optional<std::vector<std::string>> PosixSystem::folder_entries(const std::string& folder)
{
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr)
        return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(listing);
    return names;
}

void PosixSystem::play_sound_detached(const std::string& path)
{
    // The alarm's player opens only a file, never what a settings file from
    // someone else might name instead (a URL, a protocol).
    if (!is_local_file(path))
        return;
    std::vector<std::string> arguments = m_alarm_player;
    arguments.push_back(path);
    spawn_detached(arguments);
}

void PosixSystem::play_sound_async(const std::string& path)
{
    if (!m_event_sound)
        m_event_sound = std::make_unique<EventSound>();
    m_event_sound->play(path);
}

} // namespace cuedeck
