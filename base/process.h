#pragma once

#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace cuedeck {

/// Start a program detached from us: its own session, standard streams on
/// /dev/null, `arguments` passed as they are (no shell ever sees them). The
/// child is reaped in the background. Nothing when it could not be started.
std::optional<pid_t> spawn_detached(const std::vector<std::string>& arguments);

} // namespace cuedeck
