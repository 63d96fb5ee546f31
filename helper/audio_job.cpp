// A recording, or a stretch of it, as the audio a recognizer reads.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "files/helper_messages.h"
#include "files/waveform.h"
#include "helper/decoder.h"
#include "helper/jobs.h"

namespace cuedeck::helper {
namespace {

constexpr int recognizer_rate = 16'000;
/// How far the work has come is told every so much audio.
constexpr std::int64_t heard_every_ms = 5'000;

void put_le(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xff);
}

/// A 16-bit mono WAV heading for `samples` samples.
std::string wav_heading(std::uint32_t samples)
{
    const std::uint32_t data = samples * 2;
    std::string out = "RIFF";
    put_le(out, 36 + data, 4);
    out += "WAVEfmt ";
    put_le(out, 16, 4);
    put_le(out, 1, 2); // PCM
    put_le(out, 1, 2); // mono
    put_le(out, recognizer_rate, 4);
    put_le(out, recognizer_rate * 2, 4);
    put_le(out, 2, 2);
    put_le(out, 16, 2);
    out += "data";
    put_le(out, data, 4);
    return out;
}

} // namespace

bool made_audio(const std::string& recording, const std::string& wav, std::int64_t from_ms,
                std::int64_t length_ms)
{
    Decoder decoder(recording, recognizer_rate);
    if (!decoder.ready()) {
        say(failed(Trouble::Unreadable));
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(wav.c_str(), "wbx"),
                                                               &std::fclose);
    if (!file) {
        say(failed(Trouble::Unwritable));
        return false;
    }
    const std::int64_t end_ms =
        length_ms > 0 ? from_ms + length_ms : std::min(decoder.length_ms(), waveform::longest_ms);
    std::uint32_t written = 0;
    std::int64_t told_ms = 0;
    bool ok = std::fwrite(wav_heading(0).data(), 1, 44, file.get()) == 44;
    std::vector<std::int16_t> pcm;
    bool past_end = false;
    const auto heard = [&](std::int64_t start_ms, std::span<const float> samples, int rate) {
        pcm.clear();
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const std::int64_t at_ms = start_ms + std::int64_t(i) * 1000 / rate;
            if (at_ms < from_ms)
                continue;
            if (length_ms > 0 && at_ms >= end_ms) {
                past_end = true;
                break;
            }
            const float clamped = std::clamp(samples[i], -1.0F, 1.0F);
            pcm.push_back(static_cast<std::int16_t>(std::lround(clamped * 32767.0F)));
        }
        if (!pcm.empty())
            ok = ok && std::fwrite(pcm.data(), 2, pcm.size(), file.get()) == pcm.size();
        written += static_cast<std::uint32_t>(pcm.size());
        const std::int64_t reached = std::int64_t{written} * 1000 / recognizer_rate;
        if (reached - told_ms >= heard_every_ms) {
            say(encode({Message::Kind::Heard, 0, reached, {}}));
            told_ms = reached;
        }
    };
    if (from_ms > 0)
        decoder.seek(from_ms);
    while (ok && !past_end && decoder.decode_next(heard) &&
           written < std::uint32_t{recognizer_rate} * 3600 * 24) {
    }
    ok = ok && std::fseek(file.get(), 0, SEEK_SET) == 0 &&
         std::fwrite(wav_heading(written).data(), 1, 44, file.get()) == 44 &&
         std::fflush(file.get()) == 0;
    if (!ok) {
        say(failed(Trouble::Unwritable));
        return false;
    }
    if (written == 0) {
        say(failed(Trouble::Unreadable));
        return false;
    }
    return true;
}

} // namespace cuedeck::helper
