#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "player/mpv/json.h"
#include "player/mpv/mpv_protocol.h"

namespace cuedeck {
namespace {

TEST(MpvProtocol, EncodesOneCommandPerLine)
{
    EXPECT_EQ(
        MpvProtocol::encode(7, {std::string("seek"), std::int64_t{-5}, std::string("relative")}),
        "{\"command\":[\"seek\",-5,\"relative\"],\"request_id\":7}\n");
    EXPECT_EQ(MpvProtocol::encode(8, {std::string("set_property"), std::string("pause"), false}),
              "{\"command\":[\"set_property\",\"pause\",false],\"request_id\":8}\n");
    EXPECT_EQ(MpvProtocol::encode(9, {std::string("seek"), 83.5, std::string("absolute")}),
              "{\"command\":[\"seek\",83.500,\"absolute\"],\"request_id\":9}\n");
}

TEST(MpvProtocol, QuotesPathsSoTheyStayOneArgument)
{
    const std::string path = "/m/a \"b\"\\c\nd\x01.m3u";
    const std::string line = MpvProtocol::encode(1, {std::string("loadlist"), path});
    const auto parsed = json::parse(line);
    ASSERT_TRUE(parsed);
    const json::Array& command = *parsed->find("command")->as_array();
    ASSERT_EQ(command.size(), 2u);
    EXPECT_EQ(*command[1].as_string(), path);
}

TEST(MpvProtocol, AssemblesRepliesFromAnySplit)
{
    const std::string bytes =
        "{\"data\":3,\"request_id\":1,\"error\":\"success\"}\n"
        "{\"data\":\"2. b.wav - mpv\",\"request_id\":2,\"error\":\"success\"}\n";
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        MpvProtocol protocol;
        protocol.feed(bytes.substr(0, cut));
        protocol.feed(bytes.substr(cut));
        const auto first = protocol.take(1);
        const auto second = protocol.take(2);
        ASSERT_TRUE(first && second) << "cut at " << cut;
        EXPECT_EQ(*first->data.as_number(), 3);
        EXPECT_EQ(*second->data.as_string(), "2. b.wav - mpv");
    }
}

TEST(MpvProtocol, AReplyIsNotThereUntilItsLineIsComplete)
{
    MpvProtocol protocol;
    protocol.feed("{\"data\":3,\"request_id\":1,\"error\":\"succ");
    EXPECT_FALSE(protocol.take(1));
    protocol.feed("ess\"}");
    EXPECT_FALSE(protocol.take(1));
    protocol.feed("\n");
    EXPECT_TRUE(protocol.take(1));
}

TEST(MpvProtocol, SkipsEventLinesAndGarbage)
{
    MpvProtocol protocol;
    protocol.feed("{\"event\":\"start-file\",\"playlist_entry_id\":1}\n"
                  "not json\n"
                  "{\"event\":\"property-change\",\"id\":1,\"request_id\":1}\n"
                  "{\"request_id\":1,\"error\":\"property unavailable\"}\n");
    const auto reply = protocol.take(1);
    ASSERT_TRUE(reply);
    EXPECT_FALSE(reply->success);
    EXPECT_TRUE(reply->data.is_null());
}

TEST(MpvProtocol, LateRepliesAreNotTakenForLaterRequests)
{
    MpvProtocol protocol;
    // Request 1 timed out; its reply arrives together with the one to 2.
    protocol.feed("{\"data\":99,\"request_id\":1,\"error\":\"success\"}\n"
                  "{\"data\":2,\"request_id\":2,\"error\":\"success\"}\n");
    EXPECT_EQ(*protocol.take(2)->data.as_number(), 2);
    EXPECT_FALSE(protocol.take(1)); // dropped, never handed out
}

TEST(MpvProtocol, DropsAnOverlongLineAndRecovers)
{
    MpvProtocol protocol;
    const std::string huge(MpvProtocol::max_line + 10, 'x');
    protocol.feed(huge);
    EXPECT_LT(protocol.pending_bytes(), MpvProtocol::max_line + 1);
    protocol.feed("x\n{\"data\":1,\"request_id\":5,\"error\":\"success\"}\n");
    EXPECT_TRUE(protocol.take(5));
}

TEST(Json, ParsesWhatMpvSends)
{
    const auto value = json::parse(
        R"({"data":[{"filename":"/m/a b.wav","current":true,"id":1},{"title":"\u00e9t\u00e9 \ud83c\udfb5"}],"error":"success"})");
    ASSERT_TRUE(value);
    const json::Array& list = *value->find("data")->as_array();
    EXPECT_EQ(*list[0].find("filename")->as_string(), "/m/a b.wav");
    EXPECT_TRUE(*list[0].find("current")->as_bool());
    EXPECT_EQ(*list[1].find("title")->as_string(), "\xC3\xA9t\xC3\xA9 \xF0\x9F\x8E\xB5");
    EXPECT_EQ(*json::parse(" -1.5e3 ")->as_number(), -1500);
}

TEST(Json, RefusesMalformedText)
{
    for (const char* bad :
         {"", "{", "[1,]", "{\"a\" 1}", "\"open", "tru", "1 2", "\"\\x\"", "\"\\ud800\\u0041\""})
        EXPECT_FALSE(json::parse(bad)) << bad;
    EXPECT_FALSE(json::parse(std::string(100, '[') + std::string(100, ']'))); // too deep
}

} // namespace
} // namespace cuedeck
