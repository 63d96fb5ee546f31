#pragma once

#include <string>

namespace cuedeck {

/// The private folder where this user's Cuedeck and its player meet:
/// <runtime dir>/cuedeck, where the runtime dir is $XDG_RUNTIME_DIR, else
/// /tmp/cuedeck-<uid>. Sockets are only made in a folder that is a real
/// folder of ours that nobody else can enter.
struct RuntimeFolder
{
    std::string path;    ///< without a trailing '/'; empty when it cannot be used
    std::string problem; ///< why not, naming the folder, for the user
};

/// `runtime_directory`/cuedeck, made (mode 0700) when missing; the runtime
/// directory itself too when `create_runtime_directory`.
RuntimeFolder prepare_runtime_folder(const std::string& runtime_directory,
                                     bool create_runtime_directory);
RuntimeFolder private_runtime_folder();

/// `folder`/`name` when it fits a socket address; else empty.
std::string socket_path_in(const RuntimeFolder& folder, const std::string& name);

} // namespace cuedeck
