// A player that gives no answer (hung, slow, killed) is not one that answers 0.
#include "control/run/command_bodies.h"
#include "support/controller_fixture.h"

namespace cuedeck::testing {
namespace {

/// A tape group resumed on a list of five at tip 2, 0:03.
class SilentPlayer : public ControllerTest
{
protected:
    void resume()
    {
        player.list_lengths["/m/a.m3u"] = 5;
        system.files["/g/a.grp"] = "/m/a.m3u\n2\n0:03\n";
        controller.open_tape_group("/g/a.grp");
    }
};

TEST_F(SilentPlayer, ChangesNoPlaceAndAsksNothingAtTheClose)
{
    resume();
    player.silent = true;
    const PositionHistory history = state().history;
    controller.tick();
    run_command(controller, Command::Zero);
    run_command(controller, Command::NextTip);
    run_command(controller, Command::PlayPause);
    run_command(controller, Command::Undo);
    run_command(controller, Command::Redo);
    run_command(controller, Command::LastTip);
    EXPECT_EQ(state().current_tip, 1);
    EXPECT_EQ(state().zero_mark, 3000);
    EXPECT_FALSE(state().tip_timer_running);
    EXPECT_EQ(state().history.count(), history.count());
    EXPECT_EQ(state().history.top(), history.top());
    EXPECT_EQ(view.field(FieldId::Playing), "2 of 5   ");
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(system.files["/g/a.grp"], "/m/a.m3u\n2\n0:03\n");
}

TEST_F(SilentPlayer, AMissedLoadAndGoToAreCarriedOutOnceItAnswers)
{
    player.silent = true;
    resume();
    EXPECT_TRUE(controller.has_pending_move());
    EXPECT_EQ(state().current_tip, 1); // the place the file names, not 0
    EXPECT_EQ(state().zero_mark, 3000);
    controller.tick(); // still silent: nothing lost
    player.silent = false;
    controller.tick();
    EXPECT_FALSE(controller.has_pending_move());
    EXPECT_EQ(player.model.loaded, "/m/a.m3u");
    EXPECT_EQ(player.model.playlist_index, 1);
    EXPECT_EQ(player.model.position_ms, 3000);
    EXPECT_EQ(player.model.play_state, play_state::paused);
    controller.shut_down(WindowEnding::DefaultClose);
    EXPECT_TRUE(view.questions.empty());
}

} // namespace
} // namespace cuedeck::testing
