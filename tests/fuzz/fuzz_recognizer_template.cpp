// Reads arbitrary bytes as a recognizer's command template, split both as a
// POSIX shell and as a Windows program would: never a crash, and where the
// words may go to a batch file, cmd.exe is handed a line in which nothing
// of them stands outside quotes, and no '%' at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/recognizer.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    RecognizerJob job;
    job.audio = R"(c:\rec\a & b ^ (c).wav)";
    job.output_base = R"(c:\jobs\1\out)";
    job.language = "de";
    job.from_ms = 1500;
    job.length_ms = 9000;
    recognizer::command_arguments(text, job, recognizer::CommandSyntax::Posix);
    const auto words = recognizer::command_arguments(text, job, recognizer::CommandSyntax::Windows);
    if (!words)
        return 0;
    recognizer::windows_command_line(*words);
    if (!recognizer::unsafe_for_batch(*words).empty())
        return 0;
    const std::string line = recognizer::batch_command_line(*words);
    constexpr std::string_view start = "cmd.exe /d /v:off /s /c \"";
    if (line.substr(0, start.size()) != start || line.back() != '"')
        std::abort();
    // What /s leaves: the line between the outer quotes, read as cmd.exe reads it.
    const std::string_view inner(line.data() + start.size(), line.size() - start.size() - 1);
    bool quoted = false;
    for (const char c : inner) {
        if (c == '%')
            std::abort();
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && std::string_view("&|<>^()!").find(c) != std::string_view::npos)
            std::abort();
    }
    if (quoted)
        std::abort();
    return 0;
}
