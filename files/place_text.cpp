#include "files/place_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <regex>

namespace cuedeck {

std::string format_place(int tip, int tip_count, int position_ms)
{
    const int tenths = std::max(position_ms, 0) / 100;
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d.%d", tenths / 36000, tenths / 600 % 60,
                  tenths / 10 % 60, tenths % 10);
    return "[" + (tip_count > 1 ? std::to_string(tip) + " " : std::string()) + time + "]";
}

namespace {

std::vector<FoundPlace> places_in(std::string_view text, std::size_t most)
{
    // Not inside a longer number: what comes before is no digit, colon or
    // dot, and what comes after no digit or colon. A number just before it
    // is its tip, however large (a tip beyond the list is refused later,
    // not taken for the current one); a time after a minus is no place.
    // Every repeat is bounded: the library's matcher recurses for each
    // character a repeat takes, and a long run of digits would overflow the
    // stack.
    static const std::regex place(
        R"((?:^|[^0-9:.,\-])(?:([0-9]{1,9}) )?(-?)(?:([0-9]{1,3}):)?([0-9]{1,3}):([0-9]{2})(?:[.,]([0-9]{1,3}))?(?![0-9:]))");
    const std::string copy(text);
    std::vector<FoundPlace> places;
    for (auto match = std::sregex_iterator(copy.begin(), copy.end(), place);
         match != std::sregex_iterator(); ++match) {
        const auto number = [&](int group) { return std::stoi((*match)[group].str()); };
        if ((*match)[2].length() > 0)
            continue;
        const bool has_hours = (*match)[3].matched;
        const int minutes = number(4);
        const int seconds = number(5);
        if (seconds > 59 || (has_hours && minutes > 59))
            continue;
        long long ms =
            (has_hours ? number(3) * 3600LL : 0) * 1000 + minutes * 60000LL + seconds * 1000LL;
        if ((*match)[6].matched) {
            std::string fraction = (*match)[6].str();
            fraction.resize(3, '0');
            ms += std::stoi(fraction);
        }
        if (ms > 0x7fffffff)
            continue;
        FoundPlace found;
        const auto at = std::size_t(match->position(0));
        if ((*match)[1].matched) {
            found.place.tip = number(1);
        } else if (at > 0 && copy[at] == ' ' &&
                   std::isdigit(static_cast<unsigned char>(copy[at - 1]))) {
            // More digits before it than a tip number has: a tip beyond any list.
            found.place.tip = std::numeric_limits<int>::max();
        }
        found.place.position_ms = int(ms);
        // The match takes the character before the place, if any.
        const std::size_t first = (*match)[1].matched   ? std::size_t(match->position(1))
                                  : (*match)[3].matched ? std::size_t(match->position(3))
                                                        : std::size_t(match->position(4));
        found.begin = first;
        found.end = at + std::size_t(match->length(0));
        const char before = first > 0 ? copy[first - 1] : '\0';
        const char after = found.end < copy.size() ? copy[found.end] : '\0';
        if ((before == '[' && after == ']') || (before == '#' && after == '#')) {
            found.delimited = true;
            --found.begin;
            ++found.end;
        }
        places.push_back(found);
        if (places.size() == most)
            break;
    }
    return places;
}

} // namespace

std::vector<FoundPlace> find_places(std::string_view text)
{
    return places_in(text, std::numeric_limits<std::size_t>::max());
}

std::optional<PlaceText> find_place(std::string_view text)
{
    const std::vector<FoundPlace> first = places_in(text, 1);
    if (first.empty())
        return std::nullopt;
    return first.front().place;
}

} // namespace cuedeck
