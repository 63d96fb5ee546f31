// The waveform of a tip: its levels, the pauses found in them, the phrase
// moves and the bar's click they give, and the cache file they are kept in.
#include "control/run/command_bodies.h"
#include "control/run/phrases.h"
#include "control/storage/settings_file.h"
#include "files/waveform.h"
#include "support/controller_fixture.h"
#include "support/fake_waveforms.h"

namespace cuedeck::testing {
namespace {

constexpr auto speech = FakeWaveforms::speech;
constexpr auto hiss = FakeWaveforms::hiss;
constexpr auto silence = FakeWaveforms::silence;
constexpr auto levels = &FakeWaveforms::levels;
constexpr auto complete = &FakeWaveforms::complete;

TEST(WaveformLevels, AreDecibelsFromTheFloorToFullScale)
{
    EXPECT_EQ(waveform::level_of_peak(0.0F), 1);
    EXPECT_EQ(waveform::level_of_peak(0.0001F), 1); // below -60 dB
    EXPECT_EQ(waveform::level_of_peak(1.0F), 255);
    EXPECT_EQ(waveform::level_of_peak(2.0F), 255); // a sample beyond full scale
    EXPECT_NEAR(waveform::decibels(waveform::level_of_peak(0.1F)), -20.0, 0.3);
    EXPECT_NEAR(waveform::decibels(hiss), -45.1, 0.3);
}

TEST(WaveformPauses, AreQuietStretchesOfAtLeastThreeTenths)
{
    using Pause = Waveform::Pause;
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> heard;
        std::vector<Pause> pauses;
    };
    const Case cases[] = {
        {"silence throughout: no speech, no pauses", levels({{silence, 5000}}), {}},
        {"a steady tone", levels({{speech, 5000}}), {}},
        {"a breath between words", levels({{speech, 1000}, {silence, 290}, {speech, 1000}}), {}},
        {"a pause", levels({{speech, 1000}, {silence, 300}, {speech, 1000}}), {{1000, 1300}}},
        {"a pause on tape hiss",
         levels({{speech, 1000}, {hiss, 800}, {speech, 1000}}),
         {{1000, 1800}}},
        {"hiss as loud as quiet speech is no pause",
         levels({{hiss + 60, 2000}, {hiss, 800}, {hiss + 60, 2000}}),
         {}},
        {"quiet at the start and the end of the tip",
         levels({{silence, 500}, {speech, 1000}, {silence, 700}}),
         {{0, 500}, {1500, 2200}}},
        {"stretches not decoded yet are not quiet",
         levels({{speech, 1000}, {0, 500}, {speech, 1000}}),
         {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(waveform::find_pauses(c.heard), c.pauses) << c.what;
}

TEST(Phrases, MoveToPhraseStartsAndTheStepBackFindsOneNearEnough)
{
    // Phrases at 0, 3.0 and 7.0 s; the tip ends in a pause from 9.0 s.
    const Waveform tip = complete(levels({{speech, 2500},
                                          {silence, 500},
                                          {speech, 3500},
                                          {silence, 500},
                                          {speech, 2000},
                                          {silence, 1000}}));
    EXPECT_EQ(phrases::forward(tip, 1000), 3000);
    EXPECT_EQ(phrases::forward(tip, 2950), 7000);         // landed at 3.0 a moment early
    EXPECT_EQ(phrases::forward(tip, 7500), std::nullopt); // the tip's end is no phrase
    EXPECT_EQ(phrases::back(tip, 5000), 3000);            // the phrase being heard, again
    EXPECT_EQ(phrases::back(tip, 3500), 0);               // just begun: the one before
    EXPECT_EQ(phrases::back(tip, 500), 0);
    EXPECT_EQ(phrases::step_back_target(tip, 8000, 2), 7000);
    EXPECT_EQ(phrases::step_back_target(tip, 5500, 2), 3000); // within 2 s + 1 s
    EXPECT_EQ(phrases::step_back_target(tip, 5500, 1), std::nullopt);
    Waveform partial = tip;
    partial.complete = false;
    Waveform undecodable{{}, true, {}};
    for (const Waveform* none : {&partial, &undecodable}) {
        EXPECT_EQ(phrases::forward(*none, 1000), std::nullopt);
        EXPECT_EQ(phrases::back(*none, 5000), std::nullopt);
        EXPECT_EQ(phrases::step_back_target(*none, 5000, 5), std::nullopt);
    }
}

TEST(WaveformCache, KeepsTheLevelsOfOneRecordingAndRefusesAnythingElse)
{
    const waveform::CacheKey key{"/music/tip 1.mp3", 123456, 1'700'000'000'123'456'789};
    const auto heard = levels({{speech, 300}, {silence, 300}});
    const std::string file = waveform::encode(key, heard);
    EXPECT_EQ(waveform::decode(file, key), heard);
    EXPECT_NE(waveform::cache_file_name(key.path), waveform::cache_file_name("/music/tip 2.mp3"));

    std::string flipped = file;
    flipped[flipped.size() - 10] ^= 1;
    std::string foreign = file;
    foreign.replace(foreign.find(" 1\n"), 3, " 2\n");
    const std::pair<const char*, std::string> damaged[] = {
        {"truncated", file.substr(0, file.size() - 1)},
        {"a byte changed", flipped},
        {"another version", foreign},
        {"no heading", std::string(heard.begin(), heard.end())},
        {"empty", ""},
    };
    for (const auto& [what, bytes] : damaged)
        EXPECT_EQ(waveform::decode(bytes, key), std::nullopt) << what;
    for (const waveform::CacheKey& other :
         {waveform::CacheKey{"/music/tip 2.mp3", key.size, key.modified_ns},
          waveform::CacheKey{key.path, key.size + 1, key.modified_ns},
          waveform::CacheKey{key.path, key.size, key.modified_ns + 1}})
        EXPECT_EQ(waveform::decode(file, other), std::nullopt) << other.path;
}

class PhraseKeys : public ControllerTest
{
protected:
    PhraseKeys() : ControllerTest(true)
    {
        controller.use_waveforms(&waveforms);
        waveforms.made["/music/tip 2.mp3"] = std::make_shared<const Waveform>(complete(levels(
            {{speech, 2500}, {silence, 500}, {speech, 3500}, {silence, 500}, {speech, 20000}})));
        player_in_list(3, 1, play_state::playing, 5000, 30);
        player.model.file = "/music/tip 2.mp3";
        controller.refresh();
        player.clear_log();
    }
    FakeWaveforms waveforms;
};

TEST_F(PhraseKeys, JumpFromPhraseToPhraseOnlyWhereTheWaveformShowsThem)
{
    EXPECT_EQ(view.bar.waveform, waveforms.made["/music/tip 2.mp3"]);
    EXPECT_EQ(view.bar.length_ms, 30000);
    run_command(controller, Command::PhraseForward);
    EXPECT_EQ(player.model.position_ms, 7000);
    run_command(controller, Command::PhraseBack);
    EXPECT_EQ(player.model.position_ms, 3000);
    player.model.position_ms = 2800; // as mpv reports it, its buffer counted
    run_command(controller, Command::PhraseForward);
    EXPECT_EQ(player.model.position_ms, 7000); // not to 3.0 again
    run_command(controller, Command::PhraseBack);
    EXPECT_EQ(state().history.count(), 0); // a jump, as the 5-second ones are
    EXPECT_EQ(player.model.play_state, play_state::playing);

    player.model.file = "/music/tip 3.mp3"; // no waveform (yet)
    run_command(controller, Command::PhraseForward);
    EXPECT_EQ(player.model.position_ms, 3000);
    EXPECT_EQ(view.bar.waveform, nullptr);
}

TEST_F(PhraseKeys, TheBarMovesAsAGoToDoesOneUndoBackButPlaysOn)
{
    run_command_with(controller, Command::PlaceInTip, 20000);
    EXPECT_EQ(player.model.position_ms, 20000);
    EXPECT_EQ(player.model.play_state, play_state::playing);
    EXPECT_EQ(state().zero_mark, 20000);
    EXPECT_EQ(view.bar.zero_mark_ms, 20000);
    run_command_with(controller, Command::PlaceInTip, 99000); // beyond the tip: its end
    EXPECT_EQ(player.model.position_ms, 30000);
    run_command(controller, Command::Undo);
    EXPECT_EQ(player.model.position_ms, 20000);
    run_command(controller, Command::Undo);
    EXPECT_EQ(state().zero_mark, 5000); // where the first click left the tip
}

TEST_F(PhraseKeys, ThePhraseStepBackIsAnOptionKeptInTheSettings)
{
    set_back_time(2);
    player.model.position_ms = 7800;
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 5800); // off: the back time, as ever
    set_options([](Options& options) { options.phrase_step_back = 1; });
    player.model.play_state = play_state::playing;
    player.model.position_ms = 7800;
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 7000);
    player.model.play_state = play_state::playing;
    player.model.position_ms = 12000; // no phrase start within 3 s
    run_command(controller, Command::PlayPause);
    EXPECT_EQ(player.model.position_ms, 10000);
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_THAT(system.files[SettingsFile(system).path(state())],
                ::testing::HasSubstr("BackTime\n2\nStepBackToPhrase\n1\n"));
}

} // namespace
} // namespace cuedeck::testing
