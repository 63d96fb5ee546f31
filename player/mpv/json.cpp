#include "player/mpv/json.h"

#include <cstdio>
#include <cstdlib>

namespace cuedeck::json {

const Value* Value::find(std::string_view key) const
{
    const Object* object = as_object();
    if (object == nullptr)
        return nullptr;
    const auto found = object->find(key);
    return found == object->end() ? nullptr : &found->second;
}

namespace {

constexpr int max_depth = 64;

class Parser
{
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<Value> document()
    {
        auto value = parse_value(0);
        skip_space();
        if (!value || m_pos != m_text.size())
            return std::nullopt;
        return value;
    }

private:
    void skip_space()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                         m_text[m_pos] == '\r' || m_text[m_pos] == '\n'))
            ++m_pos;
    }

    bool consume(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    std::optional<Value> parse_value(int depth)
    {
        if (depth > max_depth)
            return std::nullopt;
        skip_space();
        if (m_pos >= m_text.size())
            return std::nullopt;
        switch (m_text[m_pos]) {
        case '{':
            return parse_object(depth);
        case '[':
            return parse_array(depth);
        case '"': {
            auto text = parse_string();
            return text ? std::optional<Value>(Value{std::move(*text)}) : std::nullopt;
        }
        case 't':
            return consume("true") ? std::optional<Value>(Value{true}) : std::nullopt;
        case 'f':
            return consume("false") ? std::optional<Value>(Value{false}) : std::nullopt;
        case 'n':
            return consume("null") ? std::optional<Value>(Value{}) : std::nullopt;
        default:
            return parse_number();
        }
    }

    std::optional<Value> parse_number()
    {
        const std::size_t start = m_pos;
        auto is_number_char = [](char c) {
            return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' ||
                   c == 'E';
        };
        while (m_pos < m_text.size() && is_number_char(m_text[m_pos]))
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        const std::string digits(m_text.substr(start, m_pos - start));
        char* end = nullptr;
        const double number = std::strtod(digits.c_str(), &end);
        if (end != digits.c_str() + digits.size())
            return std::nullopt;
        return Value{number};
    }

    static void append_utf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::optional<unsigned> parse_hex4()
    {
        if (m_pos + 4 > m_text.size())
            return std::nullopt;
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_pos++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                return std::nullopt;
        }
        return code;
    }

    std::optional<std::string> parse_string()
    {
        ++m_pos; // the opening quote
        std::string out;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"')
                return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size())
                return std::nullopt;
            const char escape = m_text[m_pos++];
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                auto code = parse_hex4();
                if (!code)
                    return std::nullopt;
                if (*code >= 0xD800 && *code < 0xDC00 && consume("\\u")) {
                    const auto low = parse_hex4();
                    if (!low || *low < 0xDC00 || *low >= 0xE000)
                        return std::nullopt;
                    *code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                }
                append_utf8(out, *code);
                break;
            }
            default:
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<Value> parse_array(int depth)
    {
        ++m_pos;
        Array items;
        skip_space();
        if (consume("]"))
            return Value{std::move(items)};
        for (;;) {
            auto item = parse_value(depth + 1);
            if (!item)
                return std::nullopt;
            items.push_back(std::move(*item));
            skip_space();
            if (consume("]"))
                return Value{std::move(items)};
            if (!consume(","))
                return std::nullopt;
        }
    }

    std::optional<Value> parse_object(int depth)
    {
        ++m_pos;
        Object members;
        skip_space();
        if (consume("}"))
            return Value{std::move(members)};
        for (;;) {
            skip_space();
            if (m_pos >= m_text.size() || m_text[m_pos] != '"')
                return std::nullopt;
            auto key = parse_string();
            skip_space();
            if (!key || !consume(":"))
                return std::nullopt;
            auto member = parse_value(depth + 1);
            if (!member)
                return std::nullopt;
            members.insert_or_assign(std::move(*key), std::move(*member));
            skip_space();
            if (consume("}"))
                return Value{std::move(members)};
            if (!consume(","))
                return std::nullopt;
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

std::optional<Value> parse(std::string_view text)
{
    return Parser(text).document();
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace cuedeck::json
