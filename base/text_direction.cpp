#include "base/text_direction.h"

#include <optional>

namespace cuedeck {

namespace {

enum class Strong { None, LeftToRight, RightToLeft };

struct Range
{
    char32_t first;
    char32_t last;
};

/// The blocks of the right-to-left scripts (Hebrew, Arabic, Syriac, Thaana,
/// N'Ko, Samaritan, Mandaic, their presentation forms and the historic ones
/// above the first plane), and the right-to-left marks and embeddings.
constexpr Range right_to_left[] = {
    {0x0590, 0x08FF},   {0xFB1D, 0xFDFF}, {0xFE70, 0xFEFE}, {0x10800, 0x10FFF},
    {0x1E800, 0x1EFFF}, {0x200F, 0x200F}, {0x202B, 0x202B}, {0x202E, 0x202E},
};

/// What decides nothing within those blocks or outside them: digits,
/// punctuation, symbols, combining marks, spaces and controls.
constexpr Range neutral[] = {
    {0x0000, 0x0040}, {0x005B, 0x0060}, {0x007B, 0x00BF}, {0x00D7, 0x00D7}, {0x00F7, 0x00F7},
    {0x02B9, 0x02FF}, {0x0300, 0x036F}, {0x0374, 0x0375}, {0x037E, 0x037E}, {0x0384, 0x0385},
    {0x0387, 0x0387}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
    {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x0600, 0x060A}, {0x060C, 0x060C}, {0x0610, 0x061A},
    {0x064B, 0x0669}, {0x066B, 0x066C}, {0x0670, 0x0670}, {0x06D6, 0x06ED}, {0x06F0, 0x06F9},
    {0x2000, 0x200D}, {0x2010, 0x2029}, {0x202C, 0x202C}, {0x202F, 0x2BFF}, {0x3000, 0x3004},
    {0x3008, 0x3020}, {0xFE00, 0xFE6F}, {0xFEFF, 0xFF20}, {0xFF3B, 0xFF40}, {0xFF5B, 0xFF65},
    {0xFFF0, 0xFFFF},
};

constexpr bool within(char32_t c, const auto& ranges)
{
    for (const Range& range : ranges) {
        if (c >= range.first && c <= range.last)
            return true;
    }
    return false;
}

Strong strong_direction(char32_t c)
{
    if (within(c, neutral))
        return Strong::None;
    return within(c, right_to_left) ? Strong::RightToLeft : Strong::LeftToRight;
}

/// The character that begins at `text[at]`, and where the next begins.
/// A byte that begins no well-formed character stands for none.
std::optional<char32_t> next_character(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    const std::size_t more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (more == 0 || lead > 0xF4 || text.size() - at < more)
        return std::nullopt;
    char32_t value = lead & (0x3F >> more);
    for (std::size_t k = 0; k < more; ++k) {
        const auto next = static_cast<unsigned char>(text[at]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (next & 0x3F);
        ++at;
    }
    return value;
}

} // namespace

bool reads_right_to_left(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        if (const auto c = next_character(text, at)) {
            if (const Strong strong = strong_direction(*c); strong != Strong::None)
                return strong == Strong::RightToLeft;
        }
    }
    return false;
}

} // namespace cuedeck
