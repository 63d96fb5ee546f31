#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control/run/controller.h"
#include "player/mpv/mpv_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/headless_mpv.h"

namespace cuedeck::testing {

/// The real controller driving a real headless mpv, watched by a probe.
class MpvControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(recordings.ok) << "sox could not make the test recordings";
        ASSERT_TRUE(mpv.wait_until_listening()) << "mpv did not start";
        controller.connect_player();
        ASSERT_TRUE(controller.player_connected());
        probe.emplace(mpv.socket_path());
    }

    const RunState& state() const { return controller.state(); }

    void load_playlist() { controller.open_playlist(recordings.playlist); }
    void go_to(int tip, int seconds) { controller.go_to(tip, seconds); }
    void set_back_time(int seconds)
    {
        Options options = controller.options();
        options.back_time = seconds;
        controller.apply_options(options);
    }

    double position() { return probe->number("time-pos"); }
    double index() { return probe->number("playlist-pos"); }
    bool paused() { return probe->flag("pause") && !probe->flag("idle-active"); }
    bool playing() { return !probe->flag("pause") && !probe->flag("idle-active"); }

    TempDir dir;
    TestRecordings recordings{dir};
    HeadlessMpv mpv{dir.path() + "mpv.sock"};
    MpvBackend backend{{dir.path() + "mpv.sock", headless_mpv_program()}};
    FakeView view;
    FakeSystem system;
    Controller controller{view, backend, system};
    std::optional<MpvProbe> probe;
};

} // namespace cuedeck::testing
