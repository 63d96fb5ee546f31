#pragma once
// What the waveforms' worker needs of the system it runs on: the recording's
// identity, the cache's files and the helper program's run. One
// implementation per system; the worker itself is the same on both.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/waveform.h"

namespace cuedeck::waveform_system {

/// The recording at `path` as the cache knows it; nothing when it is not a
/// regular file.
std::optional<waveform::CacheKey> key_of(const std::string& path);

/// A cache file, only when it is a regular file (not a folder, a pipe or a
/// device in its place) of at most `most_bytes`.
std::optional<std::string> read_cache_file(const std::string& path, std::size_t most_bytes);

/// Put `bytes` in place of the cache file `path` in `folder` (made when
/// missing) all at once. Whatever is in its place goes: a link is replaced,
/// never followed; a folder is removed when empty, else moved aside (to
/// `path` and ".aside-N") whole, so that nothing outside is ever deleted.
void write_cache_file(const std::string& folder, const std::string& path, std::string_view bytes);

/// The most folders moved aside for one cache file.
inline constexpr int most_set_aside = 100;

/// The helper program started for one piece of work: its output comes
/// here, its error output is for nobody. It is ended when this goes before
/// it has, and when Cuedeck ends, however it ends.
class HelperRun
{
public:
    virtual ~HelperRun() = default;

    enum class Heard {
        Bytes,   ///< some of its output, in the buffer
        Nothing, ///< nothing within a tenth of a second
        Closed,  ///< it closed its output: it has ended, or ends now
        Failed,  ///< its output cannot be read
    };
    /// What it said next, at most `bytes.size()` bytes into `bytes` (their
    /// count in `got`); waits a tenth of a second at most.
    virtual Heard read(std::string& bytes, std::size_t& got) = 0;

    struct Ending
    {
        int code = -1;        ///< its exit code
        bool crashed = false; ///< it crashed (a fault, not a kill from outside)
        /// It may have been ended from outside (a kill): Linux tells by the
        /// signal; Windows tells a kill from an exit by nothing (the killer
        /// chooses the exit code), so there any end but a crash may be one.
        bool killed = false;
    };
    /// Once its output closed: its end, waited for a second, else brought.
    virtual Ending finish() = 0;
};

/// The helper at `program` with `arguments`, no shell seeing them; nothing
/// when it cannot be started.
std::unique_ptr<HelperRun> start_helper(const std::string& program,
                                        const std::vector<std::string>& arguments);

} // namespace cuedeck::waveform_system
