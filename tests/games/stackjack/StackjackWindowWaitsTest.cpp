// Hits clicked while "Prepare for Round n" shows, with the waits running for real, are dropped:
// nothing the player could not yet see is played in the next round.
#include "StackjackWindowFixture.h"
#include "support/PostedInput.h"

TEST_F(StackjackWindowTest, HitsClickedWhileTheNextRoundIsAnnouncedPlayNothingInIt)
{
    play();
    lay({10, 12, 5});
    hits({0, 0});
    useRealWaits();
    bool clicked = false;
    platform::setWaitObserver([&](int) {
        if (!clicked && form->ScoringLabel->caption().startsWith(QStringLiteral("Prepare for Round"))) {
            clicked = true;
            for (int column : {1, 2, 3})
                postClick(form->cmdHit[column], 2);
        }
    });
    hits({0}); // busts
    settle();
    ASSERT_TRUE(clicked);
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 2"));
    for (platform::Label* total : form->ColumnTotal)
        EXPECT_EQ(total->caption(), QStringLiteral("0"));
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(gGameInProgress);
}
