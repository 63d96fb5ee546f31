#include "files/recognizer.h"

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

} // namespace

std::optional<std::vector<std::string>> command_arguments(std::string_view command,
                                                          const RecognizerJob& job)
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
    if (words.empty())
        return std::nullopt;
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
                                                  const RecognizerJob& job)
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
        return command_arguments(choice.command, job);
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
