#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck {

/// One timed stretch of a recognizer's draft: where it is heard, who speaks
/// (empty when the draft does not say) and what it says.
struct Cue
{
    int start_ms = 0;
    int end_ms = 0;
    std::string speaker;
    std::string text;

    friend bool operator==(const Cue&, const Cue&) = default;
};

/// A draft's cues, ordered by where they start, and how many the reader
/// passed over because their times cannot be.
struct Draft
{
    std::vector<Cue> cues;
    int skipped = 0;
};

/// The cues of a subtitle text: SRT ("00:00:01,500 --> 00:00:03,000", a
/// point for the comma too) or WebVTT (hours may be left out, settings may
/// follow the times, "<v Name>" names the speaker; NOTE, STYLE and REGION
/// blocks are passed over), or whisper's printed lines ("[00:01.500 -->
/// 00:03.000]  text"). A time line begins a cue even with no empty line
/// before it. A WhisperX speaker ("[SPEAKER_00]: text") is read as the
/// speaker. The text's lines lose the blanks around them; in WebVTT (a
/// text that begins "WEBVTT") its tags go and its character references
/// are read, in SRT only "<i>", "<b>", "<u>" and "<font>" go. UTF-8 with or
/// without a byte-order mark, any line ends.
Draft read_subtitles(std::string_view text);

/// The cues of a draft in any shape the recognizers write, told apart by
/// what the text holds, not by the file's name: SRT or WebVTT; whisper.cpp's
/// JSON ("transcription", offsets in ms) or openai-whisper's ("segments",
/// times in seconds, a "speaker" where a diarizer added one); noScribe's HTML
/// (anchors "ts_<start>_<end>_<speaker>"); else a transcript with places, in
/// which each place starts a cue that runs to the next (the last one runs
/// on to the end of the recording). Subtitles are told by a "WEBVTT" first
/// line or a time line, not by an arrow anywhere. A cue that ends before it
/// starts runs on to the next cue's start (the last, to the end). The bytes
/// may be UTF-8 with or without a byte-order mark, UTF-16 or UTF-32 with
/// one; a byte that is no part of a UTF-8 character is read as Windows
/// code page 1252. The caller refuses what is over `max_draft_bytes`.
Draft read_draft(std::string_view bytes);
static constexpr std::size_t max_draft_bytes = std::size_t{50} * 1024 * 1024;
/// Where a cue of a transcript runs on to: the end of the recording.
static constexpr int open_end_ms = 0x7fffffff;

/// `bytes` as UTF-8: a byte-order mark taken away, UTF-16 and UTF-32 turned
/// into UTF-8, and each byte that is no part of a UTF-8 character read as
/// Windows code page 1252.
std::string draft_text_as_utf8(std::string_view bytes);

/// The index of the cue heard at `position_ms`, the last one begun by then
/// (and maybe over, when a pause follows it); none before the first. A
/// binary search: as quick for a ten-hour draft as for a short one.
std::optional<std::size_t> cue_begun_by(const Draft& draft, int position_ms);

/// The draft as SRT ("1", "00:00:00,000 --> 00:00:07,600", "Speaker: text",
/// as any player shows it) or as WebVTT ("<v Speaker>text", '<', '>' and '&'
/// as "&lt;", "&gt;" and "&amp;", read back as the same cues). A cue that
/// runs on to the end is written five seconds long.
std::string write_srt(const Draft& draft);
std::string write_webvtt(const Draft& draft);

/// The endings of the files a draft is read from, in the order a draft
/// beside a recording is looked for: "tip 2.srt" before "tip 2.txt", and
/// those before the whole name's "tip 2.mp3.srt".
constexpr const char* draft_extensions[] = {".srt", ".vtt", ".json", ".html", ".htm", ".txt"};
/// Whether `path` ends as a draft's file does (any case).
bool is_draft_name(std::string_view path);

/// A cue time, "01:02:03,456", "02:03.456" or "01:02:03.4", in ms; none for
/// anything else (minutes or seconds of 60 or more, a time past what an int
/// holds).
std::optional<int> cue_time_ms(std::string_view time);

} // namespace cuedeck
