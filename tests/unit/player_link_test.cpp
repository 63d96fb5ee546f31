#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "player/fake_player_backend.h"
#include "player/player_link.h"

namespace cuedeck {
namespace {

using ::testing::ElementsAre;

TEST(PlayerLink, BeforeThePlayerIsFoundCommandsAndRequestsDoNothing)
{
    FakePlayerBackend backend;
    backend.model.playlist_length = 7;
    PlayerLink link(backend);
    link.send(PlayerCommand::Play);
    EXPECT_EQ(link.playlist_length(), 0);
    EXPECT_EQ(link.status().caption, "");
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
    EXPECT_THAT(backend.traffic(),
                ElementsAre("command 40048", "request 124 0", "request 106 1500"));
}

TEST(PlayerLink, APlayerThatWentAwayIsNotAskedAgain)
{
    FakePlayerBackend backend;
    backend.model.playlist_length = 7;
    PlayerLink link(backend);
    link.find();
    backend.is_alive = false;
    EXPECT_EQ(link.playlist_length(), 0);
    backend.is_alive = true; // even if it answered again, it is forgotten
    EXPECT_EQ(link.playlist_length(), 0);
    EXPECT_FALSE(link.connected());
    EXPECT_TRUE(backend.traffic().empty());
}

TEST(PlayerLink, HandOverRunsWithoutAPlayer)
{
    FakePlayerBackend backend;
    PlayerLink link(backend);
    link.hand_over("/music/a.m3u");
    EXPECT_THAT(backend.log, ElementsAre("hand_over /music/a.m3u"));
}

} // namespace
} // namespace cuedeck
