#pragma once

#include <cstdint>
#include <string>

namespace cuedeck::helper {

/// The waveform of `recording` as messages on standard output, from around
/// `near_ms` first. The exit code: 0 when done, 1 when it failed (and said why).
int make_waveform(const std::string& recording, std::int64_t near_ms);

/// `recording` from `from_ms` for `length_ms` (to its end when 0) as 16 kHz
/// mono 16-bit WAV at `wav`, as a recognizer wants it; how far it has come
/// as messages on standard output. True when it is made; else it said why.
bool made_audio(const std::string& recording, const std::string& wav, std::int64_t from_ms,
                std::int64_t length_ms);

/// Make the audio of `recording` (see made_audio) and run `command` on it,
/// its standard output into `output` up to the largest draft, the last
/// lines of its error output told on ours when it fails, its percentages
/// as messages. What it writes is bounded as it is written: its output,
/// each file it writes, and the files in `output`'s folder (the job's own)
/// together. The work ends when it ends, and its process group with it.
int recognize(const std::string& recording, std::int64_t from_ms, std::int64_t length_ms,
              const std::string& wav, const std::string& output, char** command);

/// Make the audio (see made_audio) and send it to the transcription server
/// at `url`, with the key in `key_file` (none when empty); its answer into
/// `output`, bounded as a draft is, waited for `timeout_s` at most.
int send(const std::string& recording, std::int64_t from_ms, std::int64_t length_ms,
         const std::string& wav, const std::string& output, const std::string& url,
         const std::string& key_file, const std::string& language, long timeout_s);

/// Write a message's bytes to standard output at once; ends the helper when
/// nobody reads them any more.
void say(const std::string& bytes);

} // namespace cuedeck::helper
