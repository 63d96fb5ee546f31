#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cuedeck {

class System;

/// The draft the user chose for each recording (File, Open Draft..., or a
/// drop), kept in the state folder so that the choice holds at the next
/// start; the tape group file is not touched. The newest choices are kept,
/// at most `most_kept`; where there is no state folder, none is.
class DraftChoices
{
public:
    static constexpr const char* file_name = "drafts";
    static constexpr std::size_t most_kept = 100;

    explicit DraftChoices(System& system) : m_system(system) {}

    /// The draft chosen for `recording`, if one was.
    std::optional<std::string> chosen_for(const std::string& recording);
    /// From now on, `draft` is the one for `recording`.
    void remember(const std::string& recording, const std::string& draft);

private:
    using Choice = std::pair<std::string, std::string>;
    std::string path() const;
    /// The file's choices, read once; kept up to date by remember().
    const std::vector<Choice>& choices();
    System& m_system;
    std::optional<std::vector<Choice>> m_choices;
};

} // namespace cuedeck
