#pragma once

#include <optional>
#include <string>

#include "control/session/session_port.h"
#include "files/channel_request.h"

namespace cuedeck {

/// The run's request a line of the one-copy channel asks for: a command by
/// its name, or a go-to. None for a name no command has (or a line that is
/// neither), and `refusal` then says why.
std::optional<Request> request_from_channel(const ChannelRequest& line, std::string& refusal);

/// The answer line (its LF included) to a channel request's outcome: ok
/// when `refusal` is empty, else the refusal with its blanks run together.
std::string channel_answer(const std::string& refusal);

} // namespace cuedeck
