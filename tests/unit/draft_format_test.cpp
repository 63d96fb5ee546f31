#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "files/draft_format.h"

namespace cuedeck {
namespace {

using ::testing::ElementsAre;

TEST(CueTime, ReadsEveryFormTheRecognizersWriteAndNothingElse)
{
    const struct
    {
        const char* text;
        std::optional<int> ms;
    } cases[] = {
        {"00:00:04,500", 4500},         // SRT
        {"00:00:04.500", 4500},         // SRT with a point, WebVTT
        {"01:02:03.456", 3723456},      //
        {"02:03.456", 123456},          // WebVTT without hours
        {" 00:00:01,5 ", 1500},         // tenths, blanks around
        {"75:00.000", 4500000},         // minutes past the hour without hours
        {"00:60:00,000", std::nullopt}, // minutes that cannot be
        {"00:00:60,000", std::nullopt}, //
        {"00:00:04", std::nullopt},     // no fraction
        {"00:00:04,5000", std::nullopt},
        {"-00:00:04,500", std::nullopt},
        {"9999:00:00,000", std::nullopt}, // past what an int holds
        {"a:b:c,d", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cue_time_ms(c.text), c.ms) << c.text;
}

TEST(Subtitles, SrtWithItsByteOrderMarkAndCrlfGivesOrderedCues)
{
    const Draft draft =
        read_subtitles("\xEF\xBB\xBF"
                       "2\r\n00:00:07,600 --> 00:00:09,000\r\nsecond\r\n\r\n"
                       "1\r\n00:00:00,000 --> 00:00:07,600\r\nfirst line\r\nand more\r\n"
                       "\r\n3\r\n00:00:10,000 --> 00:00:09,000\r\nbackwards\r\n");
    EXPECT_THAT(draft.cues, ElementsAre(Cue{0, 7600, "", "first line\nand more"},
                                        Cue{7600, 9000, "", "second"}));
    EXPECT_EQ(draft.skipped, 1) << "a cue that ends before it starts";
}

TEST(Subtitles, WebVttSkipsItsBlocksKeepsMarkupAsTextAndNamesTheSpeaker)
{
    const Draft draft = read_subtitles("WEBVTT - a talk\n\n"
                                       "NOTE made by a recognizer\n\n"
                                       "STYLE\n::cue { color: red }\n\n"
                                       "intro\n"
                                       "00:01.000 --> 00:04.000 align:start line:0\n"
                                       "<v Speaker0>Hello <b>there</b></v>\n\n"
                                       "00:04.000 --> 00:05.500\n<v.loud Ann Lee>Hi\n\n"
                                       "00:05.500 --> 0x:06.000\nbroken\n");
    EXPECT_THAT(draft.cues, ElementsAre(Cue{1000, 4000, "Speaker0", "Hello <b>there</b>"},
                                        Cue{4000, 5500, "Ann Lee", "Hi"}));
    EXPECT_EQ(draft.skipped, 1);
}

} // namespace
} // namespace cuedeck
