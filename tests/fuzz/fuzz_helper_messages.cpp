// Reads arbitrary bytes as the helper program's output, whole and in two
// pieces: the same messages either way, never a level count beyond the
// bound, never more bytes than a message announced. The same bytes as a
// recognizer's command template split into words, placeholders replaced.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/helper_messages.h"
#include "files/recognizer.h"

using namespace cuedeck;

namespace {

bool same(const std::vector<helper::Message>& a, const std::vector<helper::Message>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].from != b[i].from || a[i].number != b[i].number ||
            a[i].bytes != b[i].bytes)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::int64_t largest = 1000;
    helper::MessageReader whole(largest);
    const auto at_once = whole.take(bytes);
    helper::MessageReader pieces(largest);
    auto in_two = pieces.take(bytes.substr(0, size / 2));
    for (auto& message : pieces.take(bytes.substr(size / 2)))
        in_two.push_back(std::move(message));
    if (!whole.broken() && !same(at_once, in_two))
        std::abort();
    for (const helper::Message& message : at_once) {
        const bool levels = message.kind == helper::Message::Kind::Levels ||
                            message.kind == helper::Message::Kind::Done;
        if (message.number < 0 || message.from < 0 ||
            (levels && (message.from + message.number > largest ||
                        message.bytes.size() != std::size_t(message.number))))
            std::abort();
    }
    const RecognizerJob job{"/a b/it's.wav", "/out", "de", 1, 2};
    if (const auto words = recognizer::command_arguments(bytes, job); words && words->empty())
        std::abort();
    return 0;
}
