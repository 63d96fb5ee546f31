// A working day in a few minutes: the real program against a real mpv,
// driven through every way in by turns (keys on the X display, --command's
// channel, go-to, the media interface on D-Bus, the foot pedal through a
// pipe), with the tick running in between. After a warm-up, what the
// program holds must not grow: resident memory by under 2 MB, and not the
// open files, threads or system timers; every request that is answered is
// answered. Prints its figures; ends with 1 when one is off.
//   cuedeck_soak [REQUESTS]    (50000 for a day; the tests run a few thousand)
// Under an X display and a D-Bus session bus of its own:
//   dbus-run-session -- xvfb-run -a cuedeck_soak 50000
#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include "desktop/media_interface.h"
#include "desktop/single_instance.h"
#include "files/channel_request.h"
#include "gui/program.h"

namespace {

using namespace cuedeck;
using namespace cuedeck::testing;

/// What the kernel says the program holds now.
struct Holdings
{
    long resident_kb = 0;
    long threads = 0;
    long open_files = 0;
    long timers = 0;          ///< POSIX timers; Qt's own live in its event loop
    std::string thread_names; ///< to tell which one came, when one did

    static Holdings of(pid_t pid)
    {
        Holdings held;
        const std::string proc = "/proc/" + std::to_string(pid);
        std::ifstream status(proc + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmRSS:", 0) == 0)
                held.resident_kb = std::atol(line.c_str() + 6);
            if (line.rfind("Threads:", 0) == 0)
                held.threads = std::atol(line.c_str() + 8);
        }
        std::error_code error;
        for (auto entry = std::filesystem::directory_iterator(proc + "/task", error);
             entry != std::filesystem::directory_iterator(); entry.increment(error)) {
            // Its name, and where in the kernel it waits (a reaper waits in
            // wait4, a worker on a futex).
            std::ifstream comm(entry->path() / "comm");
            std::ifstream waits(entry->path() / "wchan");
            std::string name;
            std::string wait;
            std::getline(comm, name);
            std::getline(waits, wait);
            held.thread_names += (held.thread_names.empty() ? "" : " ") + name + "/" + wait;
        }
        for (auto entry = std::filesystem::directory_iterator(proc + "/fd", error);
             entry != std::filesystem::directory_iterator(); entry.increment(error))
            ++held.open_files;
        std::ifstream timers(proc + "/timers");
        for (std::string line; std::getline(timers, line);)
            held.timers += line.rfind("ID:", 0) == 0 ? 1 : 0;
        return held;
    }
};

/// The commands sent by name: none opens a dialog or ends the run.
constexpr const char* commands[] = {
    "play-pause", "zero",   "back",   "forward",      "next-tip",  "last-tip",  "undo",
    "redo",       "slower", "faster", "normal-speed", "say-where", "tip-timer", "volume-down",
    "volume-up",  "rewind", "loop",   "loop",         "loop",      "copy-place"};
/// Keys, a batch to one xdotool: Space, the arrows, the brackets, Z, I.
constexpr const char* keys = "space Left Right bracketleft bracketright z i space Left Right";
constexpr int keys_per_batch = 10;
/// The media interface's calls.
constexpr const char* media_calls[] = {"PlayPause", "Next", "Previous", "Pause", "Play"};

class Day
{
public:
    explicit Day(long requests) : m_requests(requests) {}

    int run()
    {
        if (!recordings.ok || !set_up())
            return fail("the program or its mpv did not start");
        const long warm_up = std::max(m_requests / 10, 200L);
        Holdings after_warm_up{};
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < m_requests; ++i) {
            if (i == warm_up)
                after_warm_up = Holdings::of(m_program->pid());
            request(i);
            // A breath now and then, so that ticks fall between requests.
            if (i % 500 == 499)
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // Whatever waits in the event loop is done by the time one more answers.
        const bool answers = send("play-pause");
        // A file or socket still open for a moment (a tip's recording being
        // decoded for its waveform, a sender's connection being closed) is
        // no leak: the holdings are read again until they settle, for two
        // seconds at most. A leak stays.
        Holdings end = Holdings::of(m_program->pid());
        for (int look = 0; look < 20 && (end.open_files > after_warm_up.open_files ||
                                         end.threads > after_warm_up.threads);
             ++look) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            end = Holdings::of(m_program->pid());
        }
        m_program->signal(SIGTERM);
        const auto status = m_program->wait_for_exit();

        std::printf("%ld requests in %.0f s (%ld answered, %ld unanswered; %ld keys, %ld pedal "
                    "presses)\n",
                    m_requests, seconds, m_answered, m_unanswered, m_keys, m_presses);
        std::printf("refused while mpv did not answer: %ld\n", m_waited_in_vain);
        std::printf("after warm-up: %ld kB resident, %ld threads, %ld open files, %ld timers\n",
                    after_warm_up.resident_kb, after_warm_up.threads, after_warm_up.open_files,
                    after_warm_up.timers);
        std::printf("at the end:    %ld kB resident, %ld threads, %ld open files, %ld timers\n",
                    end.resident_kb, end.threads, end.open_files, end.timers);
        std::printf("grown: %+ld kB resident\n", end.resident_kb - after_warm_up.resident_kb);
        int failures = 0;
        failures += check(end.resident_kb - after_warm_up.resident_kb < 2048,
                          "resident memory grew by 2 MB or more");
        failures += check(
            end.threads <= after_warm_up.threads,
            ("threads grew: " + after_warm_up.thread_names + " -> " + end.thread_names).c_str());
        failures += check(end.open_files <= after_warm_up.open_files, "open files grew");
        failures += check(end.timers <= after_warm_up.timers, "system timers grew");
        failures += check(m_unanswered == 0 && answers, "a request went unanswered");
        failures += check(m_waited_in_vain * 10 < m_answered,
                          "a tenth of the requests or more were refused: mpv did not answer");
        failures += check(status == 0, "the program did not end cleanly");
        return failures == 0 ? 0 : 1;
    }

private:
    static int fail(const char* why)
    {
        std::fprintf(stderr, "soak: %s\n", why);
        return 1;
    }
    static int check(bool good, const char* why)
    {
        if (!good)
            std::fprintf(stderr, "soak: %s\n", why);
        return good ? 0 : 1;
    }

    bool set_up()
    {
        const std::string pipe = dir.path() + "pedal";
        std::filesystem::create_directories(dir.path() + "config/cuedeck");
        if (::mkfifo(pipe.c_str(), 0600) != 0)
            return false;
        dir.write("config/cuedeck/cuedeck.dat",
                  "PedalDevice\n" + pipe + "\nPedalButtons\n256 257 258\nPedalMode\n0\n");
        const std::string group = dir.write("group.grp", recordings.playlist + "\n2\n0:01\n");
        m_program = std::make_unique<Program>(dir, std::vector<std::string>{group}, true, true);
        if (!player_listens(dir))
            return false;
        m_pedal = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
        MpvProbe probe(Program::socket(dir));
        return m_pedal >= 0 && probe.wait_for_number("playlist-pos", 1) &&
               std::system("xdotool search --sync --onlyvisible --name '^Cuedeck - ' "
                           "windowfocus --sync >/dev/null 2>&1") == 0;
    }

    bool send(const std::string& name)
    {
        return deliver([&name](std::int64_t until) { return format_command_request(name, until); },
                       name);
    }
    /// A request through the one-copy channel, as --command and --go-to send it.
    bool deliver(const SingleInstance::Request& request, const std::string& what)
    {
        QString reason;
        const bool done = SingleInstance::send_request(m_folder, request, reason) ==
                          SingleInstance::Delivery::CarriedOut;
        // Refused because mpv, busy with the flood, let it wait too long (or
        // too much waited for it): an answer, and a true one.
        if (!done && reason.endsWith(" is not answering")) {
            ++m_waited_in_vain;
            return true;
        }
        if (!done)
            refused(what + ": " + reason.toStdString());
        return done;
    }
    /// The first few reasons, to tell a slow machine from a fault.
    void refused(const std::string& why)
    {
        if (m_unanswered < 5)
            std::fprintf(stderr, "soak: not carried out: %s\n", why.c_str());
    }

    void request(long i)
    {
        switch (i % 5) {
        case 0:
            count(send(commands[(i / 5) % std::size(commands)]));
            break;
        case 1: {
            const std::string place = "[" + std::to_string(1 + (i / 5) % 3) + " 00:00:0" +
                                      std::to_string((i / 5) % 9) + ".5]";
            count(
                deliver([&place](std::int64_t until) { return format_go_to_request(place, until); },
                        "go-to " + place));
            break;
        }
        case 2: {
            QDBusMessage call = QDBusMessage::createMethodCall(
                MediaInterface::service, "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Player",
                media_calls[(i / 5) % std::size(media_calls)]);
            const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
            if (reply.type() != QDBusMessage::ReplyMessage)
                refused(call.member().toStdString() + ": " + reply.errorMessage().toStdString());
            count(reply.type() == QDBusMessage::ReplyMessage);
            break;
        }
        case 3: {
            // The middle pedal down and up: play while held, in hold mode.
            input_event records[4] = {};
            records[0] = {{}, EV_KEY, 257, 1};
            records[1] = {{}, EV_SYN, SYN_REPORT, 0};
            records[2] = {{}, EV_KEY, 257, 0};
            records[3] = {{}, EV_SYN, SYN_REPORT, 0};
            if (::write(m_pedal, records, sizeof records) == static_cast<ssize_t>(sizeof records))
                ++m_presses;
            break;
        }
        default:
            // Ten keys at a time: one process for a batch, not one a key.
            if ((i / 5) % keys_per_batch == 0 &&
                std::system((std::string("xdotool key --delay 1 ") + keys).c_str()) == 0)
                m_keys += keys_per_batch;
            break;
        }
    }

    void count(bool answered) { ++(answered ? m_answered : m_unanswered); }

public:
    TempDir dir;
    TestRecordings recordings{dir, 60};

private:
    long m_requests;
    std::unique_ptr<Program> m_program;
    QString m_folder = QString::fromStdString(Program::runtime(dir) + "/cuedeck");
    int m_pedal = -1;
    long m_answered = 0;
    long m_unanswered = 0;
    long m_waited_in_vain = 0; ///< among the answered
    long m_keys = 0;
    long m_presses = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const long requests = argc > 1 ? std::atol(argv[1]) : 50000;
    if (std::getenv("DISPLAY") == nullptr || std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) {
        std::fprintf(stderr, "soak: run it under an X display and a session bus of its own\n");
        return 2;
    }
    return Day(requests).run();
}
