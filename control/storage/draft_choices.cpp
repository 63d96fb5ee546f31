#include "control/storage/draft_choices.h"

#include <vector>

#include "system/system.h"

namespace cuedeck {

namespace {

// One line per choice, the newest last: the recording, a tab, the draft.
// A path holding a tab or a line end is not kept (it could not be read back).
std::vector<std::pair<std::string, std::string>> read_choices(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> choices;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        if (const std::size_t tab = line.find('\t'); tab != std::string::npos && tab > 0)
            choices.emplace_back(line.substr(0, tab), line.substr(tab + 1));
        start = end + 1;
    }
    return choices;
}

bool keepable(const std::string& path)
{
    return !path.empty() && path.find_first_of("\t\r\n") == std::string::npos;
}

} // namespace

std::string DraftChoices::path() const
{
    const std::string folder = m_system.state_directory();
    return folder.empty() ? std::string() : folder + file_name;
}

const std::vector<DraftChoices::Choice>& DraftChoices::choices()
{
    if (!m_choices)
        m_choices = path().empty() ? std::vector<Choice>()
                                   : read_choices(m_system.read_file(path()).value_or(""));
    return *m_choices;
}

std::optional<std::string> DraftChoices::chosen_for(const std::string& recording)
{
    const std::vector<Choice>& known = choices();
    for (auto choice = known.rbegin(); choice != known.rend(); ++choice) {
        if (choice->first == recording)
            return choice->second;
    }
    return std::nullopt;
}

void DraftChoices::remember(const std::string& recording, const std::string& draft)
{
    if (path().empty() || !keepable(recording) || !keepable(draft))
        return;
    std::vector<Choice> choices = this->choices();
    std::erase_if(choices, [&](const Choice& choice) { return choice.first == recording; });
    choices.emplace_back(recording, draft);
    if (choices.size() > most_kept)
        choices.erase(choices.begin(), choices.end() - std::ptrdiff_t(most_kept));
    std::string text;
    for (const auto& [of, chosen] : choices)
        text.append(of).append(1, '\t').append(chosen).append(1, '\n');
    m_system.replace_file(path(), text);
    m_choices = std::move(choices);
}

} // namespace cuedeck
