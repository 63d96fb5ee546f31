// Reads arbitrary bytes as a request line of the one-copy channel, and sends
// them as a path: any path arrives as it was sent, and no line is taken for
// more than it says.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/channel_request.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string line = format_open_request(bytes);
    if (line.find('\n') != line.size() - 1 || line.find('\r') != std::string::npos)
        std::abort();
    const ChannelRequest sent = parse_channel_request(line.substr(0, line.size() - 1));
    if (sent.kind != ChannelRequest::Kind::Open || sent.value != bytes)
        std::abort();

    const ChannelRequest read = parse_channel_request(bytes);
    if (read.kind == ChannelRequest::Kind::Unknown && read.value.size() > 32)
        std::abort();
    if (read.kind == ChannelRequest::Kind::Command &&
        format_command_request(read.value, read.until_ms) != bytes + "\n" &&
        format_command_request(read.value, read.until_ms) + "\r" != bytes + "\n" &&
        format_command_request(read.value, read.until_ms) !=
            bytes.substr(0, bytes.size() - 1) + "\n")
        std::abort();
    return 0;
}
