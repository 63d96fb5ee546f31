#pragma once

#include <optional>
#include <string>

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
    std::string path() const;
    System& m_system;
};

} // namespace cuedeck
