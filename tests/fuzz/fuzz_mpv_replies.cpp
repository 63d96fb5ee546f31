// Reads arbitrary bytes as mpv's reply stream, the one input that comes from
// another process: fed whole or split at any point, the same replies come
// out, and nothing crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "player/mpv/mpv_protocol.h"

using namespace cuedeck;

namespace {

bool same(const std::optional<MpvProtocol::Reply>& a, const std::optional<MpvProtocol::Reply>& b)
{
    return a.has_value() == b.has_value() &&
           (!a || (a->success == b->success && a->data == b->data));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses where the stream is split; the rest is the stream.
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t cut = bytes.empty() ? 0 : data[0] % (bytes.size() + 1);
    MpvProtocol whole;
    whole.feed(bytes);
    MpvProtocol split;
    split.feed(bytes.substr(0, cut));
    split.feed(bytes.substr(cut));
    // Taken in order, as the backend takes them; small ids are the ones we send.
    for (std::int64_t id = 0; id < 64; ++id) {
        if (!same(whole.take(id), split.take(id)))
            std::abort();
    }
    if (whole.pending_bytes() != split.pending_bytes())
        std::abort();
    return 0;
}
