// The waveform of real recordings, decoded by FFmpeg beside a real mpv: as
// long as mpv says they are, their pause where sox put it, and kept in the
// cache for the next run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/deadline.h"
#include "support/headless_mpv.h"
#include "support/temp_dir.h"
#include "system/waveforms.h"

namespace cuedeck::testing {
namespace {

/// Asked until complete, within the tests' deadline.
std::shared_ptr<const Waveform> complete_waveform(Waveforms& waveforms, const std::string& path)
{
    std::shared_ptr<const Waveform> shown;
    eventually([&] {
        shown = waveforms.waveform(path, 0);
        return shown && shown->complete;
    });
    return shown && shown->complete ? shown : nullptr;
}

TEST(WaveformDecoding, MatchesMpvsLengthFindsThePauseAndIsCachedForTheNextRun)
{
    TempDir dir;
    const std::string wav = dir.path() + "spoken & <blanks>.wav";
    const std::string mp3 = dir.path() + "spoken.mp3";
    // 2 s of tone, 0.6 s of silence, 2.4 s of tone.
    ASSERT_EQ(std::system(("sox -q -n -r 44100 -c 1 '" + wav +
                           "' synth 2 sine 440 : synth 0.6 sine 440 vol 0 : synth 2.4 sine 440")
                              .c_str()),
              0);
    ASSERT_EQ(
        std::system(("ffmpeg -loglevel error -y -i '" + wav + "' -b:a 64k '" + mp3 + "'").c_str()),
        0);
    const std::string cache = dir.path() + "cache/cuedeck/";
    HeadlessMpv mpv{dir.path() + "mpv.sock"};
    ASSERT_TRUE(mpv.wait_until_listening());
    MpvProbe probe(mpv.socket_path());
    for (const std::string& path : {wav, mp3}) {
        SCOPED_TRACE(path);
        const auto waveforms = decoded_waveforms(cache, CUEDECK_TEST_HELPER);
        const auto shown = complete_waveform(*waveforms, path);
        ASSERT_TRUE(shown);
        // mpv's length of the same file.
        ASSERT_TRUE(probe.load(path));
        double length_s = -1000;
        eventually([&] {
            if (probe.text("path") == "\"" + path + "\"")
                length_s = probe.number("duration");
            return length_s > 0;
        });
        EXPECT_NEAR(shown->length_ms(), length_s * 1000, 60);
        ASSERT_EQ(shown->pauses.size(), 1u);
        EXPECT_NEAR(shown->pauses[0].start_ms, 2000, 60);
        EXPECT_NEAR(shown->pauses[0].end_ms, 2600, 60);
        EXPECT_TRUE(std::filesystem::exists(cache + waveform::cache_file_name(path)));
        // The next run reads it from the cache, level for level.
        const auto again = decoded_waveforms(cache, CUEDECK_TEST_HELPER);
        const auto cached = complete_waveform(*again, path);
        ASSERT_TRUE(cached);
        EXPECT_EQ(cached->levels, shown->levels);
    }
}

TEST(WaveformDecoding, ARecordingFfmpegCannotReadHasNoneAndAnUnwritableCacheIsNoCache)
{
    TempDir dir;
    dir.write("noise.mp3", std::string(4096, '\x5a'));
    ASSERT_EQ(std::system(
                  ("sox -q -n -r 8000 -c 1 '" + dir.path() + "tone.wav' synth 1 sine 300").c_str()),
              0);
    dir.write("cache", "a file where the folder would be");
    const auto waveforms = decoded_waveforms(dir.path() + "cache/cuedeck/", CUEDECK_TEST_HELPER);
    EXPECT_TRUE(complete_waveform(*waveforms, dir.path() + "tone.wav"));
    const auto none = complete_waveform(*waveforms, dir.path() + "noise.mp3");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->levels.empty());
}

TEST(WaveformDecoding, AnEntryThatCannotBeReadIsMadeAgainAndAChangedRecordingIsSeen)
{
    // Given a cache entry that is a folder, a pipe, a device or a damaged
    // giant: the waveform is made again at once (no throw, no wait, no read
    // of gigabytes), and the entry replaced: the next run reads the cache.
    TempDir dir;
    const std::string tone = dir.path() + "tone.wav";
    const auto tone_of = [&](int seconds) {
        return std::system(("sox -q -n -r 8000 -c 1 '" + tone + "' synth " +
                            std::to_string(seconds) + " sine 300")
                               .c_str()) == 0;
    };
    ASSERT_TRUE(tone_of(1));
    const std::string cache = dir.path() + "cache/cuedeck/";
    const std::string entry = cache + waveform::cache_file_name(tone);
    std::filesystem::create_directories(cache);
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"a folder", "mkdir '" + entry + "' && touch '" + entry + "/kept'"},
        {"a pipe", "mkfifo '" + entry + "'"},
        // A link to what never ends (here a pipe; /dev/zero reads the same
        // way): never read, never followed when the entry is written again.
        {"a link",
         "mkfifo '" + dir.path() + "endless' && ln -s '" + dir.path() + "endless' '" + entry + "'"},
        {"4 GiB",
         "printf 'Cuedeck waveform 1\\n' > '" + entry + "' && truncate -s 4G '" + entry + "'"},
    };
    for (const auto& [what, make] : entries) {
        SCOPED_TRACE(what);
        std::filesystem::remove_all(entry);
        ASSERT_EQ(std::system(make.c_str()), 0);
        const auto waveforms = decoded_waveforms(cache, CUEDECK_TEST_HELPER);
        const auto made = complete_waveform(*waveforms, tone);
        ASSERT_TRUE(made);
        EXPECT_NEAR(made->length_ms(), 1000, 60);
        // No helper now: only the cache can give it.
        const auto cached = complete_waveform(*decoded_waveforms(cache, {}), tone);
        ASSERT_TRUE(cached);
        EXPECT_EQ(cached->trouble, WaveformTrouble::None);
        EXPECT_EQ(cached->levels, made->levels);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path() + "endless"));
    EXPECT_TRUE(std::filesystem::exists(entry + ".aside-1/kept")) << "the folder moved aside whole";

    // A recording replaced on disk is made again when its tip is next opened.
    std::filesystem::remove_all(entry);
    const auto waveforms = decoded_waveforms(cache, CUEDECK_TEST_HELPER);
    ASSERT_TRUE(complete_waveform(*waveforms, tone));
    ASSERT_TRUE(tone_of(2));
    waveforms->waveform(dir.path() + "another.wav", 0); // another tip, then this one again
    std::shared_ptr<const Waveform> again;
    eventually([&] {
        again = complete_waveform(*waveforms, tone);
        return again && again->length_ms() > 1500;
    });
    ASSERT_TRUE(again);
    EXPECT_NEAR(again->length_ms(), 2000, 60);
}

} // namespace
} // namespace cuedeck::testing

namespace cuedeck::testing {
namespace {

TEST(WaveformDecoding, AHelperThatFailsCostsThatRecordingItsWaveformAndSaysWhy)
{
    // Stand-ins for a helper gone wrong, and one killed mid-decode: each
    // costs the recording its waveform, with the reason, at once.
    TempDir dir;
    const std::string tone = dir.path() + "tone.wav";
    ASSERT_EQ(std::system(("sox -q -n -r 44100 -c 1 '" + tone + "' synth 1 sine 300").c_str()), 0);
    const auto stand_in = [&](const std::string& name, const std::string& body) {
        dir.write(name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(dir.path() + name, std::filesystem::perms::owner_all);
        return dir.path() + name;
    };
    const std::vector<std::tuple<std::string, std::string, WaveformTrouble>> helpers = {
        {"missing", dir.path() + "nowhere/cuedeck-helper", WaveformTrouble::HelperMissing},
        {"crashes", stand_in("crashes", "printf 'size 9\\n'; kill -SEGV $$"),
         WaveformTrouble::HelperCrashed},
        {"garbage", stand_in("garbage", "head -c 100000 /dev/urandom"),
         WaveformTrouble::HelperGarbage},
        {"too much", stand_in("much", "printf 'levels 0 999999999\\n'"),
         WaveformTrouble::HelperGarbage},
        {"endless", stand_in("endless", "yes 'heard 1'"), WaveformTrouble::HelperGarbage},
        {"stops early", stand_in("early", "printf 'size 9\\nlevels 0 2\\nAB'"),
         WaveformTrouble::HelperGarbage},
        {"killed mid-decode",
         stand_in("killed", "echo $$ > '" + dir.path() +
                                "pid'; printf 'size 9\\nlevels 0 1\\nA'; "
                                "exec sleep 600"),
         WaveformTrouble::HelperStopped},
    };
    for (const auto& [what, helper, trouble] : helpers) {
        SCOPED_TRACE(what);
        const auto waveforms = decoded_waveforms({}, helper);
        if (what == "killed mid-decode") {
            std::shared_ptr<const Waveform> part;
            eventually([&] {
                part = waveforms->waveform(tone, 0);
                return part && part->levels.size() == 9;
            });
            ASSERT_TRUE(part && !part->complete);
            ASSERT_EQ(std::system(("kill -KILL $(cat '" + dir.path() + "pid')").c_str()), 0);
        }
        const auto none = complete_waveform(*waveforms, tone);
        ASSERT_TRUE(none);
        EXPECT_TRUE(none->levels.empty());
        EXPECT_EQ(none->trouble, trouble);
    }
}

} // namespace
} // namespace cuedeck::testing
