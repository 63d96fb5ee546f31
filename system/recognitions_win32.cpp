// Recognitions on Windows: the user's recognizer (whisper-cli.exe or a
// command template) found where the user put it and run without a shell, at a lower priority, in a
// job object that ends it with Cuedeck and whole at a stop. Windows has no decoder here, so the
// recognizer is given the recording itself and asked for the stretch; the times it writes are the
// recording's.
#include <windows.h>

#include <atomic>
#include <cwchar>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "base/wide_text.h"
#include "files/draft_format.h"
#include "system/recognitions.h"

namespace cuedeck {
namespace {

constexpr const char* output_base_name = "draft";
constexpr const char* output_name = "output.txt";
constexpr std::size_t kept_error_bytes = 2048;
constexpr std::wstring_view folder_prefix = L"cuedeck-draft-";

/// Remove the folders of recognitions whose Cuedeck has gone (killed, or
/// crashed) from the temporary folder.
void remove_abandoned_folders()
{
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::temp_directory_path(failed), failed)) {
        const std::wstring name = entry.path().filename().wstring();
        if (!name.starts_with(folder_prefix) || !entry.is_directory(failed))
            continue;
        const auto id =
            static_cast<DWORD>(std::wcstoul(name.c_str() + folder_prefix.size(), nullptr, 10));
        const HANDLE process = id != 0 ? OpenProcess(SYNCHRONIZE, FALSE, id) : nullptr;
        if (process != nullptr) {
            const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
            CloseHandle(process);
            if (running)
                continue;
        }
        std::filesystem::remove_all(entry.path(), failed);
    }
}

/// A handle closed when it goes.
struct Handle
{
    HANDLE value = nullptr;
    Handle() = default;
    explicit Handle(HANDLE handle) : value(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle()
    {
        if (value != nullptr)
            CloseHandle(value);
    }
};

std::string bounded_file(const std::filesystem::path& path)
{
    std::error_code failed;
    if (!std::filesystem::is_regular_file(path, failed) ||
        std::filesystem::file_size(path, failed) > max_draft_bytes || failed)
        return {};
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path, failed)), '\0');
    DWORD got = 0;
    if (file.value == nullptr || bytes.empty() ||
        !ReadFile(file.value, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        return {};
    bytes.resize(got);
    return bytes;
}

/// The folder of this program, where a recognizer may be put beside it.
std::filesystem::path own_folder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return std::filesystem::path(path).parent_path();
}

/// The folders of PATH that are full paths: an empty or relative entry
/// would be the current folder again.
std::vector<std::filesystem::path> path_folders()
{
    std::vector<std::filesystem::path> folders;
    const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    std::wstring list(size, L'\0');
    list.resize(GetEnvironmentVariableW(L"PATH", list.data(), size));
    for (std::size_t from = 0; from <= list.size();) {
        std::size_t end = list.find(L';', from);
        if (end == std::wstring::npos)
            end = list.size();
        std::wstring entry = list.substr(from, end - from);
        std::erase(entry, L'"');
        if (std::filesystem::path folder(entry); !entry.empty() && folder.is_absolute())
            folders.push_back(std::move(folder));
        from = end + 1;
    }
    return folders;
}

/// The program `name` stands for: a full path as it is; a bare name in
/// this program's folder, then in PATH's, never in the current folder
/// (where CreateProcess looks, and anything may have been put). A name
/// without an extension is tried as Windows' own command prompt does.
std::optional<std::filesystem::path> program_path(const std::string& name)
{
    const std::filesystem::path named(wide_from_utf8(name));
    std::vector<std::filesystem::path> folders;
    if (named.is_absolute())
        folders.push_back(named.parent_path());
    else if (named.has_parent_path() || named.has_root_path())
        return std::nullopt; // relative to the current folder
    else {
        folders.push_back(own_folder());
        for (auto& folder : path_folders())
            folders.push_back(std::move(folder));
    }
    std::vector<std::filesystem::path> names;
    if (named.has_extension())
        names.push_back(named.filename());
    for (const wchar_t* extension : {L".exe", L".com", L".bat", L".cmd"})
        names.push_back(named.filename().wstring() + extension);
    std::error_code failed;
    for (const auto& folder : folders) {
        for (const auto& each : names) {
            if (std::filesystem::is_regular_file(folder / each, failed))
                return folder / each;
        }
    }
    return std::nullopt;
}

/// The system's own cmd.exe, not one that COMSPEC or a folder names.
std::wstring command_prompt()
{
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), MAX_PATH));
    return folder + L"\\cmd.exe";
}

class WindowsRecognition final : public Recognition
{
public:
    explicit WindowsRecognition(RecognitionRequest request)
    {
        m_thread = std::thread([this, request = std::move(request)] { run(request); });
    }
    ~WindowsRecognition() override
    {
        m_cancelled = true;
        m_thread.join();
    }
    WindowsRecognition(const WindowsRecognition&) = delete;
    WindowsRecognition& operator=(const WindowsRecognition&) = delete;

    RecognitionState state() const override { return m_progress.now(); }

private:
    /// Its times are the recording's: the recognizer was given the recording.
    void finish(std::optional<helper::Trouble> trouble, std::string output = {},
                std::string errors = {})
    {
        m_progress.update([](RecognitionState& state) { state.times_of_recording = true; });
        m_progress.finish(trouble, std::move(output), std::move(errors));
    }

    void run(const RecognitionRequest& request)
    {
        const RecognizerChoice& choice = request.choice;
        if (choice.kind != RecognizerKind::WhisperCli && choice.kind != RecognizerKind::Command)
            return finish(helper::Trouble::NotInstalled);
        std::error_code failed;
        if (choice.kind == RecognizerKind::WhisperCli &&
            !std::filesystem::is_regular_file(std::filesystem::path(wide_from_utf8(choice.model)),
                                              failed))
            return finish(helper::Trouble::ModelMissing);
        const auto folder = std::filesystem::temp_directory_path(failed) /
                            (std::wstring(folder_prefix) + std::to_wstring(GetCurrentProcessId()) +
                             L"-" + std::to_wstring(GetTickCount64()));
        if (failed || !CreateDirectoryW(folder.c_str(), nullptr))
            return finish(helper::Trouble::Unwritable);
        run_in(request, folder);
        std::filesystem::remove_all(folder, failed);
    }

    void run_in(const RecognitionRequest& request, const std::filesystem::path& folder)
    {
        RecognizerJob job{request.recording, utf8_from_wide((folder / output_base_name).wstring()),
                          request.choice.language, request.from_ms, request.length_ms};
        job.whole_recording = true;
        auto command =
            recognizer::arguments(request.choice, job, recognizer::CommandSyntax::Windows);
        const auto program = command ? program_path(command->front()) : std::nullopt;
        if (!program)
            return finish(helper::Trouble::NotInstalled);
        command->front() = utf8_from_wide(program->wstring());
        // Windows runs a batch file through cmd.exe, which reads its command
        // line as commands: it is given its words quoted for cmd.exe's rules,
        // or not run at all.
        std::wstring application = program->wstring();
        std::wstring line;
        if (recognizer::is_batch_file(command->front())) {
            if (std::string refused = recognizer::unsafe_for_batch(*command); !refused.empty()) {
                m_progress.update([&](RecognitionState& state) { state.refused = refused; });
                return finish(helper::Trouble::UnsafeForBatch);
            }
            application = command_prompt();
            line = wide_from_utf8(recognizer::batch_command_line(*command));
        } else {
            line = wide_from_utf8(recognizer::windows_command_line(*command));
        }
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        Handle output(CreateFileW((folder / output_name).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                  &inherited, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        HANDLE read_end = nullptr;
        HANDLE write_end = nullptr;
        if (output.value == nullptr || !CreatePipe(&read_end, &write_end, &inherited, 0))
            return finish(helper::Trouble::Unwritable);
        Handle errors_read(read_end);
        Handle errors_write(write_end);
        SetHandleInformation(errors_read.value, HANDLE_FLAG_INHERIT, 0);
        // Ended with Cuedeck (the job goes with its last handle) and whole.
        Handle job_object(CreateJobObjectW(nullptr, nullptr));
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_object.value, JobObjectExtendedLimitInformation, &limits,
                                sizeof limits);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = output.value;
        startup.hStdError = errors_write.value;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, TRUE,
                            CREATE_NO_WINDOW | CREATE_SUSPENDED | BELOW_NORMAL_PRIORITY_CLASS,
                            nullptr, nullptr, &startup, &started)) {
            const DWORD error = GetLastError();
            return finish(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                              ? helper::Trouble::NotInstalled
                              : helper::Trouble::Failed);
        }
        Handle process(started.hProcess);
        Handle thread(started.hThread);
        AssignProcessToJobObject(job_object.value, process.value);
        ResumeThread(thread.value);
        CloseHandle(errors_write.value);
        errors_write.value = nullptr;

        std::string errors;
        std::string line_now;
        bool too_much = false;
        char bytes[4096];
        for (;;) {
            if (m_cancelled) {
                TerminateJobObject(job_object.value, 1);
                WaitForSingleObject(process.value, 5000);
                return finish(std::nullopt);
            }
            // At most 64 KB a turn: a recognizer that never stops writing
            // errors must not hold off a stop or its own end.
            DWORD waiting = 0;
            for (int read = 0;
                 read < 16 &&
                 PeekNamedPipe(errors_read.value, nullptr, 0, nullptr, &waiting, nullptr) &&
                 waiting > 0;
                 ++read) {
                DWORD got = 0;
                if (!ReadFile(errors_read.value, bytes, sizeof bytes, &got, nullptr) || got == 0)
                    break;
                take_errors(std::string_view(bytes, got), errors, line_now);
            }
            LARGE_INTEGER size{};
            if (GetFileSizeEx(output.value, &size) &&
                static_cast<std::uint64_t>(size.QuadPart) > max_draft_bytes) {
                too_much = true;
                TerminateJobObject(job_object.value, 1);
            }
            if (WaitForSingleObject(process.value, 100) == WAIT_OBJECT_0)
                break;
        }
        DWORD code = 1;
        GetExitCodeProcess(process.value, &code);
        if (too_much)
            return finish(helper::Trouble::TooMuch);
        if (code != 0)
            return finish(helper::Trouble::Failed, {}, errors);
        std::string made;
        if (!recognizer::draft_on_output(request.choice.kind)) {
            for (const wchar_t* ending : {L".srt", L".vtt", L".json", L".txt"}) {
                if (made.empty())
                    made = bounded_file(folder / (std::wstring(L"draft") + ending));
            }
        }
        CloseHandle(output.value);
        output.value = nullptr;
        if (made.empty())
            made = bounded_file(folder / output_name);
        finish(std::nullopt, std::move(made));
    }

    /// The recognizer's error output: its last lines kept, its percentages told.
    void take_errors(std::string_view bytes, std::string& errors, std::string& line)
    {
        errors.append(bytes);
        if (errors.size() > kept_error_bytes)
            errors.erase(0, errors.size() - kept_error_bytes);
        for (const char c : bytes) {
            if (c != '\n' && c != '\r') {
                if (line.size() < 300)
                    line += c;
                continue;
            }
            if (const auto percent = recognizer::percent_in(line))
                m_progress.update([&](RecognitionState& state) { state.percent = *percent; });
            line.clear();
        }
    }

    RecognitionProgress m_progress;
    std::atomic<bool> m_cancelled = false;
    std::thread m_thread;
};

class WindowsRecognizers final : public Recognizers
{
public:
    WindowsRecognizers() { remove_abandoned_folders(); }
    bool installed(RecognizerKind kind) const override
    {
        return kind == RecognizerKind::WhisperCli || kind == RecognizerKind::Command;
    }
    std::unique_ptr<Recognition> start(const RecognitionRequest& request) override
    {
        return std::make_unique<WindowsRecognition>(request);
    }
};

} // namespace

std::unique_ptr<Recognizers> windows_recognizers()
{
    return std::make_unique<WindowsRecognizers>();
}

} // namespace cuedeck
