#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "control/run/alarm_sound.h"
#include "support/fake_system.h"

namespace cuedeck::testing {
namespace {

using ::testing::ElementsAre;

TEST(AlarmSound, ChoosesThePlayerByMethod)
{
    FakeSystem system;
    AlarmSound alarm(system);
    alarm.play(AlarmSound::Amovie, "/s/bell.wav");
    alarm.play(AlarmSound::Playsnd, "/s/bell.wav");
    alarm.play(2, "/s/bell.wav");
    alarm.play(-1, "/s/bell.wav");
    EXPECT_THAT(system.sounds, ElementsAre("detached /s/bell.wav", "async /s/bell.wav"));
}

TEST(AlarmSound, PassesThePathUnchanged)
{
    FakeSystem system;
    AlarmSound alarm(system);
    const std::string hostile = "/s/my \"bell\"; $(rm -rf ~).wav";
    alarm.play(AlarmSound::Amovie, hostile);
    alarm.play(AlarmSound::Amovie, "");
    EXPECT_THAT(system.sounds, ElementsAre("detached " + hostile, "detached "));
}

} // namespace
} // namespace cuedeck::testing
