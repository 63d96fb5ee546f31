// The waveforms' system on Linux: the recording's identity from stat(), the
// cache's files under $XDG_CACHE_HOME, and the helper program, read through
// poll().
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <thread>

#include "base/process.h"
#include "system/atomic_file.h"
#include "system/posix_system.h"
#include "system/waveform_helper_run.h"
#include "system/waveforms.h"

namespace cuedeck {
namespace waveform_system {

std::optional<waveform::CacheKey> key_of(const std::string& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return waveform::CacheKey{path, static_cast<std::uint64_t>(status.st_size),
                              static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                                  status.st_mtim.tv_nsec};
}

std::optional<std::string> read_cache_file(const std::string& path, std::size_t most_bytes)
{
    // A link in the cache is never followed out of it.
    return read_regular_file(path, most_bytes, false);
}

void write_cache_file(const std::string& folder, const std::string& path, std::string_view bytes)
{
    std::error_code failed;
    if (!(std::filesystem::create_directories(folder, failed) ||
          std::filesystem::is_directory(folder, failed)))
        return;
    // The cache's own file: a link in its place is replaced, never
    // followed (its target may be anything, a device among them); a
    // folder is removed when empty, else moved aside whole, never emptied.
    // (A pipe or a device is replaced by the rename itself.)
    const auto there = std::filesystem::symlink_status(path, failed);
    if (std::filesystem::is_symlink(there)) {
        std::filesystem::remove(path, failed);
    } else if (std::filesystem::is_directory(there) && !std::filesystem::remove(path, failed)) {
        for (int n = 1; n <= most_set_aside; ++n) {
            const std::string aside = path + ".aside-" + std::to_string(n);
            if (!std::filesystem::exists(std::filesystem::symlink_status(aside, failed))) {
                std::filesystem::rename(path, aside, failed);
                break;
            }
        }
    }
    AtomicFile::replace(path, bytes);
}

namespace {

class PosixHelperRun final : public HelperRun
{
public:
    explicit PosixHelperRun(PipedProgram program) : m_program(std::move(program)) {}

    Heard read(std::string& bytes, std::size_t& got) override
    {
        got = 0;
        pollfd watched[2] = {{m_program.output(), POLLIN, 0}, {m_program.errors(), POLLIN, 0}};
        if (::poll(watched, 2, 100) < 0 && errno != EINTR)
            return Heard::Failed;
        // Its error output is for nobody: drained, a piece a turn, so
        // that it never waits on a full pipe.
        [[maybe_unused]] const ssize_t dropped =
            ::read(m_program.errors(), bytes.data(), bytes.size());
        const ssize_t read = ::read(m_program.output(), bytes.data(), bytes.size());
        if (read == 0 || (read < 0 && errno != EAGAIN && errno != EINTR))
            return Heard::Closed; // it has ended, or closed its output
        if (read < 0)
            return Heard::Nothing;
        got = static_cast<std::size_t>(read);
        return Heard::Bytes;
    }

    Ending finish() override
    {
        for (int i = 0; i < 100 && !m_program.ended(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto ended = m_program.finish(true);
        // A fault's signal is a crash; any other (a kill, a TERM) ended it from outside.
        const bool fault = ended.signal == SIGSEGV || ended.signal == SIGBUS ||
                           ended.signal == SIGILL || ended.signal == SIGFPE ||
                           ended.signal == SIGABRT || ended.signal == SIGSYS;
        return {ended.code, fault, ended.signal != 0 && !fault};
    }

private:
    PipedProgram m_program;
};

} // namespace

std::unique_ptr<HelperRun> start_helper(const std::string& program,
                                        const std::vector<std::string>& arguments)
{
    std::vector<std::string> line{program};
    line.insert(line.end(), arguments.begin(), arguments.end());
    auto started = spawn_piped(line);
    if (!started)
        return nullptr;
    return std::make_unique<PosixHelperRun>(std::move(*started));
}

} // namespace waveform_system

std::string helper_program()
{
    std::error_code failed;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed)
        return {};
    const auto folder = self.parent_path();
    for (const auto& candidate : {folder / CUEDECK_HELPER_NAME,
                                  folder / CUEDECK_HELPER_FROM_PROGRAM / CUEDECK_HELPER_NAME}) {
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.lexically_normal().string();
    }
    return {};
}

std::string waveform_cache_folder()
{
    return xdg_folder("XDG_CACHE_HOME", ".cache");
}

} // namespace cuedeck
