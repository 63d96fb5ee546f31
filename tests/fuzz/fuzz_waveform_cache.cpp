// Reads arbitrary bytes as a waveform cache file: what it takes is written
// back byte for byte, and never holds a stretch not decoded.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/waveform.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const waveform::CacheKey key{"/music/tip 1.wav", 1000, 42};
    if (const auto levels = waveform::decode(file, key)) {
        if (waveform::encode(key, *levels) != file ||
            std::find(levels->begin(), levels->end(), 0) != levels->end())
            std::abort();
        (void)waveform::find_pauses(*levels);
    }
    return 0;
}
