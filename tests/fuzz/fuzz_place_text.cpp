// Reads arbitrary bytes as a text with a place in it (what --go-to and the
// clipboard bring): never a crash however long or odd the text, never a
// place before the start, and a place found reads back as Copy Place
// writes it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/place_text.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto found = find_place(text);
    if (!found)
        return 0;
    if (found->position_ms < 0 || (found->tip && *found->tip < 0))
        std::abort();
    const int tip = found->tip.value_or(1);
    const auto again = find_place(format_place(tip, 2, found->position_ms));
    if (!again || again->tip != tip || again->position_ms != found->position_ms / 100 * 100)
        std::abort();
    return 0;
}
