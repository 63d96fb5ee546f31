#include "system/windows_system.h"

#include <windows.h>

#include <io.h>
#include <shlobj.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "base/text_lines.h"
#include "base/wide_text.h"
#include "system/background_writer.h"

namespace cuedeck {

namespace {

/// Our folder under the user's application data folders.
constexpr const char* our_folder = "\\Cuedeck\\";

/// The C library's file for a UTF-8 name: its narrow fopen() may read the
/// name in a code page of its own.
std::FILE* open_file(const std::string& path, const wchar_t* mode)
{
    return _wfopen(wide_from_utf8(path).c_str(), mode);
}

/// The system's attributes of a file by its UTF-8 name: the wide calls,
/// which take names of any length (the narrow ones stop at MAX_PATH).
DWORD attributes_of(const std::string& path)
{
    return GetFileAttributesW(wide_from_utf8(path).c_str());
}

/// A temporary file beside the old one, in text mode (CRLF line ends),
/// flushed to the disk, then moved over it in one step, written through;
/// the old file stays whole on any failure.
Written replace_windows_file(const std::string& path, const std::string& contents)
{
    const std::string temporary = path + ".cuedeck-new";
    std::FILE* file = open_file(temporary, L"w");
    if (file == nullptr)
        return {errno == EACCES ? "permission denied" : "its folder cannot be written"};
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    const bool flushed = std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        DeleteFileW(wide_from_utf8(temporary).c_str());
        return {"the disk is full"};
    }
    if (!MoveFileExW(wide_from_utf8(temporary).c_str(), wide_from_utf8(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(wide_from_utf8(temporary).c_str());
        return {error == ERROR_ACCESS_DENIED ? "permission denied"
                                             : "Windows error " + std::to_string(error)};
    }
    return {};
}

} // namespace

WindowsSystem::WindowsSystem() : m_writer(std::make_unique<BackgroundWriter>(replace_windows_file))
{
}

WindowsSystem::~WindowsSystem() = default;

std::string WindowsSystem::executable_path()
{
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size() - 1)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2); // cut short: try a larger buffer
    }
}

std::string WindowsSystem::command_line()
{
    return GetCommandLineA();
}

std::string WindowsSystem::settings_directory()
{
    const std::string program = executable_path();
    const std::string marker = program.substr(0, program.rfind('\\') + 1) + portable_marker;
    const DWORD attributes = attributes_of(marker);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return {};
    char folder[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK ||
        folder[0] == '\0')
        return {};
    return std::string(folder) + our_folder;
}

bool WindowsSystem::make_directories(const std::string& path)
{
    for (std::size_t i = path.find_first_of("\\/"); i != std::string::npos;
         i = path.find_first_of("\\/", i + 1)) {
        if (i > 0 && path[i - 1] != ':')
            CreateDirectoryW(wide_from_utf8(path.substr(0, i)).c_str(), nullptr);
    }
    CreateDirectoryW(wide_from_utf8(path).c_str(), nullptr);
    const DWORD attributes = attributes_of(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileProblem WindowsSystem::local_file_problem(const std::string& path)
{
    if (path.find("://") != std::string::npos)
        return FileProblem::NotLocal;
    const DWORD attributes = attributes_of(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_ACCESS_DENIED ? FileProblem::NoPermission
                                                     : FileProblem::Missing;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FileProblem::Folder;
    return FileProblem::None;
}

std::optional<FileStamp> WindowsSystem::file_stamp(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide_from_utf8(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return FileStamp{std::int64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow,
                     std::int64_t(data.ftLastWriteTime.dwHighDateTime) << 32 |
                         data.ftLastWriteTime.dwLowDateTime};
}

std::optional<std::string> WindowsSystem::read_start(const std::string& path, std::size_t bytes)
{
    const DWORD attributes = attributes_of(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    std::FILE* file = open_file(path, L"rb");
    if (file == nullptr)
        return std::nullopt;
    std::optional<std::string> start;
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) == FILE_TYPE_DISK) {
        start.emplace(bytes, '\0');
        start->resize(std::fread(start->data(), 1, bytes, file));
    }
    std::fclose(file);
    return start;
}

std::optional<std::string> WindowsSystem::read_file(const std::string& path)
{
    // Only a file on disk: not a device name such as CON, not a pipe.
    const DWORD attributes = attributes_of(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    std::FILE* file = open_file(path, L"rb");
    if (file == nullptr)
        return std::nullopt;
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != FILE_TYPE_DISK) {
        std::fclose(file);
        return std::nullopt;
    }
    std::string contents;
    char buffer[65536];
    std::size_t got = 0;
    bool failed = false;
    while (!failed && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        contents.append(buffer, got);
        failed = contents.size() > max_file_size;
    }
    failed = failed || std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    // The program reads and writes UTF-8; a file that is not UTF-8 was
    // written in the system's code page (by an earlier version, or by the
    // player's own playlist editor) and is read as such.
    if (GetACP() == CP_UTF8 && !is_utf8(contents))
        return utf8_from_system_code_page(contents);
    return contents;
}

Written WindowsSystem::replace_file(const std::string& path, const std::string& contents)
{
    return replace_windows_file(path, contents);
}

void WindowsSystem::replace_file_later(const std::string& path, std::string contents)
{
    m_writer->replace_later(path, std::move(contents));
}

bool WindowsSystem::remove_file(const std::string& path)
{
    m_writer->settle(path, BackgroundWriter::finish_wait);
    return DeleteFileW(wide_from_utf8(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::string WindowsSystem::state_directory()
{
    char folder[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) !=
            S_OK ||
        folder[0] == '\0')
        return {};
    return std::string(folder) + our_folder;
}

bool WindowsSystem::hold_lock(const std::string& path)
{
    // Opened for no one else to share, and kept open for the rest of the
    // run: Windows closes it however the process ends.
    const HANDLE lock = CreateFileW(wide_from_utf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return lock != INVALID_HANDLE_VALUE;
}

std::optional<std::string> WindowsSystem::stored_name(const EntryQuery& query)
{
    const std::string prefix(query.typed_prefix);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(wide_from_utf8(prefix).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    FindClose(search);
    return utf8_from_wide(found.cFileName);
}

std::optional<std::vector<std::string>> WindowsSystem::folder_entries(const std::string& folder)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(wide_from_utf8(folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::vector<std::string> names;
    do {
        const std::string name = utf8_from_wide(found.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string WindowsSystem::alarm_command(const std::string& path)
{
    // Quoted, so that a path with blanks stays one argument.
    return "c:/windows/rundll32 amovie.ocx,RunDll /play /close \"" + path + "\"";
}

void WindowsSystem::play_sound_detached(const std::string& path)
{
    WinExec(alarm_command(path).c_str(), SW_SHOWNA); // shown without taking the focus
}

void WindowsSystem::play_sound_async(const std::string& path)
{
    // Asynchronous, never cutting off a sound already playing, giving up at
    // once when the device is busy; an event name first, then a file name.
    PlaySoundW(wide_from_utf8(path).c_str(), nullptr, SND_ASYNC | SND_NOSTOP | SND_NOWAIT);
}

} // namespace cuedeck
