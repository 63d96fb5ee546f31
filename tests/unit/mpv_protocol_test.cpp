#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "player/mpv/clarity_filters.h"
#include "player/mpv/mpv_calls.h"
#include "player/mpv/mpv_protocol.h"
#include "support/comma_locale.h"

namespace cuedeck {
namespace {

// Every case runs under a comma-decimal locale, as on a German desktop.
class MpvProtocolTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_locale.active()) << "de_DE.UTF-8 is not installed"; }
    testing::CommaDecimalLocale m_locale;
};

TEST_F(MpvProtocolTest, EncodesOneCommandPerLineWithDecimalPoints)
{
    EXPECT_EQ(MpvProtocol::encode(7, ipc("seek", -5, "relative")),
              "{\"command\":[\"seek\",-5,\"relative\"],\"request_id\":7}\n");
    EXPECT_EQ(MpvProtocol::encode(8, ipc("set_property", "pause", false)),
              "{\"command\":[\"set_property\",\"pause\",false],\"request_id\":8}\n");
    EXPECT_EQ(MpvProtocol::encode(9, ipc("seek", 83.5, "absolute")),
              "{\"command\":[\"seek\",83.5,\"absolute\"],\"request_id\":9}\n");
}

TEST_F(MpvProtocolTest, EachAidIsOneLabelledFilterWithPointsInItsNumbers)
{
    using namespace mpv_filters;
    const ClarityAids all{.reduce_noise = true,
                          .voice_band = true,
                          .even_loudness = true,
                          .louder = true,
                          .channel = Channel::Right};
    const std::pair<Aid, const char*> entries[] = {
        {Aid::Channel, "@cuedeck-channel:lavfi=[aformat=channel_layouts=stereo,"
                       "pan=stereo|c0=c1|c1=c1]"},
        {Aid::VoiceBand, "@cuedeck-voice:lavfi=[highpass=f=150,highpass=f=150,lowpass=f=3800,"
                         "lowpass=f=3800]"},
        {Aid::ReduceNoise, "@cuedeck-noise:lavfi=[afftdn=nr=15:nf=-40]"},
        {Aid::Louder, "@cuedeck-louder:lavfi=[volume=volume=3.3750:precision=float,"
                      "alimiter=limit=0.97:attack=5:release=50:level=disabled]"},
    };
    for (const auto& [aid, entry_text] : entries)
        EXPECT_EQ(entry(aid, all, 50), entry_text);
    EXPECT_THAT(entry(Aid::EvenLoudness, all), ::testing::StartsWith("@cuedeck-even:lavfi=["));
    EXPECT_THAT(entry(Aid::Channel, {.channel = Channel::Mixed}),
                ::testing::HasSubstr("c0=0.5*c0+0.5*c1|c1=0.5*c0+0.5*c1"));
    EXPECT_DOUBLE_EQ(boost_gain(0), 1.0);
    EXPECT_DOUBLE_EQ(boost_gain(100), 8.0);
    EXPECT_DOUBLE_EQ(boost_gain(250), 8.0); // never beyond 200 %
}

TEST_F(MpvProtocolTest, QuotesPathsSoTheyStayOneArgument)
{
    const std::string path = "/m/a \"b\"\\c\nd\x01 \xC3\xA9t\xC3\xA9.m3u";
    const std::string line = MpvProtocol::encode(1, ipc("loadlist", path));
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_EQ(Json::parse(line)["command"][1], path);
}

TEST_F(MpvProtocolTest, ReadsTheValuesOfOneExpandedTextUnderAnyLocale)
{
    using mpv_detail::expanded_values;
    const std::string s(1, mpv_detail::value_separator);
    const auto values = expanded_values(
        Json("83.456000" + s + "yes" + s + "no" + s + s + "pulse" + s + "-1" + s + "1984" + s), 8,
        6);
    EXPECT_EQ(mpv_detail::seconds_to_ms(values[0]), 83456);
    EXPECT_TRUE(mpv_detail::flag_of(values[1]));
    EXPECT_EQ(values[2], Json(false));
    EXPECT_FALSE(values[3]); // a property mpv does not have now
    EXPECT_EQ(values[4], Json("pulse"));
    EXPECT_EQ(mpv_detail::int_of(values[5]), -1);
    EXPECT_EQ(values[6], Json("1984")); // text stays text, empty or not
    EXPECT_EQ(values[7], Json(""));
    for (const auto& value : expanded_values(Json("1" + s + "a" + s + "b" + s + "c"), 3))
        EXPECT_FALSE(value); // a name holding the separator: none is certain
    EXPECT_FALSE(expanded_values(std::nullopt, 2)[1]); // no answer
}

TEST_F(MpvProtocolTest, AssemblesRepliesFromAnySplit)
{
    const std::string bytes =
        "{\"data\":12.75,\"request_id\":1,\"error\":\"success\"}\n"
        "{\"data\":\"2. b.wav - mpv\",\"request_id\":2,\"error\":\"success\"}\n";
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        MpvProtocol protocol;
        protocol.feed(bytes.substr(0, cut));
        protocol.feed(bytes.substr(cut));
        const auto first = protocol.take(1);
        const auto second = protocol.take(2);
        ASSERT_TRUE(first && second) << "cut at " << cut;
        EXPECT_EQ(first->data.get<double>(), 12.75);
        EXPECT_EQ(second->data, "2. b.wav - mpv");
    }
}

TEST_F(MpvProtocolTest, AReplyIsNotThereUntilItsLineIsComplete)
{
    MpvProtocol protocol;
    protocol.feed("{\"data\":3,\"request_id\":1,\"error\":\"succ");
    EXPECT_FALSE(protocol.take(1));
    protocol.feed("ess\"}");
    EXPECT_FALSE(protocol.take(1));
    protocol.feed("\n");
    EXPECT_TRUE(protocol.take(1));
}

TEST_F(MpvProtocolTest, SkipsEventLinesAndGarbage)
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
    EXPECT_FALSE(protocol.take(1)) << "a reply is handed out once";
}

TEST_F(MpvProtocolTest, HearsWhichEntriesFailedAndWhenASeekEnded)
{
    MpvProtocol protocol;
    // As mpv tells them: each file's start, then its end.
    protocol.feed("{\"event\":\"start-file\",\"playlist_entry_id\":4}\n"
                  "{\"event\":\"end-file\",\"reason\":\"error\",\"playlist_entry_id\":4,"
                  "\"file_error\":\"unrecognized file format\"}\n"
                  "{\"event\":\"start-file\",\"playlist_entry_id\":5}\n"
                  "{\"event\":\"file-loaded\"}\n"
                  "{\"event\":\"end-file\",\"reason\":\"eof\",\"playlist_entry_id\":5}\n"
                  "{\"event\":\"end-file\",\"reason\":\"error\",\"playlist_entry_id\":\"6\"}\n"
                  "{\"event\":\"playback-restart\"}\n");
    EXPECT_EQ(protocol.files_started(), 2U);
    EXPECT_EQ(protocol.files_loaded(), 1U) << "the one that failed was never loaded";
    EXPECT_TRUE(protocol.failed(4));
    EXPECT_TRUE(protocol.failed(4, 0)) << "a failure of a load begun after none";
    EXPECT_FALSE(protocol.failed(4, 1)) << "a failure before this load";
    EXPECT_FALSE(protocol.failed(5)) << "an entry played to its end";
    EXPECT_FALSE(protocol.failed(6)) << "an id that is no number";
    EXPECT_EQ(protocol.seeks_done(), 0U) << "a file starting is no seek";
    protocol.feed("{\"event\":\"seek\"}\n{\"event\":\"playback-restart\"}\n{\"event\":\"seek\"}\n");
    EXPECT_EQ(protocol.seeks_done(), 1U);
    // A flood of failures keeps the newest.
    for (std::int64_t id = 10; id < 10 + std::int64_t{MpvProtocol::most_failed}; ++id)
        protocol.feed(R"({"event":"start-file"})"
                      "\n"
                      R"({"event":"end-file","reason":"error","playlist_entry_id":)" +
                      std::to_string(id) + "}\n");
    EXPECT_FALSE(protocol.failed(4));
    EXPECT_TRUE(protocol.failed(9 + std::int64_t{MpvProtocol::most_failed}));
}

TEST_F(MpvProtocolTest, KeepsWhatMpvToldOfEachObservedProperty)
{
    MpvProtocol protocol;
    EXPECT_EQ(protocol.told("pause"), nullptr) << "not told yet";
    protocol.feed(R"({"event":"property-change","id":1,"name":"time-pos","data":1.5})"
                  "\n"
                  R"({"event":"property-change","id":2,"name":"pause","data":true})"
                  "\n"
                  R"({"event":"property-change","id":3,"name":"path"})"
                  "\n"
                  R"({"event":"property-change","id":1,"name":"time-pos","data":2.25})"
                  "\n"
                  R"({"event":"property-change","id":4,"data":7})"
                  "\n");
    ASSERT_NE(protocol.told("time-pos"), nullptr);
    EXPECT_EQ(*protocol.told("time-pos"), Json(2.25)) << "the last one told";
    EXPECT_EQ(protocol.places_told(), 2U);
    EXPECT_EQ(*protocol.told("pause"), Json(true));
    ASSERT_NE(protocol.told("path"), nullptr) << "told: it has none";
    EXPECT_TRUE(protocol.told("path")->is_null());
}

TEST_F(MpvProtocolTest, LateRepliesAreNotTakenForLaterRequests)
{
    MpvProtocol protocol;
    // Request 1 timed out; its reply arrives together with the one to 2.
    protocol.feed("{\"data\":99,\"request_id\":1,\"error\":\"success\"}\n"
                  "{\"data\":2,\"request_id\":2,\"error\":\"success\"}\n");
    EXPECT_EQ(protocol.take(2)->data, 2);
    EXPECT_FALSE(protocol.take(1)); // dropped, never handed out
}

TEST_F(MpvProtocolTest, DropsAnOverlongLineAndRecovers)
{
    MpvProtocol protocol;
    const std::string huge(MpvProtocol::max_line + 10, 'x');
    protocol.feed(huge);
    EXPECT_LT(protocol.pending_bytes(), MpvProtocol::max_line + 1);
    protocol.feed("x\n{\"data\":1,\"request_id\":5,\"error\":\"success\"}\n");
    EXPECT_TRUE(protocol.take(5));
}

TEST_F(MpvProtocolTest, ReadsNamesThatAreNotUtf8)
{
    // A Latin-1 file name, passed through by mpv as stored.
    MpvProtocol protocol;
    protocol.feed("{\"data\":\"caf\xE9.wav\",\"request_id\":3,\"error\":\"success\"}\n");
    const auto reply = protocol.take(3);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->data, "caf\xEF\xBF\xBD.wav");
    // Overlong, surrogate, past U+10FFFF, cut short: each byte replaced.
    const auto replaced = [](int bytes) {
        std::string text;
        for (int i = 0; i < bytes; ++i)
            text += "\xEF\xBF\xBD";
        return text;
    };
    EXPECT_EQ(valid_utf8("\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80ok\xE2\x82"),
              replaced(9) + "ok" + replaced(2));
    EXPECT_EQ(valid_utf8("\xC3\xA9\xF0\x9F\x8E\xB5"), "\xC3\xA9\xF0\x9F\x8E\xB5");
}

} // namespace
} // namespace cuedeck
