// Recognitions run by the helper program: it makes the recognizer's audio
// and runs the recognizer; a thread here reads what it says, bounded, and
// reads the draft it leaves.
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "base/process.h"
#include "files/draft_format.h"
#include "system/posix_system.h"
#include "system/recognitions.h"

namespace cuedeck {
namespace {

/// Where PocketSphinx's English model lies when Debian's package is installed.
constexpr const char* pocketsphinx_model = "/usr/share/pocketsphinx/model/en-us/en-us";
/// The helper's own error output kept: the recognizer's last lines.
constexpr std::size_t kept_error_bytes = 2048;
/// The files the work leaves in its folder.
constexpr const char* audio_name = "audio.wav";
constexpr const char* output_base_name = "draft";
constexpr const char* output_name = "output.txt";
/// A recognition's folder: this, the process's id, a dash and a unique part.
constexpr std::string_view folder_prefix = "cuedeck-draft-";

/// Remove the folders of recognitions whose Cuedeck has gone (killed, or
/// crashed) from the temporary folder: an hour's audio is 115 MB.
void remove_abandoned_folders()
{
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::temp_directory_path(failed), failed)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(folder_prefix))
            continue;
        struct stat status
        {
        };
        const long id = std::strtol(name.c_str() + folder_prefix.size(), nullptr, 10);
        if (id > 0 && ::lstat(entry.path().c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
            status.st_uid == ::getuid() && ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH)
            std::filesystem::remove_all(entry.path(), failed);
    }
}

bool on_path(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return ::access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/bin:/bin";
    while (!folders.empty()) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        const std::string candidate = std::string(folders.substr(0, end)) + "/" + program;
        if (end > 0 && ::access(candidate.c_str(), X_OK) == 0)
            return true;
        folders.remove_prefix(std::min(end + 1, folders.size()));
    }
    return false;
}

class HelperRecognition final : public Recognition
{
public:
    HelperRecognition(std::string helper, RecognitionRequest request)
    {
        m_thread = std::thread([this, helper = std::move(helper), request = std::move(request)] {
            run(helper, request);
        });
    }
    ~HelperRecognition() override
    {
        m_cancelled = true;
        m_thread.join();
    }
    HelperRecognition(const HelperRecognition&) = delete;
    HelperRecognition& operator=(const HelperRecognition&) = delete;

    RecognitionState state() const override { return m_progress.now(); }

private:
    void finish(std::optional<helper::Trouble> trouble, std::string output = {},
                std::string errors = {})
    {
        m_progress.finish(trouble, std::move(output), std::move(errors));
    }

    void run(const std::string& helper, const RecognitionRequest& request)
    {
        const RecognizerChoice& choice = request.choice;
        if (choice.kind == RecognizerKind::WhisperCli &&
            (choice.model.empty() || !std::filesystem::is_regular_file(choice.model)))
            return finish(helper::Trouble::ModelMissing);
        // Not installed is told before a model missing: without the package
        // both are.
        if (choice.kind == RecognizerKind::PocketSphinx) {
            if (!on_path(recognizer::pocketsphinx_program))
                return finish(helper::Trouble::NotInstalled);
            if (!std::filesystem::is_directory(pocketsphinx_model))
                return finish(helper::Trouble::ModelMissing);
        }
        // A private folder for the audio and the output, removed at the end
        // (or at the next start, after a crash: it names our process).
        std::string folder =
            (std::filesystem::temp_directory_path() /
             (std::string(folder_prefix) + std::to_string(::getpid()) + "-XXXXXX"));
        if (::mkdtemp(folder.data()) == nullptr)
            return finish(helper::Trouble::Unwritable);
        folder += '/';
        run_in(helper, request, folder);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void run_in(const std::string& helper, const RecognitionRequest& request,
                const std::string& folder)
    {
        const RecognizerJob job{folder + audio_name, folder + output_base_name,
                                request.choice.language, request.from_ms, request.length_ms};
        const RecognizerChoice& choice = request.choice;
        const bool sent = choice.kind == RecognizerKind::Server;
        std::vector<std::string> arguments = {helper,
                                              sent ? "send" : "recognize",
                                              request.recording,
                                              std::to_string(request.from_ms),
                                              std::to_string(request.length_ms),
                                              job.audio,
                                              folder + output_name};
        if (sent) {
            if (!recognizer::server_origin(choice.server))
                return finish(helper::Trouble::NoServer);
            if (const auto trouble = key_file_trouble(choice.key_file))
                return finish(*trouble);
            arguments.insert(arguments.end(), {choice.server, choice.key_file, choice.language,
                                               std::to_string(std::max(choice.answer_s, 1))});
        } else {
            const auto command = recognizer::arguments(choice, job);
            if (!command)
                return finish(helper::Trouble::NotInstalled);
            arguments.insert(arguments.end(), command->begin(), command->end());
        }
        auto program = spawn_piped(arguments, true);
        if (!program)
            return finish(helper::Trouble::NotInstalled);
        helper::MessageReader reader(0);
        std::optional<helper::Trouble> trouble;
        bool made = false;
        std::string errors;
        char bytes[4096];
        while (!m_cancelled) {
            pollfd watched[2] = {{program->output(), POLLIN, 0}, {program->errors(), POLLIN, 0}};
            ::poll(watched, 2, 100);
            const ssize_t error_bytes = ::read(program->errors(), bytes, sizeof bytes);
            if (error_bytes > 0) {
                errors.append(bytes, static_cast<std::size_t>(error_bytes));
                if (errors.size() > kept_error_bytes)
                    errors.erase(0, errors.size() - kept_error_bytes);
            }
            const ssize_t got = ::read(program->output(), bytes, sizeof bytes);
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
                break;
            if (got < 0)
                continue;
            for (const helper::Message& message :
                 reader.take(std::string_view(bytes, static_cast<std::size_t>(got)))) {
                if (message.kind == helper::Message::Kind::Percent)
                    m_progress.update([&](RecognitionState& state) {
                        state.percent = static_cast<int>(message.number);
                    });
                else if (message.kind == helper::Message::Kind::Heard)
                    m_progress.update([&](RecognitionState& state) {
                        state.heard_ms = static_cast<int>(message.number);
                    });
                else if (message.kind == helper::Message::Kind::Failed)
                    trouble = trouble_named(message.bytes);
                else if (message.kind == helper::Message::Kind::Made)
                    made = true;
            }
            if (reader.broken())
                break;
        }
        if (m_cancelled) {
            // The helper ends its recognizer's whole group at SIGTERM.
            program->signal(SIGTERM);
            for (int i = 0; i < 100 && !program->ended(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            program->finish(true);
            return finish(std::nullopt);
        }
        for (ssize_t got = 0; errors.size() < 2 * kept_error_bytes &&
                              (got = ::read(program->errors(), bytes, sizeof bytes)) > 0;)
            errors.append(bytes, static_cast<std::size_t>(got));
        for (int i = 0; i < 100 && !program->ended(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto ended = program->finish(true);
        if (!made || ended.code != 0)
            return finish(trouble.value_or(helper::Trouble::Failed), {}, errors);
        return finish(std::nullopt, read_output(request, folder));
    }

    /// Why the access key's file cannot be used: it is missing or not a
    /// file, or others than the user may read it.
    static std::optional<helper::Trouble> key_file_trouble(const std::string& key_file)
    {
        if (key_file.empty())
            return std::nullopt;
        struct stat status
        {
        };
        if (::stat(key_file.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
            ::access(key_file.c_str(), R_OK) != 0)
            return helper::Trouble::KeyMissing;
        if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0 || status.st_uid != ::getuid())
            return helper::Trouble::KeyExposed;
        return std::nullopt;
    }

    static std::optional<helper::Trouble> trouble_named(const std::string& word)
    {
        for (int i = 0; i <= int(helper::Trouble::NoServer); ++i) {
            if (helper::word_of(helper::Trouble(i)) == word)
                return helper::Trouble(i);
        }
        return helper::Trouble::Failed;
    }

    /// The draft the recognizer left: its file at the output base, or what
    /// it printed. At most the largest draft.
    static std::string read_output(const RecognitionRequest& request, const std::string& folder)
    {
        std::vector<std::string> candidates;
        if (!recognizer::draft_on_output(request.choice.kind) &&
            request.choice.kind != RecognizerKind::Server) {
            for (const char* ending : {".srt", ".vtt", ".json", ".txt"})
                candidates.push_back(folder + output_base_name + ending);
        }
        candidates.push_back(folder + output_name);
        for (const std::string& candidate : candidates) {
            if (auto text = read_regular_file(candidate, max_draft_bytes); text && !text->empty())
                return *text;
        }
        return {};
    }

    RecognitionProgress m_progress;
    std::atomic<bool> m_cancelled = false;
    std::thread m_thread;
};

class HelperRecognizers final : public Recognizers
{
public:
    explicit HelperRecognizers(std::string helper) : m_helper(std::move(helper))
    {
        remove_abandoned_folders();
    }

    bool installed(RecognizerKind kind) const override
    {
        switch (kind) {
        case RecognizerKind::None:
        case RecognizerKind::Command:
        case RecognizerKind::Server:
            return true;
        case RecognizerKind::PocketSphinx:
            return on_path(recognizer::pocketsphinx_program) &&
                   std::filesystem::is_directory(pocketsphinx_model);
        case RecognizerKind::WhisperCli:
            return on_path(recognizer::whisper_program);
        }
        return false;
    }

    std::unique_ptr<Recognition> start(const RecognitionRequest& request) override
    {
        return std::make_unique<HelperRecognition>(m_helper, request);
    }

private:
    std::string m_helper;
};

} // namespace

std::unique_ptr<Recognizers> helper_recognizers(const std::string& helper)
{
    return std::make_unique<HelperRecognizers>(helper);
}

} // namespace cuedeck
