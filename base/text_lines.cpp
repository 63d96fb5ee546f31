#include "base/text_lines.h"

#include <algorithm>
#include <cstdint>

#include "base/saturating.h"

namespace cuedeck {

namespace {

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::vector<std::string> split_lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        std::size_t end = newline;
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.emplace_back(text.substr(start, end - start));
        start = newline + 1;
    }
    return lines;
}

bool has_line_break(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::optional<int> scan_int(std::string_view text, std::size_t* end)
{
    std::size_t i = 0;
    while (i < text.size() && is_space(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !is_digit(text[i]))
        return std::nullopt;
    // Accumulate in 64 bits and stop growing once past the int range.
    constexpr std::int64_t beyond = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (; i < text.size() && is_digit(text[i]); ++i) {
        if (value < beyond)
            value = value * 10 + (text[i] - '0');
    }
    if (end != nullptr)
        *end = i;
    return clamp_to_int(negative ? -value : value);
}

int to_int(std::string_view text)
{
    return scan_int(text).value_or(0);
}

bool equal_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view file_extension(std::string_view path, char separator)
{
    // A forward slash separates on every platform.
    const std::size_t name_start = path.find_last_of(std::string{separator, '/'});
    const std::string_view name =
        name_start == std::string_view::npos ? path : path.substr(name_start + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

} // namespace cuedeck

namespace cuedeck {

bool is_absolute_path(std::string_view path, char separator)
{
    if (separator == '/')
        return path.starts_with('/');
    // Windows: "C:\…", "\\server\share\…", or from the drive's root.
    return (path.size() >= 2 && path[1] == ':') || path.starts_with('\\') || path.starts_with('/');
}

std::string_view folder_of(std::string_view path, char separator)
{
    const std::size_t last = path.find_last_of(std::string{separator, '/'});
    return last == std::string_view::npos ? std::string_view{} : path.substr(0, last + 1);
}

std::string_view file_name_of(std::string_view path, char separator)
{
    return path.substr(folder_of(path, separator).size());
}

std::string relative_to(std::string_view folder, std::string_view path, char separator)
{
    const bool inside =
        !folder.empty() && path.size() > folder.size() &&
        (separator == '/' ? path.starts_with(folder)
                          : equal_ignoring_case(path.substr(0, folder.size()), folder));
    return std::string(inside ? path.substr(folder.size()) : path);
}

std::string text_head(std::string_view text, std::size_t most)
{
    std::size_t cut = std::min(text.size(), most);
    // Back to the start of a character: continuation bytes are 10xxxxxx.
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    std::string head(text.substr(0, cut));
    for (char& c : head) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f')
            c = ' ';
    }
    return cut < text.size() ? head + "..." : head;
}

std::string joined_words(const std::vector<std::string>& words, std::size_t from)
{
    std::string joined;
    for (std::size_t i = from; i < words.size(); ++i)
        joined += (i > from ? " " : "") + words[i];
    return joined;
}

bool is_utf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        char32_t value = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i <= more)
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (value < least[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

} // namespace cuedeck
