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
        for (const Kind kind : {Kind::Open, Kind::GoTo}) {
            const std::string line =
                kind == Kind::Open ? format_open_request(path) : format_go_to_request(path);
            ASSERT_EQ(line.find('\n'), line.size() - 1) << "one line";
            const ChannelRequest request = parse_channel_request(line.substr(0, line.size() - 1));
            EXPECT_EQ(request.kind, kind);
            EXPECT_EQ(request.value, path);
        }
        // A launcher's activation token is bytes too.
        const std::string line = format_open_request(path, "token " + path);
        const ChannelRequest request = parse_channel_request(line.substr(0, line.size() - 1));
        EXPECT_EQ(request.value, path);
        EXPECT_EQ(request.activation_token, "token " + path);
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
        {"open /a.grp activate k%3D1", Kind::Open, "/a.grp"},
        {"open  activate k", Kind::Open, ""}, // only to come forward
        {"open /a.grp activate ", Kind::Unknown, "open /a.grp activate "},
        {"open /a.grp activate a b", Kind::Unknown, "open /a.grp activate a b"},
        {"open /a b.grp", Kind::Unknown, "open /a b.grp"}, // not encoded by one of ours
        {"open /a%2", Kind::Unknown, "open /a%2"},
        {"open /a%zz", Kind::Unknown, "open /a%zz"},
        {"command ", Kind::Unknown, "command "},
        {"command two words", Kind::Unknown, "command two words"},
        {"command next-tip until 12", Kind::Command, "next-tip"},
        {"goto 1%3A23 until 12", Kind::GoTo, "1:23"},
        {"command next-tip until -1", Kind::Unknown, "command next-tip until -1"},
        {"command next-tip until 012", Kind::Unknown, "command next-tip until 012"},
        {"command next-tip until", Kind::Unknown, "command next-tip until"},
        {"/music/group.grp", Kind::Unknown, "/music/group.grp"},
        {"GET / HTTP/1.1\x01" + std::string(100, 'x'), Kind::Unknown,
         "GET / HTTP/1.1?" + std::string(17, 'x')}, // a short, printable start
    };
    for (const auto& [line, kind, value] : cases) {
        const ChannelRequest request = parse_channel_request(line);
        EXPECT_EQ(request.kind, kind) << line;
        EXPECT_EQ(request.value, value) << line;
    }
    EXPECT_EQ(parse_channel_request("command next-tip until 12").until_ms, 12);
    EXPECT_EQ(parse_channel_request("command next-tip").until_ms, std::nullopt);
    EXPECT_EQ(parse_channel_request("open /a.grp activate k%3D1").activation_token, "k=1");
    EXPECT_EQ(parse_channel_request("open /a.grp").activation_token, "");
    EXPECT_EQ(format_open_request("/a b", "k=1 2"), "open /a%20b activate k%3D1%202\n");
    EXPECT_EQ(format_go_to_request("1:23", 99), "goto 1%3A23 until 99\n");
    EXPECT_EQ(format_refusal("two\nlines"), "refused two lines\n");
    EXPECT_EQ(refusal_reason("refused it waits"), "it waits");
}

} // namespace
} // namespace cuedeck::testing
