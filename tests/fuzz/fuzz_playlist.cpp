// Reads arbitrary bytes as an M3U and a PLS playlist: every entry is a
// trimmed, non-empty line of the text, found on the line it names; and
// naming an entry anew changes that entry only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/text_lines.h"
#include "files/playlist_format.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lines = split_lines(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text);
    for (const bool pls : {false, true}) {
        const PlaylistContents contents = parse_playlist(text, pls);
        for (const PlaylistEntry& entry : contents.entries) {
            if (entry.line < 1 || std::size_t(entry.line) > lines.size() || entry.target.empty() ||
                entry.target.front() == ' ' || entry.target.back() == ' ' ||
                lines[std::size_t(entry.line) - 1].find(entry.target) == std::string::npos)
                std::abort();
        }
        if (contents.entries.empty())
            continue;
        const int line = contents.entries.back().line;
        const auto renamed = renamed_entries(text, pls, {{line, "moved.mp3"}});
        if (!renamed)
            std::abort();
        PlaylistContents after = parse_playlist(*renamed, pls);
        if (after.entries.size() != contents.entries.size() || after.entries.back().line != line ||
            after.entries.back().target != "moved.mp3")
            std::abort();
        after.entries.back().target = contents.entries.back().target;
        for (std::size_t i = 0; i < after.entries.size(); ++i) {
            if (after.entries[i].line != contents.entries[i].line ||
                after.entries[i].target != contents.entries[i].target)
                std::abort();
        }
    }
    return 0;
}
