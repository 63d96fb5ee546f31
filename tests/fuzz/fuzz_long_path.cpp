// Expands arbitrary bytes as a path below a small real directory tree.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "files/command_line.h"
#include "system/posix_system.h"

using namespace cuedeck;

namespace {
std::string tree;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "cuedeck-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    tree = pattern + "/";
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(tree, ignored);
    });
    std::filesystem::create_directories(tree + "Tape Groups/Old");
    std::ofstream(tree + "Tape Groups/Group One.grp") << "x";
    std::ofstream(tree + "Tape Groups/group one.grp") << "x";
    std::ofstream(tree + "Tape Groups/Old/Notes.TXT") << "x";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PosixSystem system({"cuedeck"});
    const std::string input = tree + std::string(reinterpret_cast<const char*>(data), size);
    if (input.find('\0') != std::string::npos)
        return 0; // not a path the system could be given
    const auto output = expand_long_path(input, system);
    // As many components out as in, and every one of them exists.
    if (output) {
        if (std::count(output->begin(), output->end(), '/') !=
            std::count(input.begin(), input.end(), '/'))
            std::abort();
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(*output, error)))
            std::abort();
    }
    return 0;
}
