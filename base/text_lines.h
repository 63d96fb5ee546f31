#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Text, number and path helpers shared by every layer.
namespace cuedeck {

/// Split text into lines of any length. Only the terminator is removed: "\n"
/// or "\r\n". A last line without a terminator is a line as well.
std::vector<std::string> split_lines(std::string_view text);

/// Whether text could not be stored on one line of a line-based file.
bool has_line_break(std::string_view text);

/// The integer at the start of text the way "%d" scans it: leading white
/// space, an optional sign, then digits. Nothing when there are no digits.
/// Values beyond the int range are clamped.
std::optional<int> scan_int(std::string_view text, std::size_t* end = nullptr);

/// The integer the way atoi converts it: as scan_int, 0 when there is none.
int to_int(std::string_view text);

/// The last dot and what follows it in the path's file name; empty when the
/// name has no dot. `separator` and '/' both separate components.
std::string_view file_extension(std::string_view path, char separator);

/// Whether a path stands on its own: from the root, or on Windows from a
/// drive or a share. Others are read relative to some folder.
bool is_absolute_path(std::string_view path, char separator);

/// The folder part of a path, its last separator kept ("/music/a.m3u" gives
/// "/music/"); empty when there is none. '/' separates on every platform.
std::string_view folder_of(std::string_view path, char separator);

/// The file name at the end of a path: what follows its last separator
/// (`separator` or '/'), or the whole path when it has none.
std::string_view file_name_of(std::string_view path, char separator);

/// `path` as seen from `folder` (which ends with a separator) when it lies
/// inside it: "/music/a/tip 1.mp3" from "/music/" gives "a/tip 1.mp3".
/// Elsewhere, `path` as it stands. Names on Windows ('\\') match in any case.
std::string relative_to(std::string_view folder, std::string_view path, char separator);

/// An ASCII comparison that ignores case.
bool equal_ignoring_case(std::string_view a, std::string_view b);

/// words[from], words[from + 1], ... joined by single blanks: a name with
/// blanks that arrived as several arguments, whole again.
std::string joined_words(const std::vector<std::string>& words, std::size_t from);

/// The start of a text someone sent, to name it in a message: at most
/// `most` bytes (a UTF-8 character is not cut), line breaks and other
/// control characters as blanks, and "..." when there was more.
std::string text_head(std::string_view text, std::size_t most = 40);

/// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing above U+10FFFF).
bool is_utf8(std::string_view text);

} // namespace cuedeck
