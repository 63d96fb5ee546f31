#include <gtest/gtest.h>

#include "files/channel_request.h"

namespace cuedeck::testing {
namespace {

using Kind = ChannelRequest::Kind;

TEST(ChannelRequest, EveryByteOfAPathOrAPlaceArrivesAsItWas)
{
    const std::string paths[] = {"/music/group one.grp", "/a\nb\r\n.grp", "/ü/&<b>%41.grp",
                                 std::string("/nul\0byte", 9), ""};
    for (const std::string& path : paths) {
        for (const auto& [format, kind] : {std::pair{&format_open_request, Kind::Open},
                                           std::pair{&format_go_to_request, Kind::GoTo}}) {
            const std::string line = format(path);
            ASSERT_EQ(line.find('\n'), line.size() - 1) << "one line";
            const ChannelRequest request = parse_channel_request(line.substr(0, line.size() - 1));
            EXPECT_EQ(request.kind, kind);
            EXPECT_EQ(request.value, path);
        }
    }
}

TEST(ChannelRequest, LinesAreReadStrictly)
{
    const struct
    {
        std::string line;
        Kind kind;
        std::string value;
    } cases[] = {
        {"command next-tip", Kind::Command, "next-tip"},
        {"command next-tip\r", Kind::Command, "next-tip"}, // a CR before the LF
        {"open /a%20b.grp\r", Kind::Open, "/a b.grp"},
        {"open /a b.grp", Kind::Unknown, "open /a b.grp"}, // not encoded by one of ours
        {"open /a%2", Kind::Unknown, "open /a%2"},
        {"open /a%zz", Kind::Unknown, "open /a%zz"},
        {"command ", Kind::Unknown, "command "},
        {"command two words", Kind::Unknown, "command two words"},
        {"/music/group.grp", Kind::Unknown, "/music/group.grp"},
        {"GET / HTTP/1.1\x01" + std::string(100, 'x'), Kind::Unknown,
         "GET / HTTP/1.1?" + std::string(17, 'x')}, // a short, printable start
    };
    for (const auto& [line, kind, value] : cases) {
        const ChannelRequest request = parse_channel_request(line);
        EXPECT_EQ(request.kind, kind) << line;
        EXPECT_EQ(request.value, value) << line;
    }
    EXPECT_EQ(format_refusal("two\nlines"), "refused two lines\n");
    EXPECT_EQ(refusal_reason("refused it waits"), "it waits");
}

} // namespace
} // namespace cuedeck::testing
