// Parses arbitrary bytes as a command line, against a small tree held in
// memory with both separators' conventions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/text_lines.h"
#include "files/command_line.h"
#include "support/fake_system.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);

    testing::FakeSystem posix;
    posix.add_entry("/home/ann/Tape Groups/group one.grp");
    posix.add_entry("/home/ann/x.GRP");
    posix.add_entry("rel.grp");

    testing::FakeSystem windows;
    windows.separator = '\\';
    windows.drive_letters = true;
    windows.add_entry("C:\\Program Files\\Groups of Tapes.grp", "GROUPS~1.GRP");

    for (testing::FakeSystem* system : {&posix, &windows}) {
        const auto path = tape_group_from_command_line(line, *system);
        if (path && !equal_ignoring_case(file_extension(*path, system->separator), ".grp"))
            std::abort();
    }
    return 0;
}
