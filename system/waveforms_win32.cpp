// The waveforms' system on Windows: the recording's identity from its
// attributes, the cache under %LOCALAPPDATA%\Cuedeck\Waveforms\, and the
// helper program beside Cuedeck, started without a shell in a job object
// that ends it with Cuedeck, its output read through a pipe.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "base/wide_text.h"
#include "files/recognizer.h"
#include "system/waveform_helper_run.h"
#include "system/waveforms.h"

namespace cuedeck {
namespace waveform_system {
namespace {

/// A handle closed when it goes.
class Handle
{
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : m_value(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    Handle(Handle&& other) noexcept : m_value(std::exchange(other.m_value, nullptr)) {}
    Handle& operator=(Handle&&) = delete;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { reset(); }
    HANDLE get() const { return m_value; }
    void reset()
    {
        if (m_value != nullptr)
            CloseHandle(std::exchange(m_value, nullptr));
    }

private:
    HANDLE m_value = nullptr;
};

std::int64_t nanoseconds(FILETIME time)
{
    const auto ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks) * 100;
}

class WindowsHelperRun final : public HelperRun
{
public:
    WindowsHelperRun(Handle process, Handle job, Handle output)
        : m_process(std::move(process)), m_job(std::move(job)), m_output(std::move(output))
    {
    }
    ~WindowsHelperRun() override
    {
        if (!m_finished)
            TerminateJobObject(m_job.get(), 1);
    }
    WindowsHelperRun(const WindowsHelperRun&) = delete;
    WindowsHelperRun& operator=(const WindowsHelperRun&) = delete;

    Heard read(std::string& bytes, std::size_t& got) override
    {
        got = 0;
        // A pipe cannot be waited on with a time limit: it is looked at
        // every 10 ms for a tenth of a second.
        for (int look = 0; look < 10; ++look) {
            DWORD waiting = 0;
            if (!PeekNamedPipe(m_output.get(), nullptr, 0, nullptr, &waiting, nullptr))
                return GetLastError() == ERROR_BROKEN_PIPE ? Heard::Closed : Heard::Failed;
            if (waiting > 0) {
                DWORD read = 0;
                const auto wanted =
                    static_cast<DWORD>(std::min<std::size_t>(waiting, bytes.size()));
                if (!ReadFile(m_output.get(), bytes.data(), wanted, &read, nullptr))
                    return GetLastError() == ERROR_BROKEN_PIPE ? Heard::Closed : Heard::Failed;
                got = read;
                return Heard::Bytes;
            }
            Sleep(10);
        }
        return Heard::Nothing;
    }

    Ending finish() override
    {
        m_finished = true;
        if (WaitForSingleObject(m_process.get(), 1000) != WAIT_OBJECT_0) {
            TerminateJobObject(m_job.get(), 1);
            WaitForSingleObject(m_process.get(), 5000);
            return {-1, true, false};
        }
        DWORD code = 1;
        GetExitCodeProcess(m_process.get(), &code);
        // An exception's code (0xC0000005 and the like) is a crash; any
        // other may be a kill's (taskkill, Task Manager), which chooses it.
        const bool crashed = code >= 0xC0000000U;
        return {static_cast<int>(code), crashed, !crashed};
    }

private:
    Handle m_process;
    Handle m_job;
    Handle m_output;
    bool m_finished = false;
};

} // namespace

std::optional<waveform::CacheKey> key_of(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide_from_utf8(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    const auto size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return waveform::CacheKey{path, size, nanoseconds(data.ftLastWriteTime)};
}

std::optional<std::string> read_cache_file(const std::string& path, std::size_t most_bytes)
{
    // A link in the cache is opened as itself, never followed out of it.
    Handle file(CreateFileW(wide_from_utf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    LARGE_INTEGER size{};
    if (file.get() == nullptr || GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > most_bytes)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        return std::nullopt;
    bytes.resize(got);
    return bytes;
}

void write_cache_file(const std::string& folder, const std::string& path, std::string_view bytes)
{
    std::error_code failed;
    const std::filesystem::path wide_folder(wide_from_utf8(folder));
    if (!(std::filesystem::create_directories(wide_folder, failed) ||
          std::filesystem::is_directory(wide_folder, failed)))
        return;
    const std::wstring wide_path = wide_from_utf8(path);
    // A link in the entry's place (a junction, a symbolic link) goes, its
    // target untouched; a folder is removed when empty, else moved aside
    // whole: the rename below cannot replace either.
    if (const DWORD there = GetFileAttributesW(wide_path.c_str());
        there != INVALID_FILE_ATTRIBUTES && (there & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        if ((there & FILE_ATTRIBUTE_DIRECTORY) != 0)
            RemoveDirectoryW(wide_path.c_str());
        else
            DeleteFileW(wide_path.c_str());
    } else if (there != INVALID_FILE_ATTRIBUTES && (there & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
               !RemoveDirectoryW(wide_path.c_str())) {
        for (int n = 1; n <= most_set_aside; ++n) {
            const std::wstring aside = wide_path + L".aside-" + std::to_wstring(n);
            if (GetFileAttributesW(aside.c_str()) == INVALID_FILE_ATTRIBUTES) {
                MoveFileExW(wide_path.c_str(), aside.c_str(), 0);
                break;
            }
        }
    }
    const std::wstring temporary = wide_path + L".new";
    {
        Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD wrote = 0;
        if (file.get() == nullptr ||
            !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote,
                       nullptr) ||
            wrote != bytes.size()) {
            file.reset();
            DeleteFileW(temporary.c_str());
            return;
        }
    }
    // Moving over a link replaces the link itself: its target is never written.
    if (!MoveFileExW(temporary.c_str(), wide_path.c_str(), MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(temporary.c_str());
}

std::unique_ptr<HelperRun> start_helper(const std::string& program,
                                        const std::vector<std::string>& arguments)
{
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &inherited, 0))
        return nullptr;
    Handle output(read_end);
    Handle output_write(write_end);
    SetHandleInformation(output.get(), HANDLE_FLAG_INHERIT, 0);
    // Its error output is for nobody.
    Handle nowhere(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inherited, OPEN_EXISTING, 0, nullptr));
    // Ended with Cuedeck (the job goes with its last handle), and whole.
    Handle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (job.get() == nullptr ||
        !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                 sizeof limits))
        return nullptr;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = output_write.get();
    startup.hStdError = nowhere.get();
    std::vector<std::string> line{program};
    line.insert(line.end(), arguments.begin(), arguments.end());
    std::wstring command = wide_from_utf8(recognizer::windows_command_line(line));
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(wide_from_utf8(program).c_str(), command.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | CREATE_SUSPENDED | BELOW_NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &startup, &started))
        return nullptr;
    Handle process(started.hProcess);
    Handle thread(started.hThread);
    AssignProcessToJobObject(job.get(), process.get());
    ResumeThread(thread.get());
    output_write.reset(); // the helper holds the only writing end: its end closes the pipe
    return std::make_unique<WindowsHelperRun>(std::move(process), std::move(job),
                                              std::move(output));
}

} // namespace waveform_system

std::string helper_program()
{
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), DWORD(self.size()));
        if (length == 0)
            return {};
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    const auto helper = std::filesystem::path(self).parent_path() /
                        (std::wstring(wide_from_utf8(CUEDECK_HELPER_NAME)) + L".exe");
    std::error_code failed;
    return std::filesystem::is_regular_file(helper, failed) ? utf8_from_wide(helper.wstring())
                                                            : std::string{};
}

std::string waveform_cache_folder()
{
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) !=
            S_OK ||
        folder[0] == L'\0')
        return {};
    return utf8_from_wide(folder) + "\\Cuedeck\\Waveforms\\";
}

} // namespace cuedeck
