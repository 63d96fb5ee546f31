#pragma once
// One recording decoded by Windows itself (Media Foundation's source reader)
// into mono floats: only the helper program opens recordings, so one that
// crashes or hangs a decoder costs that work, never Cuedeck's window.

#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <propvarutil.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace cuedeck::helper {

/// A COM pointer, released when it goes.
template <typename Interface> class Held
{
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held()
    {
        if (m_value != nullptr)
            m_value->Release();
    }
    Interface* operator->() const { return m_value; }
    Interface* get() const { return m_value; }
    Interface** put() { return &m_value; }

private:
    Interface* m_value = nullptr;
};

/// Media Foundation started for the life of the helper.
class MediaFoundation
{
public:
    MediaFoundation()
    {
        m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        m_started = SUCCEEDED(MFStartup(MF_VERSION, MFSTARTUP_LITE));
    }
    ~MediaFoundation()
    {
        if (m_started)
            MFShutdown();
        if (m_com)
            CoUninitialize();
    }
    MediaFoundation(const MediaFoundation&) = delete;
    MediaFoundation& operator=(const MediaFoundation&) = delete;
    bool started() const { return m_started; }

private:
    bool m_com = false;
    bool m_started = false;
};

/// One recording opened for decoding into mono floats, at its own rate.
class Decoder
{
public:
    explicit Decoder(const std::wstring& path)
    {
        constexpr auto first_audio = static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM);
        if (!m_foundation.started() ||
            FAILED(MFCreateSourceReaderFromURL(path.c_str(), nullptr, m_reader.put())))
            return;
        m_reader->SetStreamSelection(static_cast<DWORD>(MF_SOURCE_READER_ALL_STREAMS), FALSE);
        if (FAILED(m_reader->SetStreamSelection(first_audio, TRUE)))
            return;
        // Asked for floats at the recording's own rate and channels; mixed
        // down to one channel here.
        Held<IMFMediaType> wanted;
        if (FAILED(MFCreateMediaType(wanted.put())) ||
            FAILED(wanted->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio)) ||
            FAILED(wanted->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_Float)) ||
            FAILED(m_reader->SetCurrentMediaType(first_audio, nullptr, wanted.get())))
            return;
        Held<IMFMediaType> given;
        UINT32 rate = 0;
        UINT32 channels = 0;
        GUID subtype{};
        if (FAILED(m_reader->GetCurrentMediaType(first_audio, given.put())) ||
            FAILED(given->GetGUID(MF_MT_SUBTYPE, &subtype)) || subtype != MFAudioFormat_Float ||
            FAILED(given->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate)) ||
            FAILED(given->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels)) || rate == 0 ||
            channels == 0 || channels > 64)
            return;
        m_rate = static_cast<int>(rate);
        m_channels = channels;
        PROPVARIANT duration;
        PropVariantInit(&duration);
        if (SUCCEEDED(m_reader->GetPresentationAttribute(
                static_cast<DWORD>(MF_SOURCE_READER_MEDIASOURCE), MF_PD_DURATION, &duration)) &&
            duration.vt == VT_UI8)
            m_length_ms = static_cast<std::int64_t>(duration.uhVal.QuadPart / 10'000);
        PropVariantClear(&duration);
        m_ready = true;
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    bool ready() const { return m_ready; }
    /// The recording's length as its container says; 0 when unknown.
    std::int64_t length_ms() const { return m_length_ms; }
    void seek(std::int64_t ms)
    {
        PROPVARIANT at;
        PropVariantInit(&at);
        at.vt = VT_I8;
        at.hVal.QuadPart = ms * 10'000; // in 100 ns
        m_reader->SetCurrentPosition(GUID_NULL, at);
        m_next_ms = -1;
    }
    /// Decode the next sample's sound into `heard(start_ms, samples, rate)`;
    /// false at the end (or when the file breaks off).
    template <typename Heard> bool decode_next(Heard&& heard)
    {
        for (;;) {
            DWORD flags = 0;
            LONGLONG time = 0;
            Held<IMFSample> sample;
            if (FAILED(m_reader->ReadSample(static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM),
                                            0, nullptr, &flags, &time, sample.put())) ||
                (flags & (MF_SOURCE_READERF_ERROR | MF_SOURCE_READERF_ENDOFSTREAM)) != 0)
                return false;
            if (sample.get() == nullptr)
                continue; // a gap or a change of type: nothing to hear
            Held<IMFMediaBuffer> buffer;
            BYTE* bytes = nullptr;
            DWORD size = 0;
            if (FAILED(sample->ConvertToContiguousBuffer(buffer.put())) ||
                FAILED(buffer->Lock(&bytes, nullptr, &size)))
                continue;
            mix(bytes, size);
            buffer->Unlock();
            // A sample without a time follows the one before it.
            std::int64_t start_ms = (time + 5'000) / 10'000; // to the nearest, as on Linux
            if (start_ms < 0 || (m_next_ms >= 0 && time == 0))
                start_ms = std::max<std::int64_t>(m_next_ms, 0);
            if (m_mixed.empty())
                continue;
            heard(start_ms, std::span<const float>(m_mixed), m_rate);
            m_next_ms = start_ms + std::int64_t(m_mixed.size()) * 1000 / m_rate;
            return true;
        }
    }

private:
    /// Interleaved floats of every channel into one channel's, mixed as the
    /// decoder on Linux mixes them (two channels: each at -3 dB, summed), so
    /// that the same recording has the same levels on both systems. More
    /// channels count as that many pairs.
    void mix(const BYTE* bytes, DWORD size)
    {
        const std::size_t frames = size / (sizeof(float) * m_channels);
        const float weight =
            m_channels == 1 ? 1.0F : 0.70710678F * 2.0F / static_cast<float>(m_channels);
        m_mixed.resize(frames);
        for (std::size_t frame = 0; frame < frames; ++frame) {
            float sum = 0.0F;
            for (std::size_t channel = 0; channel < m_channels; ++channel) {
                float value = 0.0F;
                std::memcpy(&value, bytes + (frame * m_channels + channel) * sizeof(float),
                            sizeof value);
                sum += value;
            }
            m_mixed[frame] = sum * weight;
        }
    }

    MediaFoundation m_foundation;
    Held<IMFSourceReader> m_reader;
    int m_rate = 0;
    std::size_t m_channels = 0;
    std::int64_t m_length_ms = 0;
    std::int64_t m_next_ms = -1;
    bool m_ready = false;
    std::vector<float> m_mixed;
};

} // namespace cuedeck::helper
