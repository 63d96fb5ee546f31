#include "files/waveform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace cuedeck {

int Waveform::length_ms() const
{
    constexpr std::size_t most = 2'000'000'000 / waveform::stretch_ms;
    return static_cast<int>(std::min(levels.size(), most)) * waveform::stretch_ms;
}

namespace waveform {
namespace {

constexpr int top_level = 255;
constexpr const char* cache_heading = "Cuedeck waveform 1";

std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

/// The heading of a cache file for `key` holding `count` levels whose hash
/// is `hash`; a file is read back only when its heading is this, byte for byte.
std::string heading(const CacheKey& key, std::size_t count, std::uint64_t hash)
{
    return std::string(cache_heading) + '\n' + key.path + '\n' + std::to_string(key.size) + ' ' +
           std::to_string(key.modified_ns) + ' ' + std::to_string(stretch_ms) + ' ' +
           std::to_string(count) + ' ' + hex(hash) + '\n';
}

} // namespace

std::uint8_t level_of_peak(float peak)
{
    if (!(peak > 0.0F)) // also NaN
        return 1;
    const double db = std::clamp(20.0 * std::log10(static_cast<double>(peak)), floor_db, 0.0);
    return static_cast<std::uint8_t>(1 +
                                     std::lround((db - floor_db) / -floor_db * (top_level - 1)));
}

double decibels(std::uint8_t level)
{
    return floor_db + (std::max<int>(level, 1) - 1) * -floor_db / (top_level - 1);
}

std::vector<Waveform::Pause> find_pauses(std::span<const std::uint8_t> levels)
{
    std::vector<std::uint8_t> heard;
    std::copy_if(levels.begin(), levels.end(), std::back_inserter(heard),
                 [](std::uint8_t level) { return level != 0; });
    if (heard.empty())
        return {};
    const auto ninetieth = heard.begin() + static_cast<std::ptrdiff_t>(heard.size() * 9 / 10);
    std::nth_element(heard.begin(), ninetieth, heard.end());
    const double quiet_db =
        std::min(decibels(*ninetieth) - pause_below_speech_db, pause_at_most_db);
    const auto quiet = [&](std::uint8_t level) { return level != 0 && decibels(level) < quiet_db; };

    std::vector<Waveform::Pause> pauses;
    const int shortest = shortest_pause_ms / stretch_ms;
    for (std::size_t at = 0; at < levels.size();) {
        if (!quiet(levels[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < levels.size() && quiet(levels[at]))
            ++at;
        if (at - start >= static_cast<std::size_t>(shortest))
            pauses.push_back(
                {static_cast<int>(start) * stretch_ms, static_cast<int>(at) * stretch_ms});
    }
    return pauses;
}

std::size_t largest_cache_file(const std::string& path)
{
    // The heading's numbers take at most 20 digits each, its hash 16.
    constexpr std::size_t heading_beside_path = 32 + 4 * 21 + 17;
    return path.size() + heading_beside_path + static_cast<std::size_t>(longest_ms / stretch_ms);
}

std::string cache_file_name(const std::string& path)
{
    return hex(fnv1a(path)) + ".wave";
}

std::string encode(const CacheKey& key, std::span<const std::uint8_t> levels)
{
    const std::string_view bytes(reinterpret_cast<const char*>(levels.data()), levels.size());
    return heading(key, levels.size(), fnv1a(bytes)) + std::string(bytes);
}

std::optional<std::vector<std::uint8_t>> decode(std::string_view file, const CacheKey& key)
{
    // The heading names the count and the hash: find where it ends by
    // counting three line ends, then check it is the heading of those levels.
    std::size_t end = 0;
    for (int line = 0; line < 3; ++line) {
        end = file.find('\n', end);
        if (end == std::string_view::npos)
            return std::nullopt;
        ++end;
    }
    const std::string_view body = file.substr(end);
    if (file.substr(0, end) != heading(key, body.size(), fnv1a(body)))
        return std::nullopt;
    if (std::find(body.begin(), body.end(), '\0') != body.end())
        return std::nullopt; // a complete waveform has every stretch decoded
    return std::vector<std::uint8_t>(body.begin(), body.end());
}

} // namespace waveform
} // namespace cuedeck
