// The draft of the tip heard: found beside its recording or chosen, read
// again when saved, shown as it is heard and stepped through cue by cue.
#include <chrono>
#include <thread>

#include "support/controller_fixture.h"
#include "support/deadline.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* recording = "/music/tip 2.mp3";
constexpr const char* beside = "/music/tip 2.srt";

class CueCommands : public ControllerTest
{
protected:
    CueCommands() : ControllerTest(true)
    {
        system.state_folder = "/state/";
        system.files[beside] = "1\n00:00:01,000 --> 00:00:04,000\n<v Ann>Hello there\n\n"
                               "2\n00:00:06,500 --> 00:00:09,000\nsecond\n\n"
                               "3\n00:00:09,000 --> 00:00:12,000\nthird\n";
        player_in_list(3, 1, play_state::paused, 2000, 30);
        player.model.file = recording;
        controller.refresh();
        player.clear_log();
    }
    void at(int ms)
    {
        player.model.position_ms = ms;
        controller.refresh();
    }
};

TEST_F(CueCommands, TheDraftBesideTheRecordingIsShownAsItIsHeard)
{
    ASSERT_NE(controller.draft(), nullptr);
    EXPECT_EQ(view.bar.draft, controller.draft());
    EXPECT_EQ(view.draft_line, (cues::Shown{"Ann: Hello there", "second", true}));
    at(5000); // a pause between cues: the next one only
    EXPECT_EQ(view.draft_line, (cues::Shown{"", "second", true}));
    at(11000);
    EXPECT_EQ(view.draft_line, (cues::Shown{"third", "", true}));
    run_command(controller, Command::SayWhere);
    EXPECT_THAT(view.announced.back(), HasSubstr("third"));

    // mpv shows it over a video's picture (as SRT), unless the settings say not.
    EXPECT_THAT(player.subtitles, ::testing::Optional(HasSubstr("Ann: Hello there")));
    set_options([](Options& options) { options.draft_subtitles = 0; });
    EXPECT_EQ(player.subtitles, std::nullopt);

    // Saved by the editor: read again at the tick; one cue it cannot hold is told.
    system.files[beside] = "1\n00:00:10,000 --> 00:00:12,000\nfixed\n\n"
                           "2\n00:00:13,000 --> 00:00:75,000\nno such time\n";
    controller.tick();
    EXPECT_EQ(view.draft_line, (cues::Shown{"fixed", "", true}));
    EXPECT_EQ(player.subtitles, std::nullopt);
    EXPECT_EQ(view.field(FieldId::DeviceState),
              "Draft tip 2.srt: 1 cue with a time that cannot be was left out");

    player.model.file = "/music/tip 3.mp3"; // nothing beside it: no line, no marks
    controller.refresh();
    EXPECT_EQ(view.field(FieldId::DeviceState), "") << "the notice of the draft left";
    EXPECT_EQ(controller.draft(), nullptr);
    EXPECT_EQ(view.draft_line, cues::Shown{});
    EXPECT_EQ(view.bar.draft, nullptr);
    run_command(controller, Command::NextCue);
    EXPECT_EQ(view.field(FieldId::DeviceState), "This tip has no draft");
}

TEST_F(CueCommands, ADraftNamedAfterTheWholeRecordingNameIsFoundAfterTheOthers)
{
    // whisper.cpp's name for its draft of "tip 2.mp3".
    system.files["/music/tip 2.mp3.json"] =
        R"({"transcription":[{"offsets":{"from":0,"to":9000},"text":" whole name"}]})";
    const auto reopen = [&] {
        player.model.file = "/music/tip 3.mp3";
        controller.refresh();
        player.model.file = recording;
        controller.refresh();
    };
    reopen();
    EXPECT_EQ(controller.draft_path(), beside);
    system.files.erase(beside);
    reopen();
    EXPECT_EQ(controller.draft_path(), "/music/tip 2.mp3.json");
    EXPECT_EQ(view.draft_line, (cues::Shown{"whole name", "", true}));
}

TEST_F(CueCommands, AFileBesideThatIsNoDraftIsToldOnceAndLookedAtAgainOnlyOnceItChanges)
{
    // Given beside tip 3 a draft too large to read: said once, not at every
    // look while it plays; once made smaller, it is read.
    const std::string large = "/music/tip 3.srt";
    system.files[large] = std::string(max_draft_bytes + 1, 'x');
    player.model.file = "/music/tip 3.mp3";
    player.model.play_state = play_state::playing;
    controller.refresh();
    for (int look = 0; look < 5; ++look)
        controller.tick();
    const std::string said = "The draft tip 3.srt is larger than 50 MB: it is not read";
    EXPECT_EQ(std::count(view.announced.begin(), view.announced.end(), said), 1);
    system.files[large] = "1\n00:00:01,000 --> 00:00:04,000\nsmaller now\n";
    controller.tick();
    EXPECT_EQ(controller.draft_path(), large);
}

TEST_F(CueCommands, CueKeysJumpAsAGoToAndSayTheCue)
{
    const struct
    {
        int from;
        Command command;
        int to;
    } steps[] = {
        {2000, Command::NextCue, 6500},     {6500, Command::NextCue, 9000},
        {6450, Command::NextCue, 9000}, // a jump lands a little short
        {9000, Command::PreviousCue, 6500}, {5000, Command::PreviousCue, 1000}, // from a pause
        {7000, Command::CueAgain, 6500},    {5000, Command::CueAgain, 1000},
        {500, Command::NextCue, 1000},
    };
    for (const auto& [from, command, to] : steps) {
        at(from);
        run_command(controller, command);
        EXPECT_EQ(player.model.position_ms, to) << from << " " << command_row(command).name;
        EXPECT_EQ(state().zero_mark, to);
    }
    EXPECT_EQ(view.announced.back(), "Ann: Hello there");
    at(11000);
    run_command(controller, Command::NextCue); // none after the last: it stays
    EXPECT_EQ(player.model.position_ms, 11000);
    run_command(controller, Command::Undo); // each cue move is recorded, in whole seconds
    EXPECT_EQ(player.model.position_ms, 0);
}

TEST_F(CueCommands, TheCueLoopsCopiesAndBecomesATranscript)
{
    at(7000);
    run_command(controller, Command::LoopCue);
    EXPECT_EQ(player.loop, (LoopStretch{6500, 9000}));
    EXPECT_EQ(player.model.play_state, play_state::playing);
    EXPECT_EQ(state().loop, (Loop{1, 6500, 9000}));
    run_command(controller, Command::LoopCue); // the same cue: no loop
    EXPECT_EQ(player.loop, std::nullopt);

    at(2500);
    run_command(controller, Command::CopyCue);
    EXPECT_EQ(view.clipboard, "[2 00:00:01.0] Ann: Hello there");
    run_command(controller, Command::CopyDraftAsTranscript);
    EXPECT_EQ(view.clipboard, "[2 00:00:01.0] Ann: Hello there\n[2 00:00:06.5] second\n"
                              "[2 00:00:09.0] third\n");
    // Each line goes back to its place.
    EXPECT_EQ(controller.go_to_place("[2 00:00:06.5] second", false), "");
    EXPECT_EQ(player.model.position_ms, 6500);
}

TEST_F(CueCommands, AChosenDraftIsRememberedForTheRecordingAndBadOnesAreTold)
{
    system.files["/drafts/talk.json"] =
        R"({"segments":[{"start":0.5,"end":2,"text":" chosen"},{"start":"3","end":1}]})";
    view.chosen_files.push_back("/drafts/talk.json");
    run_command(controller, Command::OpenDraft);
    EXPECT_EQ(controller.draft_path(), "/drafts/talk.json");
    at(1000);
    EXPECT_EQ(view.draft_line, (cues::Shown{"chosen", "", true}));
    EXPECT_THAT(view.field(FieldId::DeviceState), HasSubstr("1 cue with a time"));
    EXPECT_THAT(system.files["/state/drafts"], HasSubstr("/music/tip 2.mp3\t/drafts/talk.json\n"));

    // At the next start the choice holds, not the file beside.
    Controller again(view, player, system);
    again.connect_player();
    again.refresh();
    EXPECT_EQ(again.draft_path(), "/drafts/talk.json");

    system.files["/drafts/notes.txt"] = "no places at all";
    system.files["/drafts/huge.srt"] = std::string(max_draft_bytes + 1, '1');
    for (const char* bad : {"/drafts/notes.txt", "/drafts/huge.srt", "/drafts/missing.srt"})
        controller.drop({bad});
    EXPECT_THAT(view.messages,
                ElementsAre(HasSubstr("holds no cues"), HasSubstr("larger than 50 MB"),
                            HasSubstr("cannot be read")));
    EXPECT_EQ(controller.draft_path(), "/drafts/talk.json") << "a bad draft changes nothing";

    view.chosen_files.push_back("/out/tip 2.vtt");
    run_command(controller, Command::SaveDraftAs);
    EXPECT_EQ(system.files["/out/tip 2.vtt"],
              "WEBVTT\n\n00:00:00.500 --> 00:00:02.000\nchosen\n\n");
}

TEST_F(CueCommands, ALongDraftIsReadAwayFromTheWindowAndTakenInAtATick)
{
    Draft long_one;
    for (int i = 0; i < 20000; ++i)
        long_one.cues.push_back({i * 1000, i * 1000 + 900, "", "a cue of a long recording"});
    system.files["/music/long.srt"] = write_srt(long_one);
    ASSERT_GT(system.files["/music/long.srt"].size(), Controller::read_at_once_bytes);
    player.model.file = "/music/long.mp3";
    controller.refresh();
    EXPECT_EQ(controller.draft(), nullptr) << "not waited for";
    EXPECT_FALSE(controller.at_rest()) << "the tick runs until it is in";
    ASSERT_TRUE(eventually([&] {
        controller.tick();
        return controller.draft() != nullptr;
    }));
    EXPECT_EQ(controller.draft()->cues.size(), 20000u);
    EXPECT_EQ(view.draft_line.next, "a cue of a long recording");
}

} // namespace
} // namespace cuedeck::testing

namespace cuedeck::testing {
namespace {

/// Recognitions that finish at once with what the test set, and the
/// requests they were started with.
struct FakeRecognizers final : Recognizers
{
    struct Done final : Recognition
    {
        explicit Done(RecognitionState state_made) : made(std::move(state_made)) {}
        RecognitionState state() const override { return made; }
        RecognitionState made;
    };
    bool installed(RecognizerKind) const override { return true; }
    std::unique_ptr<Recognition> start(const RecognitionRequest& request) override
    {
        requests.push_back(request);
        return std::make_unique<Done>(made);
    }
    RecognitionState made{true,         -1, -1,
                          std::nullopt, {}, "1\n00:00:00,500 --> 00:00:01,000\nnew\n"};
    std::vector<RecognitionRequest> requests;
};

TEST_F(CueCommands, AMadeDraftAsksBeforeReplacingOneAndBeforeARecordingLeavesTheMachine)
{
    FakeRecognizers recognizers;
    controller.use_recognizers(&recognizers);
    set_options([](Options& options) {
        options.recognizer = int(RecognizerKind::Server);
        options.recognizer_server = "http://asr.example.org:8000/v1/audio/transcriptions";
    });
    const std::string before = system.files[beside];
    // Another machine, plain http: asked, named unencrypted; no, and nothing goes.
    view.answer_yes = false;
    run_command(controller, Command::MakeDraft);
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_THAT(view.questions[0], HasSubstr("http://asr.example.org:8000"));
    EXPECT_THAT(view.questions[0], HasSubstr("unencrypted"));
    EXPECT_TRUE(recognizers.requests.empty());
    // Yes: remembered for that server; the draft beside is replaced only
    // after a second yes, and kept as "~".
    view.answer_yes = true;
    run_command(controller, Command::MakeDraft);
    EXPECT_EQ(view.questions.size(), 3u);
    ASSERT_EQ(recognizers.requests.size(), 1u);
    controller.tick();
    EXPECT_EQ(system.files[std::string(beside) + "~"], before);
    EXPECT_THAT(system.files[beside], HasSubstr("new"));
    EXPECT_EQ(controller.draft()->cues.size(), 1u);
    // The loop's stretch: merged, nothing asked again.
    at(10'000);
    run_command(controller, Command::Loop);
    at(12'000);
    run_command(controller, Command::Loop);
    run_command(controller, Command::MakeDraftOfLoop);
    EXPECT_EQ(view.questions.size(), 3u);
    ASSERT_EQ(recognizers.requests.size(), 2u);
    EXPECT_EQ(recognizers.requests[1].from_ms, 10'000);
    controller.tick();
    EXPECT_EQ(controller.draft()->cues.size(), 2u);
    EXPECT_EQ(controller.draft()->cues[1].start_ms, 10'500);
    // On this machine nothing is asked; a failure writes nothing and says
    // why, and the status no longer says it is being made, from the box on.
    set_options([](Options& options) { options.recognizer_server = "http://127.0.0.1:8080/x"; });
    recognizers.made = {true, -1, -1, helper::Trouble::NoAnswer, "timed out", {}};
    const std::string made = system.files[beside];
    std::string status_at_box;
    view.on_event = [&](const std::string& event) {
        if (event.starts_with("message "))
            status_at_box = view.field(FieldId::DeviceState);
    };
    run_command(controller, Command::MakeDraftOfLoop);
    EXPECT_THAT(view.field(FieldId::DeviceState), HasSubstr("Making the draft"));
    controller.tick();
    EXPECT_EQ(view.questions.size(), 3u);
    EXPECT_EQ(system.files[beside], made);
    EXPECT_THAT(view.messages.back(), HasSubstr("did not answer"));
    EXPECT_THAT(view.messages.back(), HasSubstr("timed out"));
    EXPECT_THAT(status_at_box, HasSubstr("did not answer"));
    for (int i = 0; i <= Controller::notice_ticks; ++i) {
        EXPECT_THAT(view.field(FieldId::DeviceState), Not(HasSubstr("Making the draft"))) << i;
        controller.tick();
    }
}

TEST_F(CueCommands, ARecognizerNotRunForWhatCmdWouldReadSaysWhichCharacter)
{
    FakeRecognizers recognizers;
    controller.use_recognizers(&recognizers);
    set_options([](Options& options) {
        options.recognizer = int(RecognizerKind::Command);
        options.recognizer_command = "rec.bat {audio}";
    });
    recognizers.made.trouble = helper::Trouble::UnsafeForBatch;
    recognizers.made.refused = "%";
    view.answer_yes = true;
    run_command(controller, Command::MakeDraft);
    controller.tick();
    ASSERT_FALSE(view.messages.empty());
    EXPECT_THAT(view.messages.back(), HasSubstr("batch file"));
    EXPECT_THAT(view.messages.back(), HasSubstr("character % in"));
}

} // namespace
} // namespace cuedeck::testing
