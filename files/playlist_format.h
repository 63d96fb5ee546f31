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

/// The entries of a playlist's text; `pls` for a .pls file.
PlaylistContents parse_playlist(std::string_view text, bool pls);

/// Whether an entry names a URL or a protocol ("scheme://…") rather than a file.
bool is_url(std::string_view entry);

} // namespace cuedeck
