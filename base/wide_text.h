#pragma once

#include <string>
#include <string_view>

namespace cuedeck {

/// Windows' UTF-16 and the program's UTF-8. A sequence that is not valid
/// UTF-8 (or UTF-16) comes out with replacement characters, never cut short.
std::wstring wide_from_utf8(std::string_view text);
std::string utf8_from_wide(std::wstring_view text);

/// Text of the system's ANSI code page (what files written by earlier
/// versions hold, and what older players write), in UTF-8.
std::string utf8_from_system_code_page(std::string_view text);

} // namespace cuedeck
