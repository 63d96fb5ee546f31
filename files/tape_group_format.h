#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuedeck {

/// The place a .grp file holds, so that work resumes where it stopped: the
/// playlist, the tip in it and the zero mark in that tip. Three lines:
///
///     /music/group 12.m3u
///     5
///     1:23
struct TapeGroupPlace
{
    std::string playlist_path;   ///< empty when a single music file was open
    std::optional<int> tip_line; ///< line 2 as written (1-based); nothing without a number
    int seconds = 0;             ///< line 3, "m:ss", in seconds
};

/// The file's text; missing lines read as empty ones, lines of any length,
/// "\n" or "\r\n" ends. Line 3 with minutes only is that many minutes; without
/// a number it is 0.
TapeGroupPlace parse_tape_group(std::string_view text);

/// The text for a place: `tip` is 0-based and written 1-based; `seconds` as m:ss.
std::string format_tape_group(const std::string& playlist_path, int tip, int seconds);

} // namespace cuedeck
