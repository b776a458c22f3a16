// Draws clicked while the next round is announced, with the waits running for real, are dropped: the next round
// starts with its full pile and nothing paid.
#include "TalliesWindowFixture.h"
#include "support/PostedInput.h"
#include "core/cards/CardImage.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QPushButton>

TEST_F(TalliesWindowTest, DrawsClickedWhileRoundTwoIsAnnouncedCostNothingInIt)
{
    click(form->cmdPlay);
    tick(5);
    platform::setWaitHandler(nullptr);
    platform::setWaitScale(0.01);
    bool clicked = false;
    platform::setWaitObserver([&](int) {
        if (!clicked && form->lblMessage->caption() == QStringLiteral("Prepare for Round Two!")) {
            clicked = true;
            postClick(form->PlayCardPicture, 3);
        }
    });
    click(form->cmdTakeScore);
    const QString scoreAfterRoundOne = form->lblCurrentScore->caption();
    settle();
    platform::setWaitScale(1.0);
    platform::setWaitObserver(nullptr);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("2"));
    EXPECT_EQ(form->lblCardCount->caption(), QStringLiteral("Cards: 30"));
    EXPECT_EQ(form->lblCurrentScore->caption(), scoreAfterRoundOne);
    EXPECT_TRUE(form->Timer1->enabled());
}
