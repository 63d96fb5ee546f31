#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control/state/run_state.h"
#include "control/state/speed.h"
#include "control/storage/settings_file.h"
#include "support/fake_system.h"

namespace cuedeck::testing {
namespace {

class Settings : public ::testing::Test
{
protected:
    Settings() { state.exe_directory = "/opt/cuedeck/"; }

    RunState read(const std::string& text)
    {
        RunState result;
        result.exe_directory = "/opt/cuedeck/";
        system.files["/opt/cuedeck/cuedeck.dat"] = text;
        SettingsFile(system).read(result);
        return result;
    }

    int read_back(const RunState& written)
    {
        RunState fields;
        fields.exe_directory = written.exe_directory;
        SettingsFile(system).read(fields);
        return fields.settings.tip_time;
    }

    FakeSystem system;
    RunState state;
};

TEST_F(Settings, WritesTheSixPairsInOrder)
{
    state.tape_group_path = "/work/group.grp";
    state.settings.sound_on = 1;
    state.settings.sound_file = "/sounds/bell.wav";
    state.settings.tip_time = 15;
    state.settings.play_using = 1;
    state.settings.back_time = 3;
    SettingsFile(system).write(state);
    EXPECT_EQ(system.files["/opt/cuedeck/cuedeck.dat"],
              "Openfile\n/work/group.grp\nSoundOn\n1\nSoundfile\n/sounds/bell.wav\n"
              "Tiptime\n15\nPlayusing\n1\nBackTime\n3\n");
}

TEST_F(Settings, KeysForEveryWindowComeLastOnlyWhenOnAndABadValueReadsAsOff)
{
    state.settings.back_time = 3;
    state.settings.global_keys = GlobalKeys::WithCtrlShift;
    SettingsFile(system).write(state);
    const std::string& text = system.files["/opt/cuedeck/cuedeck.dat"];
    EXPECT_THAT(text, ::testing::EndsWith("BackTime\n3\nGlobalKeys\n2\n"));
    EXPECT_EQ(read(text).settings.global_keys, GlobalKeys::WithCtrlShift);
    state.settings.global_keys = GlobalKeys::Off;
    SettingsFile(system).write(state);
    EXPECT_THAT(system.files["/opt/cuedeck/cuedeck.dat"], ::testing::EndsWith("BackTime\n3\n"));
    for (const char* bad : {"GlobalKeys\n3\n", "GlobalKeys\n-1\n", "GlobalKeys\nyes\n", ""})
        EXPECT_EQ(read(bad).settings.global_keys, GlobalKeys::Off) << bad;
}

TEST_F(Settings, TheFootPedalComesLastOnlyWhileADeviceIsSet)
{
    state.settings.back_time = 3;
    state.settings.pedal_device = "/dev/input/by-id/usb-VEC_USB_Footpedal-event-if00";
    state.settings.pedal_buttons = PedalButtons{256, 257, 258};
    state.settings.pedal_mode = PedalMode::Toggle;
    SettingsFile(system).write(state);
    const std::string& text = system.files["/opt/cuedeck/cuedeck.dat"];
    EXPECT_THAT(text,
                ::testing::EndsWith("BackTime\n3\nPedalDevice\n" + state.settings.pedal_device +
                                    "\nPedalButtons\n256 257 258\nPedalMode\n1\n"));
    const RunState back = read(text);
    EXPECT_EQ(back.settings.pedal_device, state.settings.pedal_device);
    EXPECT_EQ(back.settings.pedal_buttons, (PedalButtons{256, 257, 258}));
    EXPECT_EQ(back.settings.pedal_mode, PedalMode::Toggle);
    state.settings.pedal_device.clear();
    SettingsFile(system).write(state);
    EXPECT_THAT(system.files["/opt/cuedeck/cuedeck.dat"], ::testing::EndsWith("BackTime\n3\n"));
    EXPECT_EQ(read("PedalMode\n5\n").settings.pedal_mode, PedalMode::Hold);
}

TEST_F(Settings, WithoutATapeGroupWritesAnEmptyValueThatReadsBack)
{
    state.settings.sound_on = 1;
    state.settings.tip_time = 7;
    SettingsFile(system).write(state);
    const std::string& text = system.files["/opt/cuedeck/cuedeck.dat"];
    EXPECT_EQ(text.substr(0, 10), "Openfile\n\n");
    const RunState back = read(text);
    EXPECT_EQ(back.tape_group_path, "");
    // The pairs after the empty value were read.
    EXPECT_EQ(back.settings.sound_on, 1);
    EXPECT_EQ(back.settings.tip_time, 7);
}

TEST_F(Settings, WrittenValuesReadBack)
{
    state.tape_group_path = "/work/group.grp";
    state.settings.sound_on = 5;
    state.settings.sound_file = "/sounds/" + std::string(3000, 's') + ".wav";
    state.settings.tip_time = -5;
    state.settings.play_using = 2;
    state.settings.back_time = 7;
    SettingsFile(system).write(state);
    const RunState back = read(system.files["/opt/cuedeck/cuedeck.dat"]);
    EXPECT_EQ(back.tape_group_path, state.tape_group_path);
    EXPECT_EQ(back.settings.sound_on, 5);
    EXPECT_EQ(back.settings.sound_file, state.settings.sound_file);
    EXPECT_EQ(back.settings.tip_time, -5);
    EXPECT_EQ(back.settings.play_using, 2);
    EXPECT_EQ(back.settings.back_time, 7);
}

TEST_F(Settings, AFileAsTheProgramWritesItReadsAndWritesBackByteForByte)
{
    const std::string text =
        "Openfile\n/work/my group.grp\nSoundOn\n0\nSoundfile\n/sounds/bell.wav\nTiptime\n15\n"
        "Playusing\n1\nBackTime\n3\nSpeed\n80\nGlobalKeys\n1\nPedalDevice\n/dev/input/event7\n"
        "PedalButtons\n256 257 258\nPedalMode\n1\nKeypadDevice\n/dev/input/event9\n"
        "KeypadKeys\n79:play-pause 80:play-while-held 96:next-tip\n";
    RunState fields;
    fields.exe_directory = "/opt/cuedeck/";
    fields.speed_control = true;
    system.files["/opt/cuedeck/cuedeck.dat"] = text;
    SettingsFile(system).read(fields);
    EXPECT_EQ(fields.speed, 80);
    EXPECT_EQ(fields.settings.pedal_mode, PedalMode::Toggle);
    EXPECT_EQ(
        fields.settings.keypad_keys,
        (std::vector<KeypadKey>{{79, "play-pause"}, {80, "play-while-held"}, {96, "next-tip"}}));
    EXPECT_TRUE(SettingsFile(system).write(fields));
    EXPECT_EQ(system.files["/opt/cuedeck/cuedeck.dat"], text);
    // What the file does not name is the rows' default: the alarm sounds.
    EXPECT_EQ(read("Tiptime\n4\n").settings.sound_on, 1);
    EXPECT_EQ(read("Speed\n5000\n").speed, speed::normal); // out of bounds
    // A keypad entry that cannot be one is dropped alone, as is a second one
    // for a key; without a device, no keypad is written.
    EXPECT_EQ(read("KeypadKeys\n79:back x:y 80 800:zero 81:Back 82: 79:zero\t83:loop\n")
                  .settings.keypad_keys,
              (std::vector<KeypadKey>{{79, "back"}, {83, "loop"}}));
    fields.settings.keypad_device.clear();
    EXPECT_TRUE(SettingsFile(system).write(fields));
    EXPECT_EQ(system.files["/opt/cuedeck/cuedeck.dat"], text.substr(0, text.find("Keypad")));
}

TEST_F(Settings, ReadsPairsInAnyOrderAndConvertsLikeAtoi)
{
    const RunState back = read("Tiptime\n15 minutes\nBackTime\n-5\nPlayusing\nabc\n");
    EXPECT_EQ(back.settings.tip_time, 15);
    EXPECT_EQ(back.settings.back_time, -5);
    EXPECT_EQ(back.settings.play_using, 0);
}

TEST_F(Settings, KeysInAnotherCaseAreNotRecognised)
{
    const RunState back = read("tiptime\n15\nTiptime\n20\n");
    // "tiptime" is skipped alone; "15" is then read as a key and skipped too.
    EXPECT_EQ(back.settings.tip_time, 20);
    const RunState only_wrong_case = read("tiptime\n15\n");
    EXPECT_EQ(only_wrong_case.settings.tip_time, 0);
}

TEST_F(Settings, AnUnknownKeyLeavesItsValueToBeReadAsAKey)
{
    const RunState back = read("Volume\nTiptime\n9\n");
    EXPECT_EQ(back.settings.tip_time, 9);
}

TEST_F(Settings, TheFirstEmptyLineEndsTheReading)
{
    EXPECT_EQ(read("\nTiptime\n15\n").settings.tip_time, 0);
    EXPECT_EQ(read("Tiptime\n15\n\nBackTime\n4\n").settings.back_time, 0);
}

TEST_F(Settings, AKeyWithoutValueAtTheEndReadsEmptyOrZero)
{
    const RunState back = read("Tiptime\n15\nSoundfile\n");
    EXPECT_EQ(back.settings.sound_file, "");
    EXPECT_EQ(back.settings.tip_time, 15);
    EXPECT_EQ(read("Tiptime\n").settings.tip_time, 0);
}

TEST_F(Settings, TheLastValueKeepsItsLastCharacterWithoutAFinalNewline)
{
    EXPECT_EQ(read("Soundfile\n/sounds/bell.wav").settings.sound_file, "/sounds/bell.wav");
    EXPECT_EQ(read("Tiptime\n15").settings.tip_time, 15);
    EXPECT_EQ(read("Soundfile\r\nC:\\bell.wav\r\nTiptime\r\n4\r\n").settings.sound_file,
              "C:\\bell.wav");
}

TEST_F(Settings, AMissingFileChangesNothing)
{
    RunState fields;
    fields.exe_directory = "/elsewhere/";
    fields.settings.tip_time = 12;
    SettingsFile(system).read(fields);
    EXPECT_EQ(fields.settings.tip_time, 12);
}

TEST_F(Settings, AValueWithALineBreakIsWrittenEmptyAndTheRestIsSaved)
{
    system.files["/opt/cuedeck/cuedeck.dat"] = "Tiptime\n3\n";
    state.settings.sound_file = "/sounds/a\nb.wav";
    state.tape_group_path = "/g/a\r.grp";
    state.settings.tip_time = 9;
    EXPECT_TRUE(SettingsFile(system).write(state));
    const RunState back = read(system.files["/opt/cuedeck/cuedeck.dat"]);
    EXPECT_EQ(back.settings.sound_file, "");
    EXPECT_EQ(back.tape_group_path, "");
    EXPECT_EQ(back.settings.tip_time, 9);
}

TEST_F(Settings, LiveInTheSettingsFolderAndFallBackToTheCopyBesideTheProgram)
{
    // Given a copy beside the program and none in the settings folder yet.
    system.settings_folder = "/home/u/.config/cuedeck/";
    system.files["/opt/cuedeck/cuedeck.dat"] = "Tiptime\n4\n";
    RunState fields;
    fields.exe_directory = "/opt/cuedeck/";
    SettingsFile(system).read(fields);
    EXPECT_EQ(fields.settings.tip_time, 4);

    fields.settings.tip_time = 6;
    system.unwritable.insert("/opt/cuedeck/cuedeck.dat"); // an installed copy
    EXPECT_TRUE(SettingsFile(system).write(fields));
    EXPECT_EQ(system.directories.count("/home/u/.config/cuedeck/"), 1u);
    EXPECT_EQ(read_back(fields), 6);
    EXPECT_EQ(system.files["/opt/cuedeck/cuedeck.dat"], "Tiptime\n4\n");
}

TEST_F(Settings, AnInstalledProgramStartsWithTheSettingsItComesWith)
{
    // Given no settings of the user's and none beside the program.
    system.settings_folder = "/home/u/.config/cuedeck/";
    system.files["/usr/share/cuedeck/cuedeck.dat"] =
        "SoundOn\n1\nSoundfile\ncuedeck-alarm.wav\nBackTime\n2\n";
    RunState fields;
    fields.exe_directory = "/usr/bin/";
    SettingsFile(system).read(fields);
    EXPECT_EQ(fields.settings.back_time, 2);
    EXPECT_EQ(fields.settings.sound_file, "/usr/share/cuedeck/cuedeck-alarm.wav"); // beside them
    EXPECT_TRUE(SettingsFile(system).write(fields));
    EXPECT_THAT(system.files["/home/u/.config/cuedeck/cuedeck.dat"],
                ::testing::HasSubstr("Soundfile\n/usr/share/cuedeck/cuedeck-alarm.wav\n"));

    // A portable copy's sound beside it stays named so, wherever it is.
    system.settings_folder.clear();
    const RunState portable = read("Soundfile\nalarm.wav\nBackTime\n2\n");
    EXPECT_EQ(portable.settings.sound_file, "/opt/cuedeck/alarm.wav");
    EXPECT_TRUE(SettingsFile(system).write(portable));
    EXPECT_THAT(system.files["/opt/cuedeck/cuedeck.dat"],
                ::testing::HasSubstr("Soundfile\nalarm.wav\n"));
}

TEST_F(Settings, AFailedWriteIsReported)
{
    system.unwritable.insert("/opt/cuedeck/cuedeck.dat");
    EXPECT_FALSE(SettingsFile(system).write(state));
}

} // namespace
} // namespace cuedeck::testing
