#pragma once
// One recording decoded by FFmpeg into mono floats: only the helper
// program links FFmpeg, so a recording that crashes or hangs a decoder costs
// that work, never Cuedeck's window.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace cuedeck::helper {

/// One recording opened for decoding into mono floats.
class Decoder
{
public:
    /// Decoded at `rate` (0: the recording's own).
    explicit Decoder(const std::string& path, int rate = 0)
    {
        m_format = avformat_alloc_context();
        if (m_format == nullptr)
            return;
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
        m_rate = rate > 0 ? rate : m_codec->sample_rate;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        if (swr_alloc_set_opts2(&m_resampler, &mono, AV_SAMPLE_FMT_FLT, m_rate, &m_codec->ch_layout,
                                m_codec->sample_fmt, m_codec->sample_rate, 0, nullptr) < 0 ||
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
        return m_format != nullptr && m_format->duration > 0
                   ? m_format->duration / (AV_TIME_BASE / 1000)
                   : 0;
    }
    void seek(std::int64_t ms)
    {
        av_seek_frame(m_format, -1, ms * (AV_TIME_BASE / 1000), AVSEEK_FLAG_BACKWARD);
        avcodec_flush_buffers(m_codec);
        m_next_ms = -1;
    }
    /// Decode the next packet's samples into `heard(start_ms, samples, rate)`;
    /// false at the end (or when the file breaks off).
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
                return true;
            }
        }
    }

private:
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
            m_samples.resize(
                static_cast<std::size_t>(std::max(
                    swr_get_out_samples(m_resampler, m_frame->nb_samples), m_frame->nb_samples)) +
                64);
            std::uint8_t* out = reinterpret_cast<std::uint8_t*>(m_samples.data());
            const int converted = swr_convert(
                m_resampler, &out, static_cast<int>(m_samples.size()),
                const_cast<const std::uint8_t**>(m_frame->extended_data), m_frame->nb_samples);
            if (converted > 0) {
                heard(start_ms,
                      std::span<const float>(m_samples.data(), static_cast<std::size_t>(converted)),
                      m_rate);
                m_next_ms = start_ms + std::int64_t{converted} * 1000 / m_rate;
            }
            av_frame_unref(m_frame);
        }
    }

    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_codec = nullptr;
    SwrContext* m_resampler = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_frame = nullptr;
    int m_stream = -1;
    int m_rate = 0;
    bool m_ready = false;
    std::int64_t m_next_ms = -1;
    std::vector<float> m_samples;
};

} // namespace cuedeck::helper
