// Reads arbitrary bytes as the settings file: what it reads, written out,
// reads back to the same text (a fixed point after one round).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/settings_format.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SettingsText first;
    parse_settings(std::string_view(reinterpret_cast<const char*>(data), size), first);
    const std::string text = format_settings(first);
    SettingsText second;
    parse_settings(text, second);
    if (format_settings(second) != text)
        std::abort();
    return 0;
}
