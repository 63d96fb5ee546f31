#include "base/translation.h"
#include "player/mpv/socket_location.h"

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>

namespace cuedeck {

namespace {

/// Empty when `path` is (after making it, if asked) a folder of ours that
/// nobody else can enter; else what is wrong with it.
std::string private_folder_problem(const std::string& path, bool create)
{
    if (create)
        ::mkdir(path.c_str(), 0700);
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0)
        return translated(UI_TEXT("Cannot make the folder %1"), {path});
    if (!S_ISDIR(info.st_mode))
        return translated(UI_TEXT("The folder %1 is not a folder (it may be a link)"), {path});
    if (info.st_uid != ::getuid())
        return translated(UI_TEXT("The folder %1 belongs to another user"), {path});
    if ((info.st_mode & 077) != 0)
        return translated(UI_TEXT("The folder %1 is open to other users"), {path});
    return {};
}

} // namespace

RuntimeFolder prepare_runtime_folder(const std::string& runtime_directory,
                                     bool create_runtime_directory)
{
    if (runtime_directory.empty())
        return {{}, translated(UI_TEXT("There is no runtime folder"))};
    if (create_runtime_directory) {
        if (auto problem = private_folder_problem(runtime_directory, true); !problem.empty())
            return {{}, std::move(problem)};
    }
    const std::string folder = runtime_directory + "/cuedeck";
    if (auto problem = private_folder_problem(folder, true); !problem.empty())
        return {{}, std::move(problem)};
    return {folder, {}};
}

RuntimeFolder private_runtime_folder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0')
        return prepare_runtime_folder(runtime, false);
    return prepare_runtime_folder("/tmp/cuedeck-" + std::to_string(::getuid()), true);
}

std::string socket_path_in(const RuntimeFolder& folder, const std::string& name)
{
    if (folder.path.empty())
        return {};
    std::string path = folder.path + "/" + name;
    return path.size() < sizeof(sockaddr_un::sun_path) ? path : std::string();
}

} // namespace cuedeck
