// Hits clicked while a round ends, with the waits running for real, are dropped: nothing the player
// could not yet see is played in the next round.
#include "StackjackWindowFixture.h"
#include "support/PostedInput.h"

TEST_F(StackjackWindowTest, HitsClickedWhileTheRoundEndsPlayNothingInTheNextRound)
{
    play();
    lay({10, 12, 5});
    hits({0, 0});
    useRealWaits();
    clickSoon(form->cmdHit[1], 3);
    clickSoon(form->cmdHit[2], 3);
    hits({0}); // busts
    settle();
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 2"));
    for (platform::Label* total : form->ColumnTotal)
        EXPECT_EQ(total->caption(), QStringLiteral("0"));
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(gGameInProgress);
}
