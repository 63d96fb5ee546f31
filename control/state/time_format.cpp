#include "control/state/time_format.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

namespace cuedeck {

std::string format_minutes_seconds(int seconds)
{
    // Widened so that the most negative int can be negated.
    std::int64_t n = seconds;
    const char* sign = "";
    if (n < 0) {
        sign = "-";
        n = -n;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%s%" PRId64 ":%02" PRId64, sign, n / 60, n % 60);
    return text;
}

} // namespace cuedeck
