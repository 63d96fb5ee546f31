// Cuedeck's helper on Windows: a recording's waveform, decoded by Windows
// itself apart from the window, one recording per start, so that one that
// crashes or hangs a decoder costs that waveform only.
//
//     cuedeck-helper waveform <recording> <near-ms>
#include <windows.h>

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "base/wide_text.h"
#include "helper/jobs.h"

namespace cuedeck::helper {
namespace {

/// Thrown when nobody reads the helper's output: it ends with its decoder
/// closed in order, which Windows' decoder needs (ended in the midst of its
/// work, it may crash on its way out).
struct Unread
{
};

} // namespace

void say(const std::string& bytes)
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string_view left = bytes;
    while (!left.empty()) {
        DWORD wrote = 0;
        if (!WriteFile(output, left.data(), static_cast<DWORD>(left.size()), &wrote, nullptr) ||
            wrote == 0)
            throw Unread{}; // nobody reads what is made: Cuedeck has gone
        left.remove_prefix(wrote);
    }
}

} // namespace cuedeck::helper

int wmain(int argc, wchar_t** argv)
{
    // A decoder's crash ends this process quietly: no box asks anyone.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(cuedeck::utf8_from_wide(argv[i]));
    std::int64_t near_ms = -1;
    if (arguments.size() == 3 && arguments[0] == "waveform") {
        const std::string& ms = arguments[2];
        const auto [end, error] = std::from_chars(ms.data(), ms.data() + ms.size(), near_ms);
        if (error == std::errc{} && end == ms.data() + ms.size() && near_ms >= 0)
            try {
                return cuedeck::helper::make_waveform(arguments[1], near_ms);
            } catch (const cuedeck::helper::Unread&) {
                return 2;
            }
    }
    const std::string usage = "usage: cuedeck-helper waveform <recording> <near-ms>\n"
                              "It is started by Cuedeck.\n";
    DWORD wrote = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), usage.data(), DWORD(usage.size()), &wrote, nullptr);
    return 64;
}
