#include "ui/file_filter.h"

#include <vector>

namespace cuedeck {

std::string qt_name_filters(const std::string& filter)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }

    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string description = parts[i];
        std::string patterns = parts[i + 1];
        if (description.empty() && patterns.empty())
            break; // the closing "||"
        const std::size_t open = description.rfind(" (");
        if (open != std::string::npos && !description.empty() && description.back() == ')')
            description.resize(open);
        for (char& c : patterns) {
            if (c == ';')
                c = ' ';
        }
        if (!result.empty())
            result += '\n';
        result.append(description).append(" (").append(patterns).append(")");
    }
    return result;
}

} // namespace cuedeck
