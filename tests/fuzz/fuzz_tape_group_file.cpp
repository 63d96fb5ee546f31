// Reads arbitrary bytes as a .grp file, then writes the place it read and
// reads it again: the second read must find the same place.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "control/controller.h"
#include "files/tape_group_file.h"
#include "player/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/fake_view.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::FakeView view;
    FakePlayerBackend player;
    testing::FakeSystem system;
    Controller controller(view, player, system);
    controller.player().find();
    player.model.playlist_length = 1000;

    const std::string path = "/work/group.grp";
    system.files[path] = std::string(reinterpret_cast<const char*>(data), size);
    player.list_lengths[""] = 1000;
    RunState& state = controller.state();
    state.tape_group_path = path;
    TapeGroupFile file(controller);
    file.read();
    player.list_lengths[state.playlist_path] = 1000;

    const SavedState first = state.saved;
    const bool small = first.seconds > -2000000 && first.seconds < 2000000;
    if (!file.write() || !small)
        return 0;
    file.read();
    const SavedState second = state.saved;
    if (second.playlist_path != first.playlist_path || second.tip != first.tip ||
        second.seconds != first.seconds)
        std::abort();
    return 0;
}
