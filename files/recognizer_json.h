#pragma once

#include <string_view>

#include "files/draft_format.h"

namespace cuedeck {

/// The cues of a recognizer's JSON: whisper.cpp's "transcription" (offsets
/// in ms) or, without one, openai-whisper's "segments" (times in seconds, a
/// "speaker" where a diarizer added one). Items whose times cannot be are
/// counted in `skipped`; Python's bare NaN and Infinity are read as no
/// number. No cues for anything that is no such JSON.
Draft read_recognizer_json(std::string_view text);

} // namespace cuedeck
