// The clarity aids and the loop against a real mpv: what each aid does to
// what mpv renders (--ao=pcm), its filter chain, and the loop's place.
#include <cmath>

#include "control/run/command_bodies.h"
#include "control/state/cues.h"
#include "mpv_fixture.h"
#include "support/rendered_mpv.h"

namespace cuedeck::testing {
namespace {

const auto nothing = [](Controller&) {};

/// mpv fills the file output's buffer (1.4 s) while it is still paused, so
/// a change of the chain is heard from here on.
constexpr double heard = 1.5;

TEST(MpvAids, EachAidDoesWhatItSaysToWhatMpvRenders)
{
    // One channel alone: both ears carry it.
    const std::string two_voices = "synth 4 sine 1000 sine 440 remix 1v0.5 2v0.1";
    const Samples as_is = render(two_voices, nothing);
    const Samples left =
        render(two_voices, [](Controller& c) { run_command(c, Command::ChannelLeft); });
    const Samples right =
        render(two_voices, [](Controller& c) { run_command(c, Command::ChannelRight); });
    const auto heard_part = [](const std::vector<float>& channel) {
        return std::vector<float>(channel.begin() + std::ptrdiff_t(heard * 48000), channel.end());
    };
    EXPECT_NEAR(left.level(left.left, 2, 3), as_is.level(as_is.left, 2, 3), 0.5);
    EXPECT_EQ(heard_part(left.left), heard_part(left.right));
    EXPECT_NEAR(right.level(right.left, 2, 3), as_is.level(as_is.right, 2, 3), 0.5);
    EXPECT_EQ(heard_part(right.left), heard_part(right.right));
    EXPECT_TRUE(left.messages.empty());

    // The voice band: hum and hiss tones down by 20 dB, the voice's kept.
    const auto voice = [](Controller& c) { run_command(c, Command::VoiceBand); };
    for (const auto& [tone, least_cut, most_cut] :
         {std::tuple{"50", 20.0, 100.0}, {"8000", 20.0, 100.0}, {"1000", -1.0, 1.0}}) {
        const std::string effects = std::string("synth 4 sine ") + tone + " vol 0.25";
        const Samples plain = render(effects, nothing), cut = render(effects, voice);
        const double lowered = plain.level(plain.left, 2, 3) - cut.level(cut.left, 2, 3);
        EXPECT_GE(lowered, least_cut) << tone;
        EXPECT_LE(lowered, most_cut) << tone;
    }

    // Steady hiss lowered by 6 dB.
    const Samples hiss = render("synth 4 whitenoise vol 0.02", nothing);
    const Samples less = render("synth 4 whitenoise vol 0.02",
                                [](Controller& c) { run_command(c, Command::ReduceNoise); });
    EXPECT_GE(hiss.level(hiss.left, 2, 3.5) - less.level(less.left, 2, 3.5), 6.0);

    // A quiet voice (-30 dBFS) brought within 6 dB of a loud one (-6 dBFS).
    const std::string quiet_then_loud = "synth 4 sine 300 vol 0.0316 : synth 3 sine 300 vol 0.5";
    const Samples even =
        render(quiet_then_loud, [](Controller& c) { run_command(c, Command::EvenLoudness); });
    EXPECT_LE(std::fabs(even.level(even.left, 5.5, 6.5) - even.level(even.left, 2.5, 3.5)), 6.0);

    // Louder: the volume keys go on above 100 %, and nothing clips.
    const auto to_150 = [](Controller& c) {
        run_command(c, Command::Louder);
        for (int i = 0; i < 25; ++i)
            run_command(c, Command::VolumeUp);
        c.refresh();
        EXPECT_EQ(c.last_status().volume, 150);
    };
    std::string chain;
    const Samples raised = render("synth 4 sine 1000 vol 0.2", to_150, &chain);
    EXPECT_THAT(chain, ::testing::HasSubstr("cuedeck-louder"));
    EXPECT_GE(raised.level(raised.left, 2, 3), 20 * std::log10(0.2 / std::sqrt(2.0)) + 10);
    EXPECT_LE(render("synth 4 sine 1000 vol 0.7", to_150).peak(), 0.98);
}

TEST_F(MpvControllerTest, EachAidChangesTheChainAloneAndOffLeavesItAsItWas)
{
    load_playlist();
    const std::string before = probe->text("af");
    const std::pair<Command, const char*> aids[] = {
        {Command::ReduceNoise, "cuedeck-noise"},
        {Command::VoiceBand, "cuedeck-voice"},
        {Command::EvenLoudness, "cuedeck-even"},
        {Command::Louder, "cuedeck-louder"},
    };
    for (const auto& [toggle, label] : aids) {
        run_command(controller, toggle);
        EXPECT_THAT(probe->text("af"), ::testing::HasSubstr(label));
        run_command(controller, toggle);
        EXPECT_EQ(probe->text("af"), before) << label;
    }
    run_command(controller, Command::ChannelMixed);
    EXPECT_THAT(probe->text("af"), ::testing::HasSubstr("0.5*c0+0.5*c1"));
    // Another aid leaves the channel's filter as it was built.
    run_command(controller, Command::VoiceBand);
    EXPECT_THAT(probe->text("af"), ::testing::HasSubstr("0.5*c0+0.5*c1"));
    run_command(controller, Command::ChannelBoth);
    run_command(controller, Command::VoiceBand);
    EXPECT_EQ(probe->text("af"), before);
    EXPECT_TRUE(paused());
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(MpvControllerTest, ALoopKeepsThePlaceInItsStretchAndAPauseStepsBackNoFurtherThanItsStart)
{
    load_playlist();
    set_back_time(5);
    // A jump stays within the tip as the last refresh knew it.
    ASSERT_TRUE(eventually([&] {
        controller.refresh();
        return controller.last_status().track_length_s != 0;
    }));
    run_command_with(controller, Command::JumpTo, 2000);
    run_command(controller, Command::Loop);
    run_command_with(controller, Command::JumpTo, 3000);
    run_command(controller, Command::Loop);
    EXPECT_EQ(view.field(FieldId::Loop), "Loop 0:02.0 \u2013 0:03.0");
    EXPECT_TRUE(playing());
    // Three rounds and more, in real time (just after each jump back mpv
    // reports the place its output's latency before the start).
    double latest = 0;
    for (int i = 0; i < 35; ++i) {
        const double at = position();
        EXPECT_GE(at, 1.7);
        EXPECT_LE(at, 3.3);
        latest = std::max(latest, at);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_GT(latest, 2.5);
    run_command(controller, Command::PlayPause);
    EXPECT_TRUE(paused());
    EXPECT_GE(position(), 1.95);
    run_command(controller, Command::Loop); // the third press ends it
    EXPECT_EQ(probe->text("ab-loop-a"), "\"no\"");
    EXPECT_EQ(view.field(FieldId::Loop), "");
}

TEST_F(MpvControllerTest, TheDraftFollowsTheSoundItsCuesLandAndOneLoops)
{
    // An SRT beside the first recording, written after it was loaded.
    load_playlist();
    ASSERT_TRUE(eventually([&] {
        controller.refresh();
        return controller.last_status().track_length_s != 0;
    }));
    system.files[dir.path() + "one.srt"] = "1\n00:00:00,000 --> 00:00:02,500\none\n\n"
                                           "2\n00:00:02,500 --> 00:00:05,000\ntwo\n\n"
                                           "3\n00:00:05,000 --> 00:00:08,000\nthree\n\n"
                                           "4\n00:00:08,000 --> 00:00:12,000\nfour\n";
    controller.look_at_draft();
    ASSERT_NE(controller.draft(), nullptr);
    // mpv has it as the subtitles it shows over a picture.
    EXPECT_THAT(probe->text("current-tracks/sub"), ::testing::HasSubstr("\"title\":\"Draft\""));
    EXPECT_THAT(probe->text("current-tracks/sub"), ::testing::HasSubstr("\"external\":true"));

    // Next cue lands on its start; the line names the cue heard.
    for (const auto& [cue, start] : {std::pair{"two", 2.5}, std::pair{"three", 5.0}}) {
        run_command(controller, Command::NextCue);
        EXPECT_NEAR(position(), start, 0.05) << cue;
        EXPECT_EQ(view.draft_line.heard, cue);
    }
    // Played, the line follows the sound within 150 ms: the cue it names is
    // the one at mpv's own place then, or at most that far from it.
    run_command(controller, Command::PlayPause);
    // mpv's place is read just before and just after the controller looks,
    // so that a loaded machine's pauses between the two never count against it.
    const auto cue_at = [](double at) {
        return at < 2.5 ? "one" : at < 5 ? "two" : at < 8 ? "three" : "four";
    };
    for (int i = 0; i < 40; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const double before = position();
        controller.follow_player();
        const double after = position();
        EXPECT_THAT(view.draft_line.heard, ::testing::AnyOf(::testing::StrEq(cue_at(before - 0.15)),
                                                            ::testing::StrEq(cue_at(after + 0.15))))
            << before << " to " << after;
    }
    // The cue heard loops: mpv stays inside it.
    run_command(controller, Command::LoopCue);
    ASSERT_TRUE(state().loop.has_value());
    const Loop loop = *state().loop;
    const auto looped =
        std::find_if(controller.draft()->cues.begin(), controller.draft()->cues.end(),
                     [&](const Cue& cue) { return cue.start_ms == loop.start_ms; });
    ASSERT_NE(looped, controller.draft()->cues.end());
    EXPECT_EQ(loop.end_ms, looped->end_ms);
    double latest = 0;
    for (int i = 0; i < 50; ++i) { // five seconds: the cue's rounds and more
        const double at = position();
        // Just after each jump back mpv reports its output's latency before the start.
        EXPECT_GE(at, loop.start_ms / 1000.0 - 0.35);
        EXPECT_LE(at, *loop.end_ms / 1000.0 + 0.15);
        latest = std::max(latest, at);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_GT(latest, *loop.end_ms / 1000.0 - 1);
}

TEST_F(MpvControllerTest, TheDraftStaysOverAVideoThatIsLoadedAgain)
{
    // A video with its draft beside it, in a group; a go-to and a hand-over
    // of the group each load the video anew.
    const std::string video = dir.path() + "clip.mkv";
    ASSERT_EQ(
        std::system(("ffmpeg -loglevel error -f lavfi -i testsrc=duration=12:size=64x48:rate=5"
                     " -f lavfi -i sine=duration=12 -shortest '" +
                     video + "'")
                        .c_str()),
        0);
    const std::string list = dir.write("clips.m3u", video + "\n" + recordings.tracks[0] + "\n");
    system.files[list] = video + "\n" + recordings.tracks[0] + "\n";
    const std::string group = dir.path() + "clips.grp";
    system.files[group] = list + "\n1\n0:02\n";
    system.files[dir.path() + "clip.srt"] = "1\n00:00:00,000 --> 00:00:12,000\npicture\n";
    const auto draft_tracks = [&] {
        controller.refresh();
        const std::string tracks = probe->text("track-list");
        int count = 0;
        for (auto at = tracks.find("\"title\":\"Draft\""); at != std::string::npos;
             at = tracks.find("\"title\":\"Draft\"", at + 1))
            ++count;
        return count;
    };
    controller.open_tape_group(group);
    ASSERT_EQ(index(), 0);
    ASSERT_NE(controller.draft(), nullptr);
    EXPECT_EQ(draft_tracks(), 1);

    go_to(0, 5);
    EXPECT_NEAR(position(), 5.0, 0.1);
    EXPECT_EQ(draft_tracks(), 1) << "after a go-to";
    EXPECT_EQ(draft_tracks(), 1) << "looked at again";

    view.answer_yes = false; // not saved: the group is handed over as it was
    controller.open_tape_group(group);
    EXPECT_NEAR(position(), 2.0, 0.1);
    EXPECT_EQ(draft_tracks(), 1) << "after a hand-over";
    EXPECT_THAT(probe->text("current-tracks/sub"), ::testing::HasSubstr("\"title\":\"Draft\""));
}

} // namespace
} // namespace cuedeck::testing
