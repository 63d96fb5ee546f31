#include "files/helper_messages.h"

#include <array>
#include <charconv>
#include <utility>

namespace cuedeck::helper {
namespace {

/// No message line is longer: a word and two numbers.
constexpr std::size_t longest_line = 64;

struct Named
{
    Message::Kind kind;
    std::string_view word;
    int numbers;
};
constexpr std::array<Named, 7> kinds = {{
    {Message::Kind::Size, "size", 1},
    {Message::Kind::Levels, "levels", 2},
    {Message::Kind::Done, "done", 1},
    {Message::Kind::Heard, "heard", 1},
    {Message::Kind::Percent, "percent", 1},
    {Message::Kind::Failed, "failed", 0},
    {Message::Kind::Made, "made", 0},
}};

constexpr std::array<std::pair<Trouble, std::string_view>, 13> troubles = {{
    {Trouble::Unreadable, "unreadable"},
    {Trouble::TooLong, "too-long"},
    {Trouble::Unwritable, "unwritable"},
    {Trouble::NotInstalled, "not-installed"},
    {Trouble::ModelMissing, "model-missing"},
    {Trouble::Failed, "failed"},
    {Trouble::Refused, "refused"},
    {Trouble::NoAnswer, "no-answer"},
    {Trouble::TooMuch, "too-much"},
    {Trouble::KeyMissing, "key-missing"},
    {Trouble::KeyExposed, "key-exposed"},
    {Trouble::NoServer, "no-server"},
    {Trouble::UnsafeForBatch, "unsafe-for-batch"},
}};

bool number_of(std::string_view text, std::int64_t& number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc{} && end == text.data() + text.size() && number >= 0;
}

} // namespace

std::string_view word_of(Trouble trouble)
{
    for (const auto& [known, word] : troubles) {
        if (known == trouble)
            return word;
    }
    return {};
}

std::string failed(Trouble trouble)
{
    return encode({Message::Kind::Failed, 0, 0, std::string(word_of(trouble))});
}

std::string encode(const Message& message)
{
    for (const Named& named : kinds) {
        if (named.kind != message.kind)
            continue;
        std::string line(named.word);
        if (message.kind == Message::Kind::Levels)
            line += ' ' + std::to_string(message.from);
        if (named.numbers > 0)
            line += ' ' + std::to_string(message.number);
        if (message.kind == Message::Kind::Failed)
            line += ' ' + message.bytes;
        line += '\n';
        if (message.kind == Message::Kind::Levels || message.kind == Message::Kind::Done)
            line += message.bytes;
        return line;
    }
    return {};
}

bool MessageReader::parse_line(std::string_view line, std::vector<Message>& out)
{
    const auto space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    std::string_view rest = space == std::string_view::npos ? "" : line.substr(space + 1);
    for (const Named& named : kinds) {
        if (named.word != word)
            continue;
        Message message{named.kind, 0, 0, {}};
        if (named.kind == Message::Kind::Failed) {
            for (const auto& [trouble, known] : troubles) {
                if (known == rest) {
                    message.bytes = std::string(known);
                    out.push_back(std::move(message));
                    return true;
                }
            }
            return false;
        }
        if (named.numbers == 2) {
            const auto between = rest.find(' ');
            if (between == std::string_view::npos ||
                !number_of(rest.substr(0, between), message.from))
                return false;
            rest = rest.substr(between + 1);
        }
        if (named.numbers == 0 ? !rest.empty() : !number_of(rest, message.number))
            return false;
        const bool levels =
            named.kind == Message::Kind::Levels || named.kind == Message::Kind::Done;
        if (levels || named.kind == Message::Kind::Size) {
            if (message.number > m_largest || message.from > m_largest - message.number)
                return false;
        }
        if (named.kind == Message::Kind::Percent && message.number > 100)
            return false;
        if (levels && message.number > 0) {
            m_pending = std::move(message);
            m_wanted = static_cast<std::size_t>(m_pending.number);
            m_pending.bytes.reserve(m_wanted);
            m_in_bytes = true;
            return true;
        }
        out.push_back(std::move(message));
        return true;
    }
    return false;
}

std::vector<Message> MessageReader::take(std::string_view bytes)
{
    std::vector<Message> out;
    while (!m_broken && !bytes.empty()) {
        if (m_in_bytes) {
            const std::size_t now = std::min(m_wanted, bytes.size());
            m_pending.bytes.append(bytes.substr(0, now));
            bytes.remove_prefix(now);
            m_wanted -= now;
            if (m_wanted == 0) {
                out.push_back(std::exchange(m_pending, {}));
                m_in_bytes = false;
            }
            continue;
        }
        const auto end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (m_line.size() + piece.size() > longest_line) {
            m_broken = true;
            break;
        }
        m_line.append(piece);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
        if (!parse_line(m_line, out))
            m_broken = true;
        m_line.clear();
    }
    return out;
}

} // namespace cuedeck::helper
