#include <gtest/gtest.h>

#include "control/state/position_history.h"

namespace cuedeck {
namespace {

TEST(PositionHistory, StartsEmpty)
{
    PositionHistory history;
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(history.top(), 0);
    EXPECT_FALSE(history.step_back());
    EXPECT_FALSE(history.step_forward());
}

TEST(PositionHistory, KeepsTheLastHundredPlaces)
{
    PositionHistory history;
    for (int i = 0; i < 101; ++i)
        history.push({i, i * 10});
    EXPECT_EQ(history.count(), 100);
    EXPECT_EQ(history.top(), 100);
    EXPECT_EQ(history.entry(0), (HistoryEntry{1, 10})); // the first one is gone
    EXPECT_EQ(history.entry(99), (HistoryEntry{100, 1000}));
}

TEST(PositionHistory, StepBackReturnsTheEntryBeforeTheCurrentOne)
{
    PositionHistory history;
    history.push({0, 0});
    history.push({1, 5});
    history.push({2, 9});
    EXPECT_EQ(history.step_back(), (HistoryEntry{1, 5}));
    EXPECT_EQ(history.step_back(), (HistoryEntry{0, 0}));
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(history.top(), 3);
}

TEST(PositionHistory, StepBackFromTheOnlyEntryMovesButReturnsNothing)
{
    PositionHistory history;
    history.push({3, 7});
    EXPECT_FALSE(history.step_back());
    EXPECT_EQ(history.count(), 0);
    // Forward again brings the same entry back.
    EXPECT_EQ(history.step_forward(), (HistoryEntry{3, 7}));
    EXPECT_EQ(history.count(), 1);
    EXPECT_FALSE(history.step_forward());
}

TEST(PositionHistory, StepForwardRetracesStepsBack)
{
    PositionHistory history;
    history.push({0, 0});
    history.push({1, 1});
    history.push({2, 2});
    history.step_back();
    history.step_back();
    EXPECT_EQ(history.step_forward(), (HistoryEntry{1, 1}));
    EXPECT_EQ(history.step_forward(), (HistoryEntry{2, 2}));
    EXPECT_FALSE(history.step_forward());
}

TEST(PositionHistory, PushAfterStepsBackDiscardsTheRedoEntries)
{
    PositionHistory history;
    history.push({0, 0});
    history.push({1, 1});
    history.push({2, 2});
    history.step_back();
    history.step_back();
    history.push({9, 9});
    EXPECT_EQ(history.count(), 2);
    EXPECT_EQ(history.top(), 2);
    EXPECT_FALSE(history.step_forward());
    EXPECT_EQ(history.step_back(), (HistoryEntry{0, 0}));
}

TEST(PositionHistory, ClearForgetsEverything)
{
    PositionHistory history;
    history.push({1, 1});
    history.push({2, 2});
    history.clear();
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(history.top(), 0);
    EXPECT_FALSE(history.step_forward());
}

} // namespace
} // namespace cuedeck
