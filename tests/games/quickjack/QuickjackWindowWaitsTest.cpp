// What reaches the next round from a round's end, with the waits running for real: no tick of the
// old clocks and no click made while "Prepare for Round n" shows.
#include "QuickjackWindowFixture.h"
#include "support/PostedInput.h"
#include "games/quickjack/QuickjackColumns.h"



TEST_F(QuickjackWindowTest, ARoundThatEndsStopsItsClocksBeforeItsFirstWait)
{
    struct Case {
        const char* name;
        std::function<void()> endRound;
    };
    const Case cases[] = {
        {"Take Score", [this] { form->cmdTakeScore->click(); }},
        {"deck completed",
         [this] {
             gDeckIndex = 51;
             lay({10, 1});
             hits({2, 2});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        platform::setWaitObserver(nullptr);
        if (form->cmdPlay->text() != QStringLiteral("&Play")) {
            ScriptedMessageBoxes boxes;
            boxes.expect(platform::vbYes);
            form->cmdPlay->click();
        }
        play();
        tick(10);
        form->Timer3->setEnabled(true);
        useRealWaits();
        int waitsWithAClockRunning = 0;
        platform::setWaitObserver([&](int) {
            if (form->Timer1->enabled() || form->Timer3->enabled() || form->Timer5->enabled())
                ++waitsWithAClockRunning;
        });
        c.endRound();
        EXPECT_EQ(waitsWithAClockRunning, 0);
        EXPECT_EQ(gRound, 2);
        EXPECT_EQ(gElapsed, 0);
        EXPECT_TRUE(form->Timer1->enabled());
    }
}

TEST_F(QuickjackWindowTest, ClicksOnTheGreyedPassDuringPrepareForRoundPassNothing)
{
    gCardsToPass = 3;
    play();
    tick(10);
    useRealWaits();
    bool clicked = false;
    platform::setWaitObserver([&](int) {
        if (!clicked && form->ScoringLabelInfo->caption().startsWith(QStringLiteral("Prepare for Round"))) {
            clicked = true;
            postClick(form->cmdPass, 3);
        }
    });
    form->cmdTakeScore->click();
    settle();
    ASSERT_TRUE(clicked);
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gPassesLeft, 3);
    EXPECT_EQ(gDeckIndex, 1);
}
