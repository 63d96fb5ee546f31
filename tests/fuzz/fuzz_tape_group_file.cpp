// Reads arbitrary bytes as a tape group file: the place it reads, written
// out, reads back to the same text (a fixed point after one round). A
// playlist path holding a line break (a lone CR before the LF) is refused
// when saving, so it is not written here either.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/saturating.h"
#include "base/text_lines.h"
#include "files/tape_group_format.h"

using namespace cuedeck;

namespace {

std::string written(const TapeGroupPlace& place)
{
    const int tip = std::max(saturating_sub(place.tip_line.value_or(1), 1), 0);
    return format_tape_group(place.playlist_path, tip, place.seconds);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TapeGroupPlace place =
        parse_tape_group(std::string_view(reinterpret_cast<const char*>(data), size));
    if (has_line_break(place.playlist_path))
        return 0; // such a path is refused, never written
    const std::string text = written(place);
    if (written(parse_tape_group(text)) != text)
        std::abort();
    return 0;
}
