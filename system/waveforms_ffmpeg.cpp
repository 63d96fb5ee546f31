#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "system/atomic_file.h"
#include "system/posix_system.h"
#include "system/waveforms.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace cuedeck {
namespace {

using Clock = std::chrono::steady_clock;

/// Decoded first, around the place the tip is at: what the bar shows at once.
constexpr int first_stretch_ms = 30'000;
/// How often the waveform made so far is shown while the rest is decoded.
constexpr auto shown_every = std::chrono::milliseconds(100);
/// Complete waveforms kept in memory, the last asked for.
constexpr std::size_t kept_waveforms = 4;
using waveform::longest_ms;

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

/// One recording opened for decoding into mono floats.
class Decoder
{
public:
    Decoder(const std::string& path, const std::atomic<bool>& stop) : m_stop(stop)
    {
        m_format = avformat_alloc_context();
        if (m_format == nullptr)
            return;
        m_format->interrupt_callback = {&Decoder::interrupted, this};
        if (avformat_open_input(&m_format, path.c_str(), nullptr, nullptr) < 0) {
            m_format = nullptr; // freed by the failed open
            return;
        }
        if (avformat_find_stream_info(m_format, nullptr) < 0)
            return;
        const AVCodec* codec = nullptr;
        m_stream = av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
        if (m_stream < 0 || codec == nullptr)
            return;
        for (unsigned i = 0; i < m_format->nb_streams; ++i)
            m_format->streams[i]->discard =
                static_cast<int>(i) == m_stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
        m_codec = avcodec_alloc_context3(codec);
        if (m_codec == nullptr ||
            avcodec_parameters_to_context(m_codec, m_format->streams[m_stream]->codecpar) < 0 ||
            avcodec_open2(m_codec, codec, nullptr) < 0 || m_codec->sample_rate <= 0)
            return;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        if (swr_alloc_set_opts2(&m_resampler, &mono, AV_SAMPLE_FMT_FLT, m_codec->sample_rate,
                                &m_codec->ch_layout, m_codec->sample_fmt, m_codec->sample_rate, 0,
                                nullptr) < 0 ||
            swr_init(m_resampler) < 0)
            return;
        m_packet = av_packet_alloc();
        m_frame = av_frame_alloc();
        m_ready = m_packet != nullptr && m_frame != nullptr;
    }
    ~Decoder()
    {
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        swr_free(&m_resampler);
        avcodec_free_context(&m_codec);
        avformat_close_input(&m_format);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    bool ready() const { return m_ready; }
    /// The recording's length as its container says; 0 when unknown.
    std::int64_t length_ms() const
    {
        return m_format->duration > 0 ? m_format->duration / (AV_TIME_BASE / 1000) : 0;
    }
    void seek(std::int64_t ms)
    {
        av_seek_frame(m_format, -1, ms * (AV_TIME_BASE / 1000), AVSEEK_FLAG_BACKWARD);
        avcodec_flush_buffers(m_codec);
        m_next_ms = -1;
    }
    /// Decode the next packet's samples into `heard(start_ms, samples, rate)`;
    /// false at the end (or when stopped, or the file breaks off).
    template <typename Heard> bool decode_next(Heard&& heard)
    {
        for (;;) {
            const int read = av_read_frame(m_format, m_packet);
            if (read < 0) {
                avcodec_send_packet(m_codec, nullptr); // the frames still held
                receive(heard);
                return false;
            }
            const bool ours = m_packet->stream_index == m_stream;
            if (ours && avcodec_send_packet(m_codec, m_packet) < 0) {
                av_packet_unref(m_packet);
                continue; // a damaged packet: the next may decode
            }
            av_packet_unref(m_packet);
            if (ours) {
                receive(heard);
                return !m_stop;
            }
        }
    }

private:
    static int interrupted(void* decoder) { return static_cast<Decoder*>(decoder)->m_stop ? 1 : 0; }

    template <typename Heard> void receive(Heard& heard)
    {
        while (avcodec_receive_frame(m_codec, m_frame) >= 0) {
            const AVRational base = m_format->streams[m_stream]->time_base;
            const std::int64_t pts = m_frame->best_effort_timestamp;
            // A frame without a time follows the one before it.
            std::int64_t start_ms = m_next_ms;
            if (pts != AV_NOPTS_VALUE)
                start_ms = av_rescale_q(pts, base, AVRational{1, 1000});
            if (start_ms < 0)
                start_ms = std::max<std::int64_t>(m_next_ms, 0);
            m_samples.resize(static_cast<std::size_t>(std::max(m_frame->nb_samples, 0)) + 64);
            std::uint8_t* out = reinterpret_cast<std::uint8_t*>(m_samples.data());
            const int converted = swr_convert(
                m_resampler, &out, static_cast<int>(m_samples.size()),
                const_cast<const std::uint8_t**>(m_frame->extended_data), m_frame->nb_samples);
            if (converted > 0) {
                heard(start_ms,
                      std::span<const float>(m_samples.data(), static_cast<std::size_t>(converted)),
                      m_codec->sample_rate);
                m_next_ms = start_ms + std::int64_t{converted} * 1000 / m_codec->sample_rate;
            }
            av_frame_unref(m_frame);
        }
    }

    const std::atomic<bool>& m_stop;
    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_codec = nullptr;
    SwrContext* m_resampler = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_frame = nullptr;
    int m_stream = -1;
    bool m_ready = false;
    std::int64_t m_next_ms = -1;
    std::vector<float> m_samples;
};

class FfmpegWaveforms final : public Waveforms
{
public:
    explicit FfmpegWaveforms(std::string cache_folder) : m_cache_folder(std::move(cache_folder))
    {
        av_log_set_level(AV_LOG_QUIET); // a damaged recording is no news for the terminal
        m_worker = std::thread([this] { work(); });
    }
    ~FfmpegWaveforms() override
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_abandon = true;
        m_wake.notify_all();
        m_worker.join();
    }
    FfmpegWaveforms(const FfmpegWaveforms&) = delete;
    FfmpegWaveforms& operator=(const FfmpegWaveforms&) = delete;

    std::shared_ptr<const Waveform> waveform(const std::string& path, int near_ms) override
    {
        const std::lock_guard lock(m_mutex);
        if (path != m_last_asked) {
            // A tip opened (again): its recording may have been replaced on
            // disk since its waveform was made, or was still being copied.
            m_last_asked = path;
            m_to_check = path;
            m_wake.notify_all();
        }
        for (const Done& done : m_done) {
            if (done.key.path == path)
                return done.waveform;
        }
        if (m_failed.contains(path))
            return m_none;
        if (path != m_wanted) {
            m_wanted = path;
            m_near_ms = std::max(near_ms, 0);
            m_so_far = nullptr;
            m_abandon = true; // whatever was being made is for another recording
            m_wake.notify_all();
        }
        return path == m_wanted ? m_so_far : nullptr;
    }

private:
    struct Done
    {
        waveform::CacheKey key;
        std::shared_ptr<const Waveform> waveform;
    };

    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock,
                        [this] { return m_stopping || !m_wanted.empty() || !m_to_check.empty(); });
            if (m_stopping)
                return;
            if (!m_to_check.empty()) {
                forget_if_changed(lock, std::exchange(m_to_check, {}));
                continue;
            }
            const std::string path = m_wanted;
            const int near_ms = m_near_ms;
            m_abandon = false;
            lock.unlock();
            const auto key = key_of(path);
            std::shared_ptr<const Waveform> made = key ? make(*key, near_ms) : nullptr;
            lock.lock();
            if (m_wanted != path)
                continue; // asked for another meanwhile
            m_wanted.clear();
            if (made) {
                m_done.push_front({*key, std::move(made)});
                if (m_done.size() > kept_waveforms)
                    m_done.pop_back();
            } else if (!m_stopping) {
                m_failed[path] = key;
            }
            m_so_far = nullptr;
        }
    }

    /// Drop what was made of the recording at `path` when its size or time
    /// differs from what it was made of: it is made again when next asked.
    void forget_if_changed(std::unique_lock<std::mutex>& lock, const std::string& path)
    {
        lock.unlock();
        const auto now = key_of(path);
        lock.lock();
        std::erase_if(m_done,
                      [&](const Done& done) { return done.key.path == path && now != done.key; });
        if (const auto failed = m_failed.find(path);
            failed != m_failed.end() && failed->second != now)
            m_failed.erase(failed);
    }

    void show_so_far(const std::string& path, const Waveform& so_far)
    {
        auto snapshot = std::make_shared<const Waveform>(so_far);
        const std::lock_guard lock(m_mutex);
        if (m_wanted == path)
            m_so_far = std::move(snapshot);
    }

    std::shared_ptr<const Waveform> from_cache(const waveform::CacheKey& key) const
    {
        if (m_cache_folder.empty())
            return nullptr;
        // Only a regular file, read without waiting and no larger than the
        // largest waveform: a folder, a pipe, a device or a damaged giant
        // in its place is made again, and written over.
        const auto file = read_regular_file(m_cache_folder + waveform::cache_file_name(key.path),
                                            waveform::largest_cache_file(key.path));
        if (!file)
            return nullptr;
        auto levels = waveform::decode(*file, key);
        if (!levels)
            return nullptr; // made again, and written over
        auto made = std::make_shared<Waveform>();
        made->levels = std::move(*levels);
        made->complete = true;
        made->pauses = waveform::find_pauses(made->levels);
        return made;
    }

    std::shared_ptr<const Waveform> make(const waveform::CacheKey& key, int near_ms)
    {
        const std::string& path = key.path;
        if (auto cached = from_cache(key))
            return cached;
        Decoder decoder(path, m_abandon);
        if (!decoder.ready())
            return nullptr;
        Waveform made;
        const std::int64_t length_ms = std::min(decoder.length_ms(), longest_ms);
        made.levels.assign(static_cast<std::size_t>(length_ms / waveform::stretch_ms), 0);
        std::int64_t decoded_to_ms = 0;
        const auto heard = [&](std::int64_t start_ms, std::span<const float> samples, int rate) {
            // The loudest sample of each stretch; a stretch split between
            // two frames takes the louder part.
            const std::int64_t per_stretch =
                std::max<std::int64_t>(std::int64_t{rate} * waveform::stretch_ms / 1000, 1);
            std::int64_t stretch = start_ms / waveform::stretch_ms;
            std::int64_t in_stretch = (start_ms % waveform::stretch_ms) * rate / 1000;
            float loudest = 0.0F;
            for (const float sample : samples) {
                loudest = std::max(loudest, std::fabs(sample));
                if (++in_stretch == per_stretch) {
                    keep(made, stretch, loudest);
                    ++stretch;
                    in_stretch = 0;
                    loudest = 0.0F;
                }
            }
            if (in_stretch > 0)
                keep(made, stretch, loudest);
            decoded_to_ms = start_ms + std::int64_t(samples.size()) * 1000 / rate;
        };

        auto last_shown = Clock::now();
        const auto show_now = [&](bool at_once) {
            if (at_once || Clock::now() - last_shown >= shown_every) {
                show_so_far(path, made);
                last_shown = Clock::now();
            }
        };
        // Around the place first: the bar draws it while the rest is made.
        if (near_ms > first_stretch_ms / 2 && length_ms > first_stretch_ms) {
            const std::int64_t from = std::min<std::int64_t>(near_ms - first_stretch_ms / 2,
                                                             length_ms - first_stretch_ms);
            decoder.seek(from);
            while (decoder.decode_next(heard) && decoded_to_ms < from + first_stretch_ms) {
            }
            show_now(true);
            decoder.seek(0);
        }
        while (decoder.decode_next(heard)) {
            if (decoded_to_ms > longest_ms)
                return nullptr;
            show_now(false);
        }
        if (m_abandon)
            return nullptr;
        // The container's length may have been a guess: the waveform ends
        // where the sound did, and a stretch no frame reached is silence.
        while (!made.levels.empty() && made.levels.back() == 0 &&
               std::int64_t(made.levels.size()) * waveform::stretch_ms > decoded_to_ms)
            made.levels.pop_back();
        std::replace(made.levels.begin(), made.levels.end(), std::uint8_t{0}, std::uint8_t{1});
        if (made.levels.empty())
            return nullptr;
        made.complete = true;
        made.pauses = waveform::find_pauses(made.levels);
        std::error_code failed;
        if (!m_cache_folder.empty() &&
            (std::filesystem::create_directories(m_cache_folder, failed) ||
             std::filesystem::is_directory(m_cache_folder, failed))) {
            // The cache's own file: a link in its place is replaced, never
            // followed (its target may be anything, a device among them).
            const std::string entry = m_cache_folder + waveform::cache_file_name(path);
            if (std::filesystem::is_symlink(entry, failed))
                std::filesystem::remove(entry, failed);
            AtomicFile::replace(entry, waveform::encode(key, made.levels));
        }
        return std::make_shared<const Waveform>(std::move(made));
    }

    static void keep(Waveform& made, std::int64_t stretch, float loudest)
    {
        if (stretch < 0 || stretch >= longest_ms / waveform::stretch_ms)
            return;
        const auto at = static_cast<std::size_t>(stretch);
        if (at >= made.levels.size())
            made.levels.resize(at + 1, 0);
        // Levels grow with the peak: the louder part of a split stretch wins.
        made.levels[at] = std::max(made.levels[at], waveform::level_of_peak(loudest));
    }

    const std::string m_cache_folder;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_wanted; ///< the recording being made
    int m_near_ms = 0;
    std::shared_ptr<const Waveform> m_so_far; ///< of m_wanted
    std::string m_last_asked;
    std::string m_to_check; ///< a recording to compare with what was made of it
    std::deque<Done> m_done;
    /// What FFmpeg could not decode, as it was then.
    std::map<std::string, std::optional<waveform::CacheKey>> m_failed;
    /// What they have: complete, and empty.
    const std::shared_ptr<const Waveform> m_none =
        std::make_shared<const Waveform>(Waveform{{}, true, {}});
    bool m_stopping = false;
    std::atomic<bool> m_abandon = false;
    std::thread m_worker;
};

} // namespace

std::unique_ptr<Waveforms> decoded_waveforms(const std::string& cache_folder)
{
    return std::make_unique<FfmpegWaveforms>(cache_folder);
}

std::string waveform_cache_folder()
{
    return xdg_folder("XDG_CACHE_HOME", ".cache");
}

} // namespace cuedeck
