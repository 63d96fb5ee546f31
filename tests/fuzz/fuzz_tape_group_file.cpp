// Reads arbitrary bytes as a tape group file: the place it reads, written
// out, reads back to the same text (a fixed point after one round).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/saturating.h"
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
    const std::string text =
        written(parse_tape_group(std::string_view(reinterpret_cast<const char*>(data), size)));
    if (written(parse_tape_group(text)) != text)
        std::abort();
    return 0;
}
