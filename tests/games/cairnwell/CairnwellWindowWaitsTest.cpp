// Take Score clicked during a round's end, with the waits running for real: it is dropped, so the
// next round runs its time and a game ends once.
#include "CairnwellWindowFixture.h"
#include "support/PostedInput.h"

TEST_F(CairnwellWindowTest, TakeScoreClickedWhileRoundOneRunsOutLeavesRoundTwoAlone)
{
    play();
    useRealWaits();
    clickSoon(form->cmdTakeScore);
    tick(gTimeLimit);
    settle();
    EXPECT_EQ(form->mRound, 2);
    EXPECT_FALSE(gRoundOver);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(gScore, 0); // no speed bonus for a round ended at once
}

TEST_F(CairnwellWindowTest, ClicksDuringTheLastRoundsEndEnterTheGameOnce)
{
    struct Case {
        const char* name;
        int clicks;
        std::function<void()> endRound;
    };
    const Case cases[] = {
        {"time runs out", 1, [this] { tick(gTimeLimit); }},
        {"no moves left", 2,
         [this] {
             leaveOneMoveBeforeNoMovesLeft();
             fanToStorage(2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        play();
        gBonusRoundScore = 1000000;
        tick(gTimeLimit);
        ASSERT_EQ(form->mRound, 2);
        gScore = 60000;
        namePrompts = 0;
        const QString table = QStringLiteral("CairnwellHiScores") + QString::number(gTimeLimit) + QStringLiteral(".Txt");
        const int entriesBefore = tableEntries(table);
        useRealWaits();
        clickSoon(form->cmdTakeScore, c.clicks);
        c.endRound();
        settle();
        EXPECT_FALSE(gGameInProgress);
        EXPECT_EQ(namePrompts, 1);
        EXPECT_EQ(tableEntries(table), entriesBefore + 1);
        EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    }
}
