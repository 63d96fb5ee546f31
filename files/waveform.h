#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck {

/// How loud a recording is, stretch by stretch, and where its speech pauses.
///
/// Each stretch is `waveform::stretch_ms` long and holds a level from 1
/// (silence, at or below `waveform::floor_db`) to 255 (full scale); 0 is a
/// stretch not decoded yet. The levels are in decibels, so that speech far
/// below full scale still shows.
/// Why a complete waveform has no levels.
enum class WaveformTrouble {
    None,
    Unreadable,    ///< the recording cannot be decoded
    HelperMissing, ///< the program that decodes is not installed
    HelperCrashed, ///< it crashed before it was done
    HelperStopped, ///< it was ended from outside (a kill) before it was done
    HelperHung,    ///< it stopped answering
    HelperGarbage, ///< it wrote what is not a waveform
};

struct Waveform
{
    std::vector<std::uint8_t> levels;
    /// The whole recording is decoded; only then are its pauses known.
    bool complete = false;
    struct Pause
    {
        int start_ms = 0;
        int end_ms = 0; ///< where the next phrase begins, unless the tip ends here
        friend bool operator==(const Pause&, const Pause&) = default;
    };
    std::vector<Pause> pauses;
    WaveformTrouble trouble = WaveformTrouble::None;

    int length_ms() const;
};

namespace waveform {

constexpr int stretch_ms = 10;
constexpr double floor_db = -60.0;
/// Speech quieter than this for at least `shortest_pause_ms` is a pause.
constexpr int shortest_pause_ms = 300;
/// A pause is this far below the recording's speech (see find_pauses).
constexpr double pause_below_speech_db = 25.0;
/// ... and quieter than this, however loud the speech.
constexpr double pause_at_most_db = -35.0;

/// The level of a stretch whose loudest sample is `peak` (full scale 1).
std::uint8_t level_of_peak(float peak);
/// The level as decibels below full scale.
double decibels(std::uint8_t level);

/// The pauses in speech: runs of stretches at least `shortest_pause_ms`
/// long, each quieter than the recording's speech (its 90th percentile)
/// by `pause_below_speech_db`, and quieter than `pause_at_most_db`.
/// A recording that is quiet throughout has no speech and so no pauses.
std::vector<Waveform::Pause> find_pauses(std::span<const std::uint8_t> levels);

/// What identifies a recording's waveform in the cache: a recording whose
/// size or modification time changed is another recording.
struct CacheKey
{
    std::string path;
    std::uint64_t size = 0;
    std::int64_t modified_ns = 0;
    friend bool operator==(const CacheKey&, const CacheKey&) = default;
};
/// A recording longer than this (a day) is not drawn.
constexpr std::int64_t longest_ms = 24LL * 3600 * 1000;
/// The largest cache file a recording at `path` can have: its heading and a
/// day of levels. A file larger than this is damaged and never read.
std::size_t largest_cache_file(const std::string& path);
/// The cache file's name for a recording (its path's hash in hex, ".wave").
std::string cache_file_name(const std::string& path);
/// A complete waveform as its cache file holds it.
std::string encode(const CacheKey& key, std::span<const std::uint8_t> levels);
/// The levels a cache file holds for `key`; nothing when the file is for
/// another recording or version, truncated or damaged.
std::optional<std::vector<std::uint8_t>> decode(std::string_view file, const CacheKey& key);

} // namespace waveform
} // namespace cuedeck
