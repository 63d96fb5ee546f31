// Cuedeck's helper: the work on recordings that runs apart from the window,
// one piece of work per start, so that a recording that crashes or hangs a
// decoder costs that work only.
//
//     cuedeck-helper waveform <recording> <near-ms>
//     cuedeck-helper recognize <recording> <from-ms> <length-ms> <wav> <output>
//                              <program> [argument...]
//     cuedeck-helper send <recording> <from-ms> <length-ms> <wav> <output>
//                         <url> <key-file> <language> <timeout-s>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

extern "C" {
#include <libavutil/log.h>
}

#include "helper/jobs.h"

namespace cuedeck::helper {

void say(const std::string& bytes)
{
    std::string_view left = bytes;
    while (!left.empty()) {
        const ssize_t wrote = ::write(STDOUT_FILENO, left.data(), left.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            ::_exit(2); // nobody reads what is made: Cuedeck has gone
        left.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

} // namespace cuedeck::helper

namespace {

bool milliseconds(const char* text, std::int64_t& ms)
{
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), ms);
    return error == std::errc{} && end == view.data() + view.size() && ms >= 0;
}

int usage()
{
    std::fputs("usage: cuedeck-helper waveform <recording> <near-ms>\n"
               "       cuedeck-helper recognize <recording> <from-ms> <length-ms> <wav> <output>"
               " <program> [argument...]\n"
               "       cuedeck-helper send <recording> <from-ms> <length-ms> <wav> <output>"
               " <url> <key-file> <language> <timeout-s>\n"
               "It is started by Cuedeck.\n",
               stderr);
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    av_log_set_level(AV_LOG_QUIET); // a damaged recording is no news for the terminal
    const std::string_view job = argc > 1 ? argv[1] : "";
    std::int64_t first = 0;
    std::int64_t second = 0;
    if (job == "waveform" && argc == 4 && milliseconds(argv[3], first))
        return cuedeck::helper::make_waveform(argv[2], first);
    if (job == "recognize" && argc >= 8 && milliseconds(argv[3], first) &&
        milliseconds(argv[4], second))
        return cuedeck::helper::recognize(argv[2], first, second, argv[5], argv[6], argv + 7);
    std::int64_t timeout_s = 0;
    if (job == "send" && argc == 11 && milliseconds(argv[3], first) &&
        milliseconds(argv[4], second) && milliseconds(argv[10], timeout_s) && timeout_s > 0)
        return cuedeck::helper::send(argv[2], first, second, argv[5], argv[6], argv[7], argv[8],
                                     argv[9], static_cast<long>(timeout_s));
    return usage();
}
