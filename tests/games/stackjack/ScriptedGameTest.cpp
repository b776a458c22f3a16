#include "StackjackFixture.h"

using namespace stackjack;

namespace {
// Ends the round in play, scoring it, and moves on as the window does.
RoundTransition endRound(std::int64_t expectedRoundScore)
{
    const auto end = EndCurrentRound();
    EXPECT_EQ(end.taken.roundScore, expectedRoundScore);
    Reset();
    return EndRound();
}
} // namespace

TEST_F(StackjackTest, AWholeGameScoresToThePoint)
{
    // Round 1: five columns of 21 (king and ace) at once: 1000 x 300.
    lay({13, 1, 13, 1, 13, 1, 13, 1, 13, 1});
    auto hit = hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    ASSERT_TRUE(hit.autoTake);
    ASSERT_EQ(endRound(300000).next, NextStep::NextRound);
    ASSERT_TRUE(DealRound());

    // Round 2: 20 in column 1, then a five busts it.
    lay({10, 12, 5});
    tick(4);
    ASSERT_TRUE(hits({0, 0, 0}).bust);
    ASSERT_EQ(endRound(0).next, NextStep::NextRound);
    ASSERT_TRUE(DealRound());

    // Round 3: a passed two, then 98, taken after ten seconds at 267.
    lay({2, 10, 11, 12, 13, 10, 11, 12, 13, 9, 9});
    ASSERT_FALSE(Pass().refused);
    tick(10);
    hit = hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    ASSERT_EQ(hit.currentTotal, 98);
    ASSERT_EQ(gTimeBonus, 267);
    auto transition = endRound(26700);
    ASSERT_EQ(transition.next, NextStep::BonusRound);
    ASSERT_EQ(gScore, 326700);
    ASSERT_TRUE(DealRound());

    // Bonus round: a soft 19 and four 20s make 99 when the time runs out.
    lay({10, 10, 10, 10, 10, 10, 10, 10, 1, 8});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    tick(60);
    transition = endRound(15000);
    EXPECT_EQ(transition.next, NextStep::GameOver);
    EXPECT_EQ(gScore, 341700);
}
