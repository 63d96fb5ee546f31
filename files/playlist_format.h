#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck {

/// What a playlist names, read the way the player reads it, so that every
/// entry can be looked at before the player sees the list.
///
/// M3U (.m3u, .m3u8): one entry a line; blank lines and lines starting with
/// '#' (#EXTM3U, #EXTINF) are none. PLS (.pls): "[playlist]" first, then
/// FileN=entry lines. Entries are trimmed of blanks; a UTF-8 byte order mark
/// is skipped.
struct PlaylistEntry
{
    int line = 0; ///< 1-based
    std::string target;
};

struct PlaylistContents
{
    std::vector<PlaylistEntry> entries;
    /// A line that makes the list something else than a list of files: an
    /// HTTP live stream's #EXT-X- tag (whose URIs the player would fetch), or
    /// the first line of a PLS list without its header.
    std::optional<int> unsupported_line;
};

/// Whether the name is that of a playlist (.m3u, .m3u8, .pls, any case).
bool is_playlist_name(std::string_view path);

/// Whether the name is that of a recording a tape group is made of (.mp3,
/// .wav, any case).
bool is_recording_name(std::string_view path);

/// The order people expect of numbered names: runs of digits compare by
/// value ("tip 2" before "tip 10"), letters ignoring ASCII case; names equal
/// so are ordered by their bytes.
bool natural_less(std::string_view a, std::string_view b);

/// An M3U list of `entries`, one a line, or nothing when an entry would not
/// read back as itself (a line break in it, blanks around it, a leading '#').
std::optional<std::string> format_playlist(const std::vector<std::string>& entries);

/// The entries of a playlist's text; `pls` for a .pls file.
PlaylistContents parse_playlist(std::string_view text, bool pls);

/// An entry to be named anew: the 1-based line it is on, and what it names now.
struct RenamedEntry
{
    int line = 0;
    std::string target;
};

/// A playlist's text with the entries on the given lines naming their new
/// targets, everything else (comments, #EXTINF, a .pls line's key, line
/// ends, a byte order mark) kept byte for byte; nothing when a line holds no
/// entry or a target would not read back as itself.
std::optional<std::string> renamed_entries(std::string_view text, bool pls,
                                           const std::vector<RenamedEntry>& renamed);

/// Whether an entry names a URL or a protocol ("scheme://…") rather than a file.
bool is_url(std::string_view entry);

} // namespace cuedeck
