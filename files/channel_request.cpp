#include "files/channel_request.h"

#include <cctype>
#include <charconv>
#include <chrono>

namespace cuedeck {

namespace {

constexpr std::string_view open_word = "open ";
constexpr std::string_view command_word = "command ";
constexpr std::string_view go_to_word = "goto ";
constexpr std::string_view until_word = " until ";
constexpr std::string_view activate_word = " activate ";
/// How much of an unknown request is named back to its sender.
constexpr std::size_t named_prefix = 32;

bool kept_as_is(unsigned char byte)
{
    return std::isalnum(byte) != 0 || byte == '/' || byte == '.' || byte == '-' || byte == '_' ||
           byte == '~';
}

int hex_value(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

bool decode(std::string_view text, std::string& bytes)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%') {
            if (!kept_as_is(static_cast<unsigned char>(c)))
                return false; // a sender of ours encodes every other byte
            bytes += c;
            continue;
        }
        const int high = i + 1 < text.size() ? hex_value(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hex_value(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return false;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

/// A command name: a word of printable characters.
bool is_name(std::string_view text)
{
    if (text.empty() || text.size() > 64)
        return false;
    for (const char c : text) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

std::string printable_start(std::string_view line)
{
    std::string shown;
    for (const char c : line.substr(0, named_prefix))
        shown += (c >= ' ' && c <= '~') ? c : '?';
    return shown;
}

/// The deadline at the end of `line`, taken off it; none when there is none,
/// and false when one is there but is no number.
bool take_until(std::string_view& line, std::optional<std::int64_t>& until_ms)
{
    const auto at = line.rfind(until_word);
    if (at == std::string_view::npos)
        return true;
    const std::string_view digits = line.substr(at + until_word.size());
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // Written as one of ours writes it: no sign, no leading zero.
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        digits.front() == '-' || (digits.front() == '0' && digits.size() > 1))
        return false;
    until_ms = value;
    line = line.substr(0, at);
    return true;
}

std::string until_part(std::optional<std::int64_t> until_ms)
{
    return until_ms ? std::string(until_word) + std::to_string(*until_ms) : std::string();
}

/// `word`, then `bytes` percent-encoded, then the line break.
std::string encoded_line(std::string_view word, std::string_view bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string line(word);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (kept_as_is(byte)) {
            line += c;
        } else {
            line += '%';
            line += digits[byte >> 4];
            line += digits[byte & 0xF];
        }
    }
    return line + '\n';
}

} // namespace

std::string format_open_request(std::string_view path, std::string_view activation_token)
{
    std::string line = encoded_line(open_word, path);
    if (!activation_token.empty()) {
        line.pop_back();
        line += encoded_line(activate_word, activation_token);
    }
    return line;
}

std::string format_go_to_request(std::string_view text, std::optional<std::int64_t> until_ms)
{
    std::string line = encoded_line(go_to_word, text);
    line.insert(line.size() - 1, until_part(until_ms));
    return line;
}

std::string format_command_request(std::string_view name, std::optional<std::int64_t> until_ms)
{
    return std::string(command_word) + std::string(name) + until_part(until_ms) + '\n';
}

std::int64_t channel_clock_ms()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ChannelRequest parse_channel_request(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const std::string_view whole = line;
    if (line.starts_with(open_word)) {
        std::string_view rest = line.substr(open_word.size());
        std::string path;
        std::string token;
        // Neither part holds a blank: both are encoded.
        if (const auto at = rest.find(activate_word); at != std::string_view::npos) {
            if (!decode(rest.substr(at + activate_word.size()), token) || token.empty())
                return {ChannelRequest::Kind::Unknown, printable_start(whole)};
            rest = rest.substr(0, at);
        }
        if (decode(rest, path))
            return {ChannelRequest::Kind::Open, std::move(path), std::nullopt, std::move(token)};
        return {ChannelRequest::Kind::Unknown, printable_start(whole)};
    }
    std::optional<std::int64_t> until_ms;
    if (!take_until(line, until_ms))
        return {ChannelRequest::Kind::Unknown, printable_start(whole)};
    if (line.starts_with(go_to_word)) {
        std::string text;
        if (decode(line.substr(go_to_word.size()), text))
            return {ChannelRequest::Kind::GoTo, std::move(text), until_ms};
    } else if (line.starts_with(command_word) && is_name(line.substr(command_word.size()))) {
        return {ChannelRequest::Kind::Command, std::string(line.substr(command_word.size())),
                until_ms};
    }
    return {ChannelRequest::Kind::Unknown, printable_start(whole)};
}

std::string format_refusal(std::string_view reason)
{
    std::string line(channel_refused);
    for (const char c : reason)
        line += (c == '\n' || c == '\r') ? ' ' : c;
    return line + '\n';
}

std::string refusal_reason(std::string_view answer)
{
    if (answer.starts_with(channel_refused))
        answer.remove_prefix(channel_refused.size());
    return std::string(answer);
}

} // namespace cuedeck
