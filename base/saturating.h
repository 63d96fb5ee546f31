#pragma once

#include <cstdint>
#include <limits>

/// 32-bit arithmetic that clamps at the limits instead of overflowing.
///
/// Every number that comes from a file or from the player may be anything an
/// int holds; scaling seconds to milliseconds or minutes to seconds must not
/// wrap round into nonsense (or undefined behaviour).
namespace cuedeck {

constexpr int clamp_to_int(std::int64_t value)
{
    constexpr std::int64_t lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t highest = std::numeric_limits<int>::max();
    return static_cast<int>(value < lowest ? lowest : value > highest ? highest : value);
}

constexpr int saturating_add(int a, int b)
{
    return clamp_to_int(std::int64_t{a} + b);
}

constexpr int saturating_sub(int a, int b)
{
    return clamp_to_int(std::int64_t{a} - b);
}

constexpr int saturating_mul(int a, int b)
{
    return clamp_to_int(std::int64_t{a} * b);
}

} // namespace cuedeck
