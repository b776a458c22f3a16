// The player's input during a round's end and answers to questions asked during a round, with the
// waits running for real.
#include "SpiresWindowFixture.h"
#include "support/PostedInput.h"

#include <QTest>
#include <stdexcept>

TEST_F(SpiresWindowTest, AGameThatRunsOutBehindTheEndGameQuestionEndsOnce)
{
    play();
    gBonusRoundScore = 1000000;
    tick(45);
    ASSERT_EQ(gRound, 2);
    gScore = 35000;
    useRealWaits();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes, [this] { tick(45); });
    form->cmdPlay->click();
    settle();
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(namePrompts, 1);
    EXPECT_EQ(tableEntries(QStringLiteral("SpiresHiScores45.Txt")), 1);
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
}

TEST_F(SpiresWindowTest, EndGameGivenDuringTheRoundEndIsDropped)
{
    const std::function<void(frmSpires*)> endGame[] = {
        [](frmSpires* f) { clickSoon(f->cmdPlay, 2); },
        [](frmSpires* f) { keySoon(f, Qt::Key_P, Qt::ControlModifier); },
    };
    for (const auto& give : endGame) {
        if (form->cmdPlay->text() != QStringLiteral("&Play")) {
            ScriptedMessageBoxes boxes;
            boxes.expect(platform::vbYes);
            form->cmdPlay->click();
        }
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        play();
        namePrompts = 0;
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        tick(5);
        useRealWaits();
        ScriptedMessageBoxes boxes; // any question fails the test
        give(form);
        form->cmdTakeScore->click();
        settle();
        EXPECT_TRUE(boxes.shown().empty());
        EXPECT_EQ(gRound, 2);
        EXPECT_TRUE(gGameInProgress);
        EXPECT_FALSE(gRoundOver);
        EXPECT_TRUE(form->Timer1->enabled());
        EXPECT_EQ(namePrompts, 0);
    }
}

TEST_F(SpiresWindowTest, AnErrorInsidePlayLeavesTheWindowIdleWithItsMessage)
{
    play();
    std::vector<QString> shown;
    platform::setMessageBoxHandler([&](const platform::MessageBoxCall& call) {
        shown.push_back(call.prompt);
        if (shown.size() == 1)
            throw std::runtime_error("Unable to deal the cards.");
        return int(platform::vbOK);
    });
    form->cmdPlay->click();
    platform::setMessageBoxHandler(nullptr);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], QStringLiteral("Unable to deal the cards."));
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_TRUE(form->cmdPlay->isEnabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_TRUE(form->frmSplash->isVisible());

    // And the next Play starts a game as usual.
    play();
    EXPECT_TRUE(gGameInProgress);
    EXPECT_TRUE(form->Timer1->enabled());
}
