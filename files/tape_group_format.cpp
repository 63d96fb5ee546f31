#include "files/tape_group_format.h"

#include <cstdio>
#include <vector>

#include "base/saturating.h"
#include "base/text_lines.h"

namespace cuedeck {

namespace {

/// "m:s" as "%d:%d" scans it. Only minutes: that many whole minutes. No
/// number at all: the start of the tip.
int scan_minutes_seconds(const std::string& line)
{
    std::size_t end = 0;
    const auto minutes = scan_int(line, &end);
    if (!minutes)
        return 0;
    int seconds = 0;
    if (end < line.size() && line[end] == ':')
        seconds = scan_int(std::string_view(line).substr(end + 1)).value_or(0);
    return saturating_add(saturating_mul(*minutes, 60), seconds);
}

} // namespace

TapeGroupPlace parse_tape_group(std::string_view text)
{
    std::vector<std::string> lines = split_lines(text);
    lines.resize(3);
    return {lines[0], scan_int(lines[1]), scan_minutes_seconds(lines[2])};
}

std::string format_tape_group(const std::string& playlist_path, int tip, int seconds)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%d\n%d:%02d\n", saturating_add(tip, 1), seconds / 60,
                  seconds % 60);
    return playlist_path + "\n" + numbers;
}

} // namespace cuedeck
