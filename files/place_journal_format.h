#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cuedeck {

/// Where work stood in an open tape group, kept in a small journal while it
/// runs, so that a run that ends without its save question (killed, crashed,
/// powered off) can be resumed. Key and value lines, checked by a last line:
///
///     Cuedeck place journal
///     version=1.4.0
///     group=/music/group 12.grp
///     playlist=/music/group 12.m3u
///     tip=2
///     zero=83000
///     position=90500
///     written=1765290720
///     end
struct JournalPlace
{
    std::string version;  ///< of the program that wrote it
    std::string group;    ///< the .grp file
    std::string playlist; ///< the playlist the run played
    int tip = 0;          ///< 0-based
    int zero_mark_ms = 0;
    int position_ms = 0;
    std::int64_t written_at = 0; ///< seconds since 1970, UTC

    bool operator==(const JournalPlace&) const = default;
};

/// The journal's text: a line a value, names escaped so that one holding a
/// line break stays on its line.
std::string format_journal(const JournalPlace& place);

/// The place a journal holds; nothing when the text is damaged: cut short,
/// a line missing or doubled, a number that is none or is negative, an empty
/// name, anything after the last line.
std::optional<JournalPlace> parse_journal(std::string_view text);

} // namespace cuedeck
