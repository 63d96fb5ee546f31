#include "player/mpv/clarity_filters.h"

#include <algorithm>
#include <charconv>

namespace cuedeck::mpv_filters {

namespace {

/// The last stage of a filter that raises the level: peaks held below full
/// scale, with a 5 ms look-ahead and no level correction of its own.
constexpr const char* limiter = "alimiter=limit=0.97:attack=5:release=50:level=disabled";

std::string channel_graph(Channel channel)
{
    // Made stereo first, so that a mono or a many-channel recording is heard too.
    const std::string stereo = "aformat=channel_layouts=stereo,";
    switch (channel) {
    case Channel::Left:
        return stereo + "pan=stereo|c0=c0|c1=c0";
    case Channel::Right:
        return stereo + "pan=stereo|c0=c1|c1=c1";
    case Channel::Mixed:
        return stereo + "pan=stereo|c0=0.5*c0+0.5*c1|c1=0.5*c0+0.5*c1";
    case Channel::Both:
        break;
    }
    return {};
}

std::string graph(Aid aid, const ClarityAids& aids, int boost_percent)
{
    switch (aid) {
    case Aid::Channel:
        return channel_graph(aids.channel);
    case Aid::VoiceBand:
        // Two second-order sections each way: 24 dB an octave outside
        // 150 Hz to 3.8 kHz, flat within a tenth of a dB around 1 kHz.
        return "highpass=f=150,highpass=f=150,lowpass=f=3800,lowpass=f=3800";
    case Aid::ReduceNoise:
        // Spectral noise reduction by 15 dB of what lies under a -40 dB floor.
        return "afftdn=nr=15:nf=-40";
    case Aid::EvenLoudness:
        // A compressor without look-ahead (nothing waits for it), slow to
        // let go, so that the gain does not swell in every pause.
        return std::string("acompressor=threshold=0.01:ratio=6:attack=10:release=1000:knee=4:"
                           "makeup=8,") +
               limiter;
    case Aid::Louder: {
        // Written with a point whatever the locale, as FFmpeg reads it.
        char gain[32];
        const auto written = std::to_chars(gain, gain + sizeof gain, boost_gain(boost_percent),
                                           std::chars_format::fixed, 4);
        return "volume=volume=" + std::string(gain, written.ptr) + ":precision=float," + limiter;
    }
    }
    return {};
}

const char* name(Aid aid)
{
    switch (aid) {
    case Aid::Channel:
        return "channel";
    case Aid::VoiceBand:
        return "voice";
    case Aid::ReduceNoise:
        return "noise";
    case Aid::EvenLoudness:
        return "even";
    case Aid::Louder:
        return "louder";
    }
    return "";
}

} // namespace

std::string label(Aid aid)
{
    return std::string("@cuedeck-") + name(aid);
}

std::string entry(Aid aid, const ClarityAids& aids, int boost_percent)
{
    return label(aid) + ":lavfi=[" + graph(aid, aids, boost_percent) + "]";
}

double boost_gain(int boost_percent)
{
    const double factor = 1.0 + std::clamp(boost_percent, 0, most_boost) / 100.0;
    return factor * factor * factor;
}

} // namespace cuedeck::mpv_filters
