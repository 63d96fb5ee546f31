#pragma once

#include <clocale>
#include <string>

namespace cuedeck::testing {

/// The process's C locale set to German for the object's lifetime, as
/// QApplication sets it from a German desktop's environment: numbers print and
/// parse with a decimal comma there. active() is false when the locale is not
/// installed; tests must fail then, not skip.
class CommaDecimalLocale
{
public:
    CommaDecimalLocale() : m_previous(std::setlocale(LC_ALL, nullptr))
    {
        m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
                   std::string(std::localeconv()->decimal_point) == ",";
    }
    ~CommaDecimalLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active = false;
};

} // namespace cuedeck::testing
