#include "base/translation.h"

#include <atomic>

namespace cuedeck {

namespace {

std::atomic<Translator> installed{nullptr};

} // namespace

void install_translator(Translator translator)
{
    installed.store(translator);
}

std::string translated(const char* english)
{
    if (const Translator translator = installed.load()) {
        std::string text = translator(english);
        if (!text.empty())
            return text;
    }
    return english;
}

std::string translated(const char* pattern, std::initializer_list<std::string_view> values)
{
    return fill_placeholders(translated(pattern), values);
}

std::string fill_placeholders(std::string_view pattern,
                              std::initializer_list<std::string_view> values)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                filled += values.begin()[index];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

} // namespace cuedeck
