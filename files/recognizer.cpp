#include "files/recognizer.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace cuedeck::recognizer {
namespace {

void replace_all(std::string& word, std::string_view placeholder, const std::string& value)
{
    for (std::size_t at = word.find(placeholder); at != std::string::npos;
         at = word.find(placeholder, at + value.size()))
        word.replace(at, placeholder.size(), value);
}

std::optional<std::vector<std::string>> posix_words(std::string_view command)
{
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    char quote = 0;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quote == '\'') {
            if (c == '\'')
                quote = 0;
            else
                word += c;
        } else if (quote == '"') {
            if (c == '"')
                quote = 0;
            else if (c == '\\' && i + 1 < command.size() &&
                     std::string_view("\"\\$`").find(command[i + 1]) != std::string_view::npos)
                word += command[++i];
            else
                word += c;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (in_word)
                words.push_back(std::move(word));
            word.clear();
            in_word = false;
        } else {
            in_word = true;
            if (c == '\'' || c == '"')
                quote = c;
            else if (c == '\\' && i + 1 < command.size())
                word += command[++i];
            else
                word += c;
        }
    }
    if (quote != 0)
        return std::nullopt;
    if (in_word)
        words.push_back(std::move(word));
    return words;
}

bool windows_blank(char c)
{
    return c == ' ' || c == '\t';
}

/// As the C runtime splits a command line (the rules of Visual C++ 2008
/// and later, which CommandLineToArgvW shares but for "" inside quotes).
std::vector<std::string> windows_words(std::string_view command)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < command.size() && windows_blank(command[i]))
        ++i;
    if (i == command.size())
        return words;
    // The program's name: quotes group, and a backslash is always its own.
    std::string word;
    for (bool quoted = false; i < command.size() && (quoted || !windows_blank(command[i])); ++i) {
        if (command[i] == '"')
            quoted = !quoted;
        else
            word += command[i];
    }
    words.push_back(std::move(word));
    for (;;) {
        while (i < command.size() && windows_blank(command[i]))
            ++i;
        if (i == command.size())
            return words;
        word.clear();
        bool quoted = false;
        while (i < command.size() && (quoted || !windows_blank(command[i]))) {
            const char c = command[i];
            if (c == '\\') {
                const std::size_t after = command.find_first_not_of('\\', i);
                const std::size_t count =
                    (after == std::string_view::npos ? command.size() : after) - i;
                const bool before_quote = after != std::string_view::npos && command[after] == '"';
                // 2n backslashes and a quote: n of them, and the quote
                // opens or closes; 2n + 1: n of them and a quote.
                word.append(before_quote ? count / 2 : count, '\\');
                i += count;
                if (before_quote && count % 2 == 1) {
                    word += '"';
                    ++i;
                }
            } else if (c == '"' && quoted && i + 1 < command.size() && command[i + 1] == '"') {
                word += '"';
                i += 2;
            } else if (c == '"') {
                quoted = !quoted;
                ++i;
            } else {
                word += c;
                ++i;
            }
        }
        words.push_back(std::move(word));
    }
}

} // namespace

std::optional<std::vector<std::string>>
command_arguments(std::string_view command, const RecognizerJob& job, CommandSyntax syntax)
{
    auto split = syntax == CommandSyntax::Windows ? std::optional(windows_words(command))
                                                  : posix_words(command);
    if (!split || split->empty())
        return std::nullopt;
    std::vector<std::string> words = std::move(*split);
    for (std::string& each : words) {
        // The numbers first: a file name holding "{start_ms}" stays as it is.
        replace_all(each, start_placeholder, std::to_string(job.from_ms));
        replace_all(each, length_placeholder, std::to_string(job.length_ms));
        replace_all(each, language_placeholder, job.language);
        replace_all(each, output_placeholder, job.output_base);
        replace_all(each, audio_placeholder, job.audio);
    }
    return words;
}

std::optional<std::vector<std::string>> arguments(const RecognizerChoice& choice,
                                                  const RecognizerJob& job, CommandSyntax syntax)
{
    switch (choice.kind) {
    case RecognizerKind::None:
        return std::nullopt;
    case RecognizerKind::PocketSphinx:
        return std::vector<std::string>{
            pocketsphinx_program, "-infile", job.audio, "-time", "yes", "-logfn", "/dev/null"};
    case RecognizerKind::WhisperCli: {
        std::vector<std::string> words{whisper_program,
                                       "-m",
                                       choice.model,
                                       "-f",
                                       job.audio,
                                       "-l",
                                       job.language.empty() ? "auto" : job.language,
                                       "-osrt",
                                       "-of",
                                       job.output_base,
                                       "-pp"};
        if (job.whole_recording && job.length_ms > 0)
            words.insert(words.end(),
                         {"-ot", std::to_string(job.from_ms), "-d", std::to_string(job.length_ms)});
        return words;
    }
    case RecognizerKind::Command:
        return command_arguments(choice.command, job, syntax);
    case RecognizerKind::Server:
        return std::nullopt; // the helper sends it itself
    }
    return std::nullopt;
}

std::string windows_command_line(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
            line += argument;
            continue;
        }
        // Backslashes double only before a quote, the closing one too.
        line += '"';
        std::size_t backslashes = 0;
        for (const char c : argument) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, '\\');
        line += '"';
    }
    return line;
}

bool is_batch_file(std::string_view program)
{
    std::string ending;
    for (const char c : program.substr(program.size() - std::min<std::size_t>(program.size(), 4)))
        ending += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == ".bat" || ending == ".cmd";
}

std::string unsafe_for_batch(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        for (const char c : argument) {
            const auto code = static_cast<unsigned char>(c);
            if (c == '%' || c == '"')
                return std::string(1, c);
            if (code < 0x20 || code == 0x7f) {
                constexpr std::string_view hex = "0123456789ABCDEF";
                return std::string("U+00") + hex[code >> 4] + hex[code & 15];
            }
        }
    }
    return {};
}

std::string batch_command_line(const std::vector<std::string>& arguments)
{
    // /s: the outer quotes go and the rest is read as it is.
    std::string line = "cmd.exe /d /v:off /s /c \"";
    for (const std::string& argument : arguments) {
        if (&argument != &arguments.front())
            line += ' ';
        // Inside quotes cmd.exe reads only '%' and '"' (refused before);
        // backslashes before the closing quote double, for a program the
        // batch file hands the word on to.
        const std::size_t last = argument.find_last_not_of('\\');
        const std::size_t backslashes =
            argument.size() - (last == std::string::npos ? 0 : last + 1);
        line += '"';
        line += argument;
        line.append(backslashes, '\\');
        line += '"';
    }
    line += '"';
    return line;
}

bool draft_on_output(RecognizerKind kind)
{
    return kind == RecognizerKind::PocketSphinx;
}

std::string ServerOrigin::text() const
{
    return scheme + "://" + host + (port.empty() ? "" : ":" + port);
}

bool ServerOrigin::on_this_machine() const
{
    std::string lower;
    for (const char c : host)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "localhost" || lower.ends_with(".localhost") || lower == "[::1]" ||
           (lower.starts_with("127.") &&
            lower.find_first_not_of("0123456789.") == std::string::npos);
}

std::optional<ServerOrigin> server_origin(std::string_view address)
{
    ServerOrigin origin;
    const std::size_t colon = address.find("://");
    if (colon == std::string_view::npos)
        return std::nullopt;
    for (const char c : address.substr(0, colon))
        origin.scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (origin.scheme != "http" && origin.scheme != "https")
        return std::nullopt;
    std::string_view rest = address.substr(colon + 3);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (const std::size_t at = rest.rfind('@'); at != std::string_view::npos)
        rest.remove_prefix(at + 1); // a user name in the address is not the host
    std::size_t port_colon = rest.rfind(':');
    if (rest.starts_with('[') &&
        (port_colon == std::string_view::npos || port_colon < rest.find(']')))
        port_colon = std::string_view::npos;
    origin.host = std::string(rest.substr(0, port_colon));
    if (port_colon != std::string_view::npos)
        origin.port = std::string(rest.substr(port_colon + 1));
    if (origin.host.empty() || origin.port.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return origin;
}

std::optional<int> percent_in(std::string_view line)
{
    const std::size_t sign = line.rfind('%');
    if (sign == std::string_view::npos || sign == 0)
        return std::nullopt;
    std::size_t from = sign;
    while (from > 0 && std::isdigit(static_cast<unsigned char>(line[from - 1])) != 0 &&
           sign - from < 3)
        --from;
    int percent = 0;
    const auto [end, error] = std::from_chars(line.data() + from, line.data() + sign, percent);
    if (error != std::errc{} || end != line.data() + sign || percent > 100)
        return std::nullopt;
    return percent;
}

} // namespace cuedeck::recognizer
