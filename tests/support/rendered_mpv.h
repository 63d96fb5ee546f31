#pragma once

// mpv rendering into a file (--ao=pcm) through the aids a controller
// switched, and the samples it wrote.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "control/run/controller.h"
#include "player/mpv/mpv_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/headless_mpv.h"

namespace cuedeck::testing {

/// Sixteen-bit stereo frames of a WAV file mpv wrote (its sizes may be
/// unfinished: everything after the "data" mark counts).
struct Samples
{
    std::vector<float> left, right;
    std::vector<std::string> messages; ///< what the controller told while rendering

    /// RMS level in dBFS of a stretch, in seconds at 48 kHz.
    double level(const std::vector<float>& channel, double from, double to) const
    {
        const auto first = std::size_t(from * 48000), last = std::size_t(to * 48000);
        double sum = 0;
        for (std::size_t i = first; i < last && i < channel.size(); ++i)
            sum += double(channel[i]) * channel[i];
        return 10 * std::log10(std::max(sum / double(last - first), 1e-20));
    }
    double peak() const
    {
        float most = 0;
        for (const auto* channel : {&left, &right})
            for (const float sample : *channel)
                most = std::max(most, std::fabs(sample));
        return most;
    }
};

inline Samples read_wav(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    Samples samples;
    const auto data = bytes.find("data");
    for (std::size_t at = data == std::string::npos ? bytes.size() : data + 8;
         at + 4 <= bytes.size(); at += 4) {
        const auto sample = [&](std::size_t i) {
            return float(std::int16_t(std::uint16_t(std::uint8_t(bytes[i])) |
                                      std::uint16_t(std::uint8_t(bytes[i + 1]) << 8))) /
                   32768.0f;
        };
        samples.left.push_back(sample(at));
        samples.right.push_back(sample(at + 2));
    }
    return samples;
}

/// mpv renders `sox_effects` (a sox synth line, 48 kHz stereo) into a file,
/// through what `switch_on` asks of the controller before it plays.
inline Samples render(const std::string& sox_effects,
                      const std::function<void(Controller&)>& switch_on,
                      std::string* chain = nullptr)
{
    TempDir dir;
    const std::string input = dir.path() + "in.wav", output = dir.path() + "out.wav";
    if (std::system(("sox -q -n -r 48000 -b 16 -c 2 '" + input + "' " + sox_effects).c_str()) != 0)
        return {};
    HeadlessMpv mpv(dir.path() + "mpv.sock",
                    {"--ao=pcm", "--ao-pcm-file=" + output, "--audio-format=s16",
                     "--audio-samplerate=48000", "--audio-channels=stereo", "--pause", input});
    if (!mpv.wait_until_listening())
        return {};
    MpvBackend backend{{dir.path() + "mpv.sock", headless_mpv_program()}};
    FakeView view;
    FakeSystem system;
    Controller controller(view, backend, system);
    controller.connect_player();
    MpvProbe probe(mpv.socket_path());
    eventually([&] { return !probe.text("audio-params").empty(); });
    switch_on(controller);
    if (chain)
        *chain = probe.text("af");
    // The file output runs as fast as mpv can: the whole file at once.
    probe.set_flag("pause", false);
    eventually([&] { return probe.flag("eof-reached"); });
    backend.close();
    mpv.wait_for_end();
    Samples samples = read_wav(output);
    samples.messages = view.messages;
    return samples;
}

} // namespace cuedeck::testing
