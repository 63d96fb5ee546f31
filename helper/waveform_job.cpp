// The levels of a recording, told to Cuedeck as they are made.
#include <algorithm>
#include <chrono>
#include <cmath>

#include "files/helper_messages.h"
#include "files/waveform.h"
#ifdef _WIN32
#include "base/wide_text.h"
#include "helper/decoder_media_foundation.h"
#else
#include "helper/decoder.h"
#endif
#include "helper/jobs.h"

namespace cuedeck::helper {
namespace {

using Clock = std::chrono::steady_clock;

/// Decoded first, around the place the tip is at: what the bar shows at once.
constexpr std::int64_t first_stretch_ms = 30'000;
/// How often what was made since is told while the rest is decoded.
constexpr auto told_every = std::chrono::milliseconds(100);
using waveform::longest_ms;

/// The levels made so far, and the part of them not yet told.
class Levels
{
public:
    explicit Levels(std::int64_t length_ms)
        : m_levels(static_cast<std::size_t>(length_ms / waveform::stretch_ms), 0)
    {
    }
    std::vector<std::uint8_t>& all() { return m_levels; }

    void keep(std::int64_t stretch, float loudest)
    {
        if (stretch < 0 || stretch >= longest_ms / waveform::stretch_ms)
            return;
        const auto at = static_cast<std::size_t>(stretch);
        if (at >= m_levels.size())
            m_levels.resize(at + 1, 0);
        // Levels grow with the peak: the louder part of a split stretch wins.
        m_levels[at] = std::max(m_levels[at], waveform::level_of_peak(loudest));
        m_untold_from = std::min(m_untold_from, at);
        m_untold_to = std::max(m_untold_to, at + 1);
    }

    void tell_untold()
    {
        if (m_untold_from >= m_untold_to)
            return;
        const auto from = m_levels.begin() + static_cast<std::ptrdiff_t>(m_untold_from);
        const auto to = m_levels.begin() + static_cast<std::ptrdiff_t>(m_untold_to);
        say(encode({Message::Kind::Levels, static_cast<std::int64_t>(m_untold_from),
                    static_cast<std::int64_t>(m_untold_to - m_untold_from),
                    std::string(from, to)}));
        m_untold_from = m_levels.size();
        m_untold_to = 0;
    }

private:
    std::vector<std::uint8_t> m_levels;
    std::size_t m_untold_from = SIZE_MAX;
    std::size_t m_untold_to = 0;
};

} // namespace

int make_waveform(const std::string& recording, std::int64_t near_ms)
{
#ifdef _WIN32
    Decoder decoder(wide_from_utf8(recording));
#else
    Decoder decoder(recording);
#endif
    if (!decoder.ready()) {
        say(failed(Trouble::Unreadable));
        return 1;
    }
    const std::int64_t length_ms = std::min(decoder.length_ms(), longest_ms);
    Levels made(length_ms);
    say(encode({Message::Kind::Size, 0, static_cast<std::int64_t>(made.all().size()), {}}));
    std::int64_t decoded_to_ms = 0;
    const auto heard = [&](std::int64_t start_ms, std::span<const float> samples, int rate) {
        // The loudest sample of each stretch; a stretch split between two
        // frames takes the louder part.
        const std::int64_t per_stretch =
            std::max<std::int64_t>(std::int64_t{rate} * waveform::stretch_ms / 1000, 1);
        std::int64_t stretch = start_ms / waveform::stretch_ms;
        std::int64_t in_stretch = (start_ms % waveform::stretch_ms) * rate / 1000;
        float loudest = 0.0F;
        for (const float sample : samples) {
            loudest = std::max(loudest, std::fabs(sample));
            if (++in_stretch == per_stretch) {
                made.keep(stretch, loudest);
                ++stretch;
                in_stretch = 0;
                loudest = 0.0F;
            }
        }
        if (in_stretch > 0)
            made.keep(stretch, loudest);
        decoded_to_ms = start_ms + std::int64_t(samples.size()) * 1000 / rate;
    };
    auto last_told = Clock::now();
    const auto tell = [&](bool at_once) {
        if (at_once || Clock::now() - last_told >= told_every) {
            made.tell_untold();
            last_told = Clock::now();
        }
    };
    // Around the place first: the bar draws it while the rest is made.
    if (near_ms > first_stretch_ms / 2 && length_ms > first_stretch_ms) {
        const std::int64_t from =
            std::min(near_ms - first_stretch_ms / 2, length_ms - first_stretch_ms);
        decoder.seek(from);
        while (decoder.decode_next(heard) && decoded_to_ms < from + first_stretch_ms) {
        }
        tell(true);
        decoder.seek(0);
    }
    while (decoder.decode_next(heard)) {
        if (decoded_to_ms > longest_ms) {
            say(failed(Trouble::TooLong));
            return 1;
        }
        tell(false);
    }
    // The container's length may have been a guess: the waveform ends where
    // the sound did, and a stretch no frame reached is silence.
    auto& levels = made.all();
    while (!levels.empty() && levels.back() == 0 &&
           std::int64_t(levels.size()) * waveform::stretch_ms > decoded_to_ms)
        levels.pop_back();
    std::replace(levels.begin(), levels.end(), std::uint8_t{0}, std::uint8_t{1});
    if (levels.empty()) {
        say(failed(Trouble::Unreadable));
        return 1;
    }
    say(encode({Message::Kind::Done, 0, static_cast<std::int64_t>(levels.size()),
                std::string(levels.begin(), levels.end())}));
    return 0;
}

} // namespace cuedeck::helper
