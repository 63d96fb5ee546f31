#pragma once

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace cuedeck::testing {

/// How long a test waits for what it expects before it calls it missing:
/// one budget for every wait, generous for a loaded machine (60 s), that a
/// developer lowers through CUEDECK_TEST_DEADLINE (seconds) to find a hang
/// quickly. A test that passes waits only as long as its condition takes.
inline std::chrono::steady_clock::duration test_deadline()
{
    constexpr int fallback_seconds = 60;
    const char* told = std::getenv("CUEDECK_TEST_DEADLINE");
    int seconds = 0;
    for (const char c : std::string_view(told ? told : "")) {
        if (c < '0' || c > '9' || seconds > 100000)
            return std::chrono::seconds(fallback_seconds);
        seconds = seconds * 10 + (c - '0');
    }
    return std::chrono::seconds(seconds > 0 ? seconds : fallback_seconds);
}

/// The same in whole milliseconds, for Qt's waits.
inline int test_deadline_ms()
{
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(test_deadline()).count());
}

/// Asks `condition` again and again until it holds, or the deadline passes;
/// whether it held.
template <class Condition>
bool eventually(Condition&& condition,
                std::chrono::steady_clock::duration step = std::chrono::milliseconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + test_deadline();
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(step);
    }
}

} // namespace cuedeck::testing
