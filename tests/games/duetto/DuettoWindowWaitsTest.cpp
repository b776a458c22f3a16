// The player's input during a round's end, a resize behind the End Game question and a close asked
// for during a round's end, with the waits running for real.
#include "DuettoWindowFixture.h"
#include "support/PostedInput.h"

TEST_F(DuettoWindowTest, EndGameClickedDuringTheRoundEndIsDropped)
{
    play();
    tick(5);
    useRealWaits();
    ScriptedMessageBoxes boxes; // any question fails the test
    // The flashes of "Prepare for Round Two!" run with End Game enabled, so only the wait keeps it out.
    bool clickedWhileEnabled = false;
    platform::setWaitObserver([&](int) {
        if (!clickedWhileEnabled && form->lblMessage->caption() == QStringLiteral("Prepare for Round Two!") &&
            form->cmdPlay->isEnabled()) {
            clickedWhileEnabled = true;
            postClick(form->cmdPlay, 2);
        }
    });
    form->cmdTakeScore->click();
    settle();
    ASSERT_TRUE(clickedWhileEnabled);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(gRound, 2);
    EXPECT_TRUE(gGameInProgress);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&End Game"));
    EXPECT_EQ(namePrompts, 0);
}

TEST_F(DuettoWindowTest, AResizeBehindTheEndGameQuestionLeavesTheClockStopped)
{
    play();
    tick(5);
    bool clockRanBehindTheQuestion = true;
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo, [&] {
        form->resize(form->width() + 60, form->height() + 40);
        form->Form_Resize();
        clockRanBehindTheQuestion = form->Timer1->enabled();
    });
    form->cmdPlay->click();
    EXPECT_FALSE(clockRanBehindTheQuestion);
    // No: the round goes on where it stood.
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(gGameInProgress);
}

TEST_F(DuettoWindowTest, ACloseAskedForDuringTheRoundEndIsAnsweredAfterItAndYesEndsEverything)
{
    gMusicOn = true;
    play();
    tick(5);
    useRealWaits();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    closeSoon(form);
    form->cmdTakeScore->click();
    settle();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(audio.tunePlaying());
}
