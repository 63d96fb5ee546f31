// Writes a foot pedal's input records to standard output, as the kernel
// would: each argument CODE:VALUE (1 down, 0 up, 2 repeat) becomes a key
// record and its report.
//   pedal_events 257:1 257:0
#include <linux/input.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const auto colon = word.find(':');
        if (colon == std::string::npos)
            return 2;
        input_event records[2] = {};
        records[0].type = EV_KEY;
        records[0].code = static_cast<unsigned short>(std::stoi(word.substr(0, colon)));
        records[0].value = std::stoi(word.substr(colon + 1));
        records[1].type = EV_SYN;
        records[1].code = SYN_REPORT;
        if (write(STDOUT_FILENO, records, sizeof records) != static_cast<ssize_t>(sizeof records))
            return 1;
    }
    return 0;
}
