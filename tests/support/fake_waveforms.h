#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "system/waveforms.h"

namespace cuedeck::testing {

/// Hands out the waveform set for a recording, complete at once.
struct FakeWaveforms : Waveforms
{
    std::map<std::string, std::shared_ptr<const Waveform>> made;
    std::shared_ptr<const Waveform> waveform(const std::string& path, int) override
    {
        const auto found = made.find(path);
        return found == made.end() ? nullptr : found->second;
    }

    static constexpr std::uint8_t speech = 230; // about -6 dB
    static constexpr std::uint8_t hiss = 64;    // about -45 dB
    static constexpr std::uint8_t silence = 1;
    /// Levels from runs of (level, milliseconds).
    static std::vector<std::uint8_t>
    levels(std::initializer_list<std::pair<std::uint8_t, int>> runs)
    {
        std::vector<std::uint8_t> made_levels;
        for (const auto& [level, ms] : runs)
            made_levels.insert(made_levels.end(), std::size_t(ms / waveform::stretch_ms), level);
        return made_levels;
    }
    /// A complete waveform of these levels, its pauses found.
    static Waveform complete(std::vector<std::uint8_t> heard)
    {
        Waveform done{std::move(heard), true, {}};
        done.pauses = waveform::find_pauses(done.levels);
        return done;
    }
};

} // namespace cuedeck::testing
