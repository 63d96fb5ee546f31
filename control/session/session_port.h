#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "control/commands/commands.h"
#include "control/commands/global_keys.h"

namespace cuedeck {

struct PlayerStatus;
struct RunState;

/// Something asked of the run from outside the window: a command of the
/// command table and, for those that take one (see CommandRow::argument),
/// what it needs: milliseconds, a percentage or a place as text.
struct Request
{
    Command command;
    std::variant<std::monostate, int, std::string> argument{};
};

/// The run as the desktop around the window sees it (the media interface,
/// the keys for every window, the foot pedal, the one-copy channel): it asks
/// for commands, reads what the run knows and hears of its changes. It never
/// holds the controller.
class SessionPort
{
public:
    /// The refusal of a request that comes before the window is there.
    static constexpr const char* not_started = "Cuedeck is starting";

    virtual ~SessionPort() = default;

    /// Carry the request out now; empty when carried out, else why not.
    virtual std::string submit(const Request& request) = 0;
    using Answer = std::function<void(const std::string& refusal)>;
    using StillWanted = std::function<bool()>;
    /// Carry the request out from the event loop, not from inside the
    /// caller (a socket's, a device's or a bus's handler): the one place
    /// where work from outside waits for its turn. `answered` hears the
    /// outcome; a request no longer `still_wanted` then is refused as "too
    /// late" and not carried out.
    virtual void submit_later(Request request, Answer answered = {},
                              StillWanted still_wanted = {}) = 0;
    /// Other work of the desktop's for the event loop's next turn, behind
    /// the requests already waiting.
    virtual void later(std::function<void()> work) = 0;

    /// What the run knows, and what the player said at the last refresh.
    virtual const RunState& state() const = 0;
    virtual const PlayerStatus& last_status() const = 0;
    /// The position in the tip now, asked of the player.
    virtual int position_now() = 0;

    /// Each listen_to_…() gives a number for stop_listening(), which a
    /// listener that goes before the session calls.
    using ListenerId = int;
    virtual void stop_listening(ListenerId id) = 0;
    /// Hear of every change of the run: after each tick (`moved` false) and
    /// each command (`moved`: it may have jumped within the tip).
    using Listener = std::function<void(bool moved)>;
    virtual ListenerId listen(Listener listener) = 0;
    /// Hear of each change of the settings (the Options dialog's OK).
    virtual ListenerId listen_to_settings(std::function<void()> listener) = 0;

    /// Show the window and bring it to the front.
    virtual void come_forward() = 0;
    /// What the window's status says of a device beside the player.
    virtual void show_device_state(const std::string& text) = 0;
    /// A message for the user, unless a question is open (the status says
    /// enough then).
    virtual void tell(const std::string& text) = 0;

    // The keys for every window.
    /// What the desktop says of them (the keys another program holds), for
    /// the Options dialog, and how it lends them; empty when all is well.
    virtual void set_global_keys_note(std::string note,
                                      GlobalKeysPath path = GlobalKeysPath::Grabbed) = 0;
    /// Hear of the Options dialog's choice, tried out before OK (see
    /// GlobalKeys); none: back to the run's own choice.
    using KeysTrial = std::function<void(std::optional<int> choice)>;
    virtual ListenerId listen_to_keys_trial(KeysTrial trial) = 0;

    // The Options dialog's Learn for the foot pedal.
    /// Hear of each request to learn on a device; none: learning stopped.
    using LearnRequest = std::function<void(std::optional<std::string> device)>;
    virtual ListenerId listen_to_pedal_learning(LearnRequest listener) = 0;
    /// A button pressed while learning.
    virtual void pedal_button_learned(int code) = 0;

    // The Options dialog's Learn for the keypad, as the pedal's.
    virtual ListenerId listen_to_keypad_learning(LearnRequest listener) = 0;
    virtual void keypad_key_learned(int code) = 0;
};

} // namespace cuedeck
