#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "files/draft_format.h"
#include "files/recognizer.h"

namespace cuedeck {

void PrintTo(const Cue& cue, std::ostream* out)
{
    *out << "{" << cue.start_ms << ", " << cue.end_ms << ", \"" << cue.speaker << "\", \""
         << cue.text << "\"}";
}

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
    // A cue that ends before it starts is kept, running on: the last to the end.
    EXPECT_THAT(draft.cues,
                ElementsAre(Cue{0, 7600, "", "first line\nand more"}, Cue{7600, 9000, "", "second"},
                            Cue{10000, open_end_ms, "", "backwards"}));
    EXPECT_EQ(draft.skipped, 0);
}

TEST(Subtitles, WebVttSkipsItsBlocksDropsItsMarkupAndNamesTheSpeaker)
{
    const Draft draft = read_subtitles("WEBVTT - a talk\n\n"
                                       "NOTE made by a recognizer\n\n"
                                       "STYLE\n::cue { color: red }\n\n"
                                       "intro\n"
                                       "00:01.000 --> 00:04.000 align:start line:0\n"
                                       "<v Speaker0>Hello <b>there</b></v>\n\n"
                                       "00:04.000 --> 00:05.500\n<v.loud Ann Lee>Hi\n\n"
                                       "00:05.500 --> 0x:06.000\nbroken\n");
    EXPECT_THAT(draft.cues, ElementsAre(Cue{1000, 4000, "Speaker0", "Hello there"},
                                        Cue{4000, 5500, "Ann Lee", "Hi"}));
    EXPECT_EQ(draft.skipped, 1);
}

// The speaker and the text of a one-cue file, as SRT and as WebVTT.
TEST(Subtitles, SpeakersMarkupAndCharacterReferencesReadAsEachFormatMeansThem)
{
    const struct
    {
        const char* text;
        Cue srt;
        Cue webvtt;
    } cases[] = {
        // WhisperX's speakers; no other name before a colon, as write_srt puts one so.
        {"[SPEAKER_00]: Hello there",
         {0, 1, "SPEAKER_00", "Hello there"},
         {0, 1, "SPEAKER_00", "Hello there"}},
        {"SPEAKER_12: Hi", {0, 1, "SPEAKER_12", "Hi"}, {0, 1, "SPEAKER_12", "Hi"}},
        {"Ann: Hi", {0, 1, "", "Ann: Hi"}, {0, 1, "", "Ann: Hi"}},
        {"[laughs] SPEAKER_1 Hi",
         {0, 1, "", "[laughs] SPEAKER_1 Hi"},
         {0, 1, "", "[laughs] SPEAKER_1 Hi"}},
        // SRT's own markup goes, any other '<' is text; WebVTT has no other.
        {"<i>so</i> <FONT color=\"red\">3</font> < 4 &amp;",
         {0, 1, "", "so 3 < 4 &amp;"},
         {0, 1, "", "so 3"}},
        {"<v Ann &amp; Bo>&lt;b&gt; &#233;&#x20AC;&nbsp;&lrm;x&rlm; &bogus; &",
         {0, 1, "Ann &amp; Bo", "&lt;b&gt; &#233;&#x20AC;&nbsp;&lrm;x&rlm; &bogus; &"},
         {0, 1, "Ann & Bo", "<b> \xC3\xA9\xE2\x82\xAC \u200Ex\u200F &bogus; &"}},
        // An auto-caption's word times and classes, ruby's reading, a language.
        {" <c.colorE5E5E5>we're</c><00:00:00.480><c> going</c>\n <lang en>ruby</lang>"
         "<ruby>\xE6\xBC\xA2<rt>kan</rt></ruby> ",
         {0, 1, "",
          "<c.colorE5E5E5>we're</c><00:00:00.480><c> going</c>\n<lang "
          "en>ruby</lang><ruby>\xE6\xBC\xA2<rt>kan</rt></ruby>"},
         {0, 1, "", "we're going\nruby\xE6\xBC\xA2"}},
    };
    for (const auto& c : cases) {
        const std::string cue = std::string("00:00:00.000 --> 00:00:00.001\n") + c.text + "\n";
        EXPECT_THAT(read_subtitles("1\n" + cue).cues, ElementsAre(c.srt)) << c.text;
        EXPECT_THAT(read_subtitles("WEBVTT\n\n" + cue).cues, ElementsAre(c.webvtt)) << c.text;
    }
}

// What each recognizer writes for the same two cues, in the writer's own
// shape, reads into the same cues.
TEST(Drafts, EveryRecognizersShapeReadsIntoTheSameCues)
{
    const std::vector<Cue> expected{{0, 7600, "", "And so, my fellow"},
                                    {7600, 9250, "", "Americans & <all>"}};
    const struct
    {
        const char* shape;
        std::string bytes;
    } shapes[] = {
        {"SRT", "1\n00:00:00,000 --> 00:00:07,600\nAnd so, my fellow\n\n"
                "2\n00:00:07,600 --> 00:00:09,250\nAmericans & <all>\n"},
        {"whisper-cli -osrt", "1\n00:00:00,000 --> 00:00:07,600\n And so, my fellow\n\n"
                              "2\n00:00:07,600 --> 00:00:09,250\n Americans & <all>\n\n"},
        {"SRT without empty lines", "1\n00:00:00,000 --> 00:00:07,600\nAnd so,\nmy fellow\n"
                                    "2\n00:00:07,600 --> 00:00:09,250\nAmericans & <all>"},
        {"whisper-cli printing", "whisper_full: progress = 100%\n\n"
                                 "[00:00:00.000 --> 00:00:07.600]   And so, my fellow\n"
                                 "[00:00:07.600 --> 00:00:09.250]   Americans & <all>\n"},
        {"openai-whisper printing", "Detected language: English\n"
                                    "[00:00.000 --> 00:07.600]  And so, my fellow\r\n"
                                    "[00:07.600 --> 00:09.250]  Americans & <all>\r\n"},
        {"auto-caption WebVTT", "WEBVTT\nKind: captions\nLanguage: en\n\n"
                                "00:00:00.000 --> 00:00:07.600 align:start position:0%\n \n"
                                "And<00:00:00.480><c> so,</c><00:00:01.000><c> my&nbsp;fellow</c>\n"
                                "00:00:07.600 --> 00:00:09.250 align:start position:0%\n"
                                "<c.colorE5E5E5>Americans</c> &amp; &lt;all&gt;\n \n"},
        {"whisper.cpp -oj",
         R"({"systeminfo":"AVX = 1","model":{"type":"base"},"result":{"language":"en"},
            "transcription":[{"timestamps":{"from":"00:00:07,600","to":"00:00:09,250"},
              "offsets":{"from":7600,"to":9250},"text":" Americans & <all>"},
             {"timestamps":{"from":"00:00:00,000","to":"00:00:07,600"},
              "offsets":{"from":0,"to":7600},"text":" And so, my fellow","tokens":[]}]})"},
        {"openai-whisper", R"({"text":" And so","segments":[{"id":0,"seek":0,"start":0.0,"end":7.6,
            "text":" And so, my fellow","tokens":[50364]},{"id":1,"start":7.6,"end":9.25,
            "text":" Americans & <all>"}],"language":"en"})"},
        {"openai-whisper's Python", R"({"text":"NaN","segments":[{"start":0.0,"end":7.6,
            "text":" And so, my fellow","avg_logprob":NaN,"words":[Infinity,-Infinity]},
            {"start":7.6,"end":9.25,"text":" Americans & <all>","no_speech_prob":-Infinity}]})"},
        {"noScribe", R"(<html><body><p><a name="ts_0_7600_S00"><span style="color:#000">And so,
            my&nbsp;fellow</span></a><a name="ts_7600_9250_S00">Americans &amp; &lt;all&gt;</a></p>
            </body></html>)"},
        {"noScribe time marks", R"(<p><a name="ts_0_7600_S00">[00:00:00] And so, my
            [00:00:04]fellow</a><a name="ts_7600_9250_S00">[00:00:07] Americans &amp;
            &lt;all&gt;</a></p>)"},
        {"noScribe ending backwards",
         R"(<a name="ts_0_7600_S00">And so, my fellow</a><a name="ts_7600_7000_S00">Americans
            &amp; &lt;all&gt;</a>)"},
        {"transcript", "[00:00:00.0] And so, my fellow\r\n"
                       "0:07.6 Americans & <all>\n"},
    };
    for (const auto& [shape, bytes] : shapes) {
        Draft draft = read_draft(bytes);
        if (std::string_view(shape).starts_with("noScribe")) {
            for (Cue& cue : draft.cues)
                EXPECT_EQ(std::exchange(cue.speaker, ""), "S00") << shape;
        }
        if (std::string_view(shape) == "SRT without empty lines" && !draft.cues.empty()) {
            EXPECT_EQ(std::exchange(draft.cues[0].text, "And so, my fellow"), "And so,\nmy fellow");
        }
        if (std::string_view(shape) == "transcript" ||
            std::string_view(shape) == "noScribe ending backwards") {
            EXPECT_EQ(draft.cues.back().end_ms, open_end_ms) << "the last runs on";
            draft.cues.back().end_ms = 9250;
        }
        EXPECT_EQ(draft.cues, expected) << shape;
        EXPECT_EQ(draft.skipped, 0) << shape;
    }
    // pocketsphinx_continuous -time yes: words only, fillers and silences left out.
    EXPECT_EQ(read_draft("well the artist\n<s> 0.000 0.290 0.999\nwell 0.300 0.550 0.85\n"
                         "<sil> 0.560 0.640 0.97\nthe(2) 0.650 0.940 0.11\n[NOISE] 0.95 1.0 1\n"
                         "</s> 1.400 1.830 1.000000\n\n<s> 3.580 3.990 0.99\n</s> 4 4.2 1\n"
                         "<s> 4.0 4.1 1\nas 4.800 5.090 0.15\n</s> 5.100 5.360 1.0\n")
                  .cues,
              (std::vector<Cue>{{300, 940, "", "well the"}, {4800, 5090, "", "as"}}));
}

TEST(Drafts, EveryEncodingReadsTheSameText)
{
    const std::string utf8 = "1\n00:00:01,000 --> 00:00:02,000\nGr\xC3\xBC\xC3\x9F "
                             "\xE2\x80\x9C\xE2\x82\xAC\xE2\x80\x9D \xF0\x9F\x8E\xA4\n";
    std::string le = "\xFF\xFE";
    std::string be = "\xFE\xFF";
    const std::u16string wide =
        u"1\n00:00:01,000 --> 00:00:02,000\nGr\u00FC\u00DF \u201C\u20AC\u201D "
        u"\U0001F3A4\n";
    for (const char16_t unit : wide) {
        le += {char(unit & 0xFF), char(unit >> 8)};
        be += {char(unit >> 8), char(unit & 0xFF)};
    }
    std::string le32("\xFF\xFE\0\0", 4);
    std::string be32("\0\0\xFE\xFF", 4);
    for (const char32_t code : std::u32string(
             U"1\n00:00:01,000 --> 00:00:02,000\nGr\u00FC\u00DF \u201C\u20AC\u201D \U0001F3A4\n")) {
        for (int shift = 0; shift < 32; shift += 8) {
            le32 += char(code >> shift & 0xFF);
            be32 += char(code >> (24 - shift) & 0xFF);
        }
    }
    const std::string expected = "Gr\xC3\xBC\xC3\x9F \xE2\x80\x9C\xE2\x82\xAC\xE2\x80\x9D";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, le, be, le32, be32}) {
        const Draft draft = read_draft(bytes);
        ASSERT_EQ(draft.cues.size(), 1u);
        EXPECT_EQ(draft.cues[0].text, expected + " \xF0\x9F\x8E\xA4");
    }
    // No UTF-8: the Windows code page.
    const Draft ansi = read_draft("1\n00:00:01,000 --> 00:00:02,000\nGr\xFC\xDF \x93\x80\x94\n");
    ASSERT_EQ(ansi.cues.size(), 1u);
    EXPECT_EQ(ansi.cues[0].text, expected);
    // UTF-8 but for a character whisper.cpp split: only those bytes are read so.
    const Draft split = read_draft(utf8 + "\n2\n00:00:02,000 --> 00:00:03,000\nhalf \xE4\xB8\n");
    ASSERT_EQ(split.cues.size(), 2u);
    EXPECT_EQ(split.cues[0].text, expected + " \xF0\x9F\x8E\xA4");
    EXPECT_EQ(split.cues[1].text, "half \xC3\xA4\xC2\xB8");
    EXPECT_THAT(read_draft("{\"transcription\":[{\"offsets\":{\"from\":0,\"to\":1},"
                           "\"text\":\" Caf\xC3\xA9 \xE4\xB8\"}]}")
                    .cues,
                ElementsAre(Cue{0, 1, "", "Caf\xC3\xA9 \xC3\xA4\xC2\xB8"}));
}

TEST(Drafts, BadTimesAreCountedAndTranscriptPlacesInTheTextDoNotStartCues)
{
    const Draft json = read_draft(R"({"segments":[{"start":-1,"end":2,"text":"a"},{"start":"x",
        "end":2},{"start":3,"end":2.5,"text":"back"},{"start":1e300,"end":1e301},7,{"start":NaN,
        "end":1},{"start":4,"end":5,"text":"ok","speaker":"SPEAKER_01"}]})");
    EXPECT_EQ(json.skipped, 5);
    EXPECT_THAT(json.cues,
                ElementsAre(Cue{3000, 4000, "", "back"}, Cue{4000, 5000, "SPEAKER_01", "ok"}))
        << "the cue ending before its start runs to the next";
    EXPECT_THAT(read_draft(R"({"transcription":[{"offsets":{"from":5,"to":"9"}}]})").cues,
                ::testing::IsEmpty());
    EXPECT_EQ(read_draft(R"(<a name="ts_1_2_S01">x</a><a name="ts_a_1_S01">y</a>)").skipped, 1);
    EXPECT_THAT(read_draft("{ not json").cues, ::testing::IsEmpty());
    const Draft typed = read_draft("  0:10 Ann said at 0:30 she left #0:20# and so on\n"
                                   "no place\n1:00");
    EXPECT_THAT(typed.cues, ElementsAre(Cue{10000, 20000, "", "Ann said at 0:30 she left"},
                                        Cue{20000, 60000, "", "and so on no place"},
                                        Cue{60000, open_end_ms, "", ""}));
    // An arrow in a transcript's text makes it no subtitles.
    EXPECT_THAT(read_draft("[00:00:01.0] from 1:00 --> 2:00 she left\n[00:00:05.0] next").cues,
                ElementsAre(Cue{1000, 5000, "", "from 1:00 --> 2:00 she left"},
                            Cue{5000, open_end_ms, "", "next"}));
}

TEST(Drafts, WrittenAsSubtitlesReadBackAsTheSameCues)
{
    const Draft draft{{{0, 1500, "Ann", "Hello\n\nthere"}, {3723456, open_end_ms, "", "last"}}, 0};
    const Draft vtt = read_draft(write_webvtt(draft));
    EXPECT_THAT(vtt.cues, ElementsAre(Cue{0, 1500, "Ann", "Hello\nthere"},
                                      Cue{3723456, 3728456, "", "last"}));
    // What WebVTT reads as markup or as a time line is written escaped.
    const Draft marked{{{0, 1500, "A<b>&C", "x --> y &amp; <i>z</i>\n-->"}}, 0};
    const std::string written = write_webvtt(marked);
    EXPECT_EQ(written.find("-->"), written.rfind("-->")) << written;
    EXPECT_EQ(read_draft(written).cues, marked.cues);
    const Draft srt = read_draft(write_srt(draft));
    EXPECT_THAT(srt.cues, ElementsAre(Cue{0, 1500, "", "Ann: Hello\nthere"},
                                      Cue{3723456, 3728456, "", "last"}));
    // The cue heard at a place: the last begun.
    EXPECT_EQ(cue_begun_by(draft, -1), std::nullopt);
    EXPECT_EQ(cue_begun_by(draft, 0), 0u);
    EXPECT_EQ(cue_begun_by(draft, 3723455), 0u);
    EXPECT_EQ(cue_begun_by(draft, 3723456), 1u);
}

} // namespace
} // namespace cuedeck

namespace cuedeck::testing {
namespace {

TEST(RecognizerCommands, TemplatesSplitAsAShellWouldExpandNothingAndKeepNamesWhole)
{
    const RecognizerJob job{"/tmp/a b/it's $(x) \"q\".wav", "/tmp/out put", "de", 1500, 3000};
    const std::vector<std::pair<std::string, std::vector<std::string>>> table = {
        {"whisper-cli -f {audio} -of {output} -l {language}",
         {"whisper-cli", "-f", job.audio, "-of", job.output_base, "-l", "de"}},
        {"'my tool' \"--from={start_ms}\" len\\ {length_ms} $HOME *.wav",
         {"my tool", "--from=1500", "len 3000", "$HOME", "*.wav"}},
        {"x \"a\\\"b\" 'c\"d' e''f", {"x", "a\"b", "c\"d", "ef"}},
    };
    for (const auto& [command, words] : table)
        EXPECT_EQ(recognizer::command_arguments(command, job), words) << command;
    EXPECT_FALSE(recognizer::command_arguments("tool 'open", job));
    // On Windows the words become one command line the C runtime reads back.
    EXPECT_EQ(recognizer::windows_command_line({"C:\\My Files\\", "say \"hi\"", "", "a\\\\b"}),
              R"("C:\My Files\\" "say \"hi\"" "" a\\b)");
    EXPECT_FALSE(recognizer::command_arguments("   ", job));

    EXPECT_EQ(recognizer::percent_in("whisper_print_progress_callback: progress =  42%"), 42);
    EXPECT_EQ(recognizer::percent_in(" 57%|#####     | 57/100"), 57);
    EXPECT_FALSE(recognizer::percent_in("100 files, 250% done"));
    EXPECT_FALSE(recognizer::percent_in("no number here"));

    // Asked before sending: every host but this machine's.
    const std::vector<std::tuple<std::string, std::string, bool>> servers = {
        {"http://127.0.0.1:8080/v1/audio/transcriptions", "http://127.0.0.1:8080", true},
        {"HTTP://LocalHost/inference", "http://LocalHost", true},
        {"http://[::1]:9000/x", "http://[::1]:9000", true},
        {"https://user@asr.example.org:8443/v1?x=1", "https://asr.example.org:8443", false},
        {"http://127.0.0.1.evil.example/x", "http://127.0.0.1.evil.example", false},
    };
    for (const auto& [address, origin, here] : servers) {
        const auto found = recognizer::server_origin(address);
        ASSERT_TRUE(found) << address;
        EXPECT_EQ(found->text(), origin);
        EXPECT_EQ(found->on_this_machine(), here) << address;
    }
    EXPECT_FALSE(recognizer::server_origin("file:///etc/passwd"));
    EXPECT_FALSE(recognizer::server_origin("http://host:80x/"));
}

TEST(RecognizerCommands, OnWindowsTemplatesSplitAsTheCRuntimeReadsACommandLine)
{
    const RecognizerJob job{R"(C:\rec\a b&c.wav)", R"(C:\Temp\out)", "de", 1500, 3000};
    const std::vector<std::pair<std::string, std::vector<std::string>>> table = {
        {R"(c:\rec\x.exe -m c:\models\ggml.bin -f {audio})",
         {R"(c:\rec\x.exe)", "-m", R"(c:\models\ggml.bin)", "-f", job.audio}},
        {R"("C:\Program Files\Rec\rec.exe" -o "{output}" --dir "C:\my dir\\" 'single')",
         {R"(C:\Program Files\Rec\rec.exe)", "-o", job.output_base, "--dir", R"(C:\my dir\)",
          "'single'"}},
        // Before a quote: 2n backslashes are n and the quote; 2n + 1 are n
        // and a quote of the word. "" inside quotes is one.
        {R"(x a\\"b c"d \"e \\\"f "g""h" {language}{start_ms})",
         {"x", R"(a\b cd)", R"("e)", R"(\"f)", R"(g"h)", "de1500"}},
    };
    for (const auto& [command, words] : table)
        EXPECT_EQ(recognizer::command_arguments(command, job, recognizer::CommandSyntax::Windows),
                  words)
            << command;
    EXPECT_FALSE(recognizer::command_arguments(" \t ", job, recognizer::CommandSyntax::Windows));
}

TEST(RecognizerCommands, ABatchFileIsGivenEachWordQuotedOrTheCharacterCmdReadsIsNamed)
{
    EXPECT_TRUE(recognizer::is_batch_file(R"(C:\rec\Rec.BAT)"));
    EXPECT_TRUE(recognizer::is_batch_file("rec.cmd"));
    EXPECT_FALSE(recognizer::is_batch_file(R"(C:\rec.bat\x.exe)"));
    EXPECT_EQ(
        recognizer::batch_command_line(
            {R"(C:\r&d\rec.bat)", "x&pwn&|<>^!()\xC3\xA9 ;,=.wav", R"(C:\dir\)", ""}),
        R"(cmd.exe /d /v:off /s /c ""C:\r&d\rec.bat" "x&pwn&|<>^!()é ;,=.wav" "C:\dir\\" """)");
    const std::vector<std::pair<std::vector<std::string>, std::string>> unsafe = {
        {{"rec.bat", "a&b^c!d(e)"}, ""},        {{"rec.bat", "100%PATH%&x", "\"q\""}, "%"},
        {{"rec.bat", "say \"hi\""}, "\""},      {{"C:\\100%\\rec.bat", "a"}, "%"},
        {{"rec.bat", "line\nbreak"}, "U+000A"}, {{"rec.bat", "a\x1f"}, "U+001F"},
    };
    for (const auto& [words, refused] : unsafe)
        EXPECT_EQ(recognizer::unsafe_for_batch(words), refused) << words.back();
}

} // namespace
} // namespace cuedeck::testing
