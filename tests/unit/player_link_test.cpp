#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "player/player_link.h"
#include "support/fake_player_backend.h"

namespace cuedeck {
namespace {

using ::testing::ElementsAre;

TEST(PlayerLink, BeforeThePlayerIsFoundCommandsAndRequestsDoNothing)
{
    FakePlayerBackend backend;
    backend.model.playlist_length = 7;
    PlayerLink link(backend);
    link.send(PlayerCommand::Play);
    EXPECT_EQ(link.playlist_length(), std::nullopt);
    EXPECT_EQ(link.status(), std::nullopt);
    link.close();
    EXPECT_TRUE(backend.log.empty());
}

TEST(PlayerLink, AFoundPlayerGetsEveryCommandAndRequest)
{
    FakePlayerBackend backend;
    backend.model.playlist_length = 7;
    PlayerLink link(backend);
    ASSERT_TRUE(link.find());
    link.send(PlayerCommand::NextTrack);
    EXPECT_EQ(link.playlist_length(), 7);
    link.jump_to(1500);
    EXPECT_THAT(backend.traffic(), ElementsAre("NextTrack", "PlaylistLength", "JumpTo 1500"));
}

TEST(PlayerLink, APlayerThatWentAwayIsNotAskedUntilFoundAgain)
{
    FakePlayerBackend backend;
    backend.model.playlist_length = 7;
    PlayerLink link(backend);
    link.find();
    backend.is_alive = false;
    EXPECT_EQ(link.playlist_length(), std::nullopt);
    backend.is_alive = true;
    EXPECT_FALSE(link.connected());
    EXPECT_TRUE(backend.traffic().empty());
    ASSERT_TRUE(link.find());
    EXPECT_EQ(link.playlist_length(), 7);
}

TEST(PlayerLink, AnUnansweredRequestIsNotAnAnswerOfZero)
{
    FakePlayerBackend backend;
    PlayerLink link(backend);
    link.find();
    EXPECT_EQ(link.play_state(), 0);
    backend.silent = true;
    EXPECT_EQ(link.play_state(), std::nullopt);
    EXPECT_EQ(link.status(), std::nullopt);
    EXPECT_FALSE(link.hand_over("/music/a.m3u"));
}

TEST(PlayerLink, AClosedPlayerIsNeverFoundStartedOrHandedAFile)
{
    FakePlayerBackend backend;
    PlayerLink link(backend);
    link.find();
    link.close();
    backend.running = backend.is_alive = true;
    EXPECT_FALSE(link.find());
    EXPECT_FALSE(link.start());
    EXPECT_FALSE(link.hand_over("/music/a.m3u"));
    EXPECT_THAT(backend.log, ElementsAre("find", "close"));
}

} // namespace
} // namespace cuedeck
