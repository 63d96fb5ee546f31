#pragma once

#include <QLabel>
#include <QUrl>

#include <string>
#include <vector>

#include "control/commands/commands.h"
#include "control/run/command_bodies.h"
#include "support/event_loop_poster.h"
#include "support/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/fake_waveforms.h"
#include "support/recorded_places.h"
#include "ui/main_window.h"

namespace cuedeck::testing {

/// A main window on a fake player in a list of five, playing tip 2 at 10 s,
/// with a history to undo and redo, its waveform and its draft.
struct Rig
{
    Rig()
    {
        window.start();
        record_three_places(window.controller(), player);
        player.model = {1, 5, 1, 10000, 300, 50, "2. interview - fake", ""};
        // Its waveform: phrases from 0, 12.5 and 20.5 s.
        player.model.file = "/music/interview.wav";
        waveforms.made[player.model.file] = std::make_shared<const Waveform>(
            FakeWaveforms::complete(FakeWaveforms::levels({{FakeWaveforms::speech, 12000},
                                                           {FakeWaveforms::silence, 500},
                                                           {FakeWaveforms::speech, 7500},
                                                           {FakeWaveforms::silence, 500},
                                                           {FakeWaveforms::speech, 279500}})));
        // Its draft beside it, a cue for each phrase.
        system.files["/music/interview.srt"] = "1\n00:00:00,000 --> 00:00:11,000\nFirst\n\n"
                                               "2\n00:00:12,500 --> 00:00:20,000\nSecond\n\n"
                                               "3\n00:00:20,500 --> 00:00:30,000\nThird\n";
        player.log.clear();
    }

    QLabel* label(int id) { return window.findChild<QLabel*>(QString("control_%1").arg(id)); }

    /// /work/group.grp open at tip 1, 0:00, with the zero mark moved since.
    void open_group_and_move_the_zero_mark()
    {
        system.files["/work/group.grp"] = "/music/tips.m3u\n1\n0:00\n";
        window.drop_urls({QUrl::fromLocalFile("/work/group.grp")});
        player.model.position_ms = 4000;
        run_command(window.controller(), Command::Zero);
        window.show();
    }
    QAction* menu(int id) { return window.findChild<QAction*>(QString("menu_%1").arg(id)); }

    FakePlayerBackend player{true}; // changes speed, as mpv does
    FakeSystem system;
    FakeWaveforms waveforms;
    Session session{player, system, event_loop_poster()};
    MainWindow window{(session.controller().use_waveforms(&waveforms), session)};
};

/// What the player is sent when the controller carries out `command` itself.
inline std::vector<std::string> traffic_of(Command command)
{
    Rig rig;
    run_command(rig.window.controller(), command);
    return rig.player.traffic();
}

/// Drop these files on the window.
inline void drop(Rig& rig, const std::vector<std::string>& paths)
{
    QList<QUrl> urls;
    for (const auto& path : paths)
        urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
    rig.window.drop_urls(urls);
}

} // namespace cuedeck::testing
