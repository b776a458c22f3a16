#include "DuettoWindowFixture.h"

#include "support/Screenshot.h"

#include <algorithm>

TEST_F(DuettoWindowTest, TheClockWarnsInTheStatusBarAsTheRoundRunsOut)
{
    play();
    const QString hint = form->StatusBar1->panelText(2);
    tick(22);
    EXPECT_EQ(form->StatusBar1->panelText(2), hint);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 23"));
    tick(1);
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Times running out!"));
    tick(11);
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Times running out!"));
    tick(1);
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Better Hurry!"));
    EXPECT_EQ(gPieElapsed, 35);
}

TEST_F(DuettoWindowTest, TakeScorePressedAgainDuringTheRoundEndIsIgnored)
{
    play();
    tick(40);
    bool pressed = false;
    platform::setWaitHandler([&](int ms) {
        recordWait(ms);
        if (!pressed) {
            pressed = true;
            form->cmdTakeScore_Click();
            form->mnuTakeScore->trigger();
            form->cmdPause_Click();
        }
    });
    form->cmdTakeScore->click();
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gScore, 500);
    const std::vector<QString> shown = messagesShown();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), QStringLiteral("Speed Bonus!")), 1);
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_FALSE(gRoundOver);
}

TEST_F(DuettoWindowTest, EndGameAsksAndOnYesGoesIdleWithoutAScore)
{
    play();
    tick(2);
    const QByteArray table = file("DuettoHighScores45.Txt");
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->cmdPlay->click();
        EXPECT_EQ(boxes.shown().at(0).prompt, QStringLiteral("You have a game in progress, are you sure you want to quit?"));
    }
    EXPECT_TRUE(gGameInProgress);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&End Game"));

    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->cmdPlay->click();
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->mnuPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->cmdPlay->toolTip(), QStringLiteral("Starts a new game"));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_FALSE(form->mnuTakeScore->isEnabled());
    EXPECT_TRUE(form->mnuTime->isEnabled());
    EXPECT_TRUE(form->mnuCustom->isEnabled());
    EXPECT_FALSE(form->CardStackPicture->isVisible());
    EXPECT_FALSE(form->PlayCard[20]->isVisible());
    EXPECT_EQ(namePrompts, 0);
    EXPECT_EQ(file("DuettoHighScores45.Txt"), table);
}

TEST_F(DuettoWindowTest, EachMoveSoundsAndMarksAsItShould)
{
    play();
    lay(deckWith({{18, 5}, {19, 9}, {20, 5}}));
    audio.clear();
    clickCard(0);
    clickCard(18);
    EXPECT_TRUE(form->FieldSelectionRectangle[18]->isVisible());
    EXPECT_EQ(form->PlayCard[18]->borderStyle(), 0);
    saveScreenshot(form, QStringLiteral("duetto-card-selected"));
    clickCard(18);
    EXPECT_FALSE(form->FieldSelectionRectangle[18]->isVisible());
    EXPECT_EQ(form->PlayCard[18]->borderStyle(), 1);
    match(18, 19);
    EXPECT_EQ(form->PlayCard[18]->borderStyle(), 1);
    EXPECT_FALSE(form->FieldSelectionRectangle[18]->isVisible());
    match(18, 20);
    EXPECT_FALSE(form->PlayCard[18]->isVisible());
    EXPECT_EQ(form->PlayCard[18]->picture(), 0);
    EXPECT_EQ(form->lblScorePairs->caption(), QStringLiteral("1"));
    const QStringList expected{wave("Chord.wav"), wave("Markq.wav"), wave("Tick.wav"),     wave("Markq.wav"),
                               wave("Chord.wav"), wave("Markq.wav"), wave("TwentyOne.wav")};
    EXPECT_EQ(audio.waves(), expected);

    // A stock click with a card selected drops it, refills place 18 and draws.
    clickCard(21);
    audio.clear();
    form->CardStackPicture_Click();
    EXPECT_FALSE(form->FieldSelectionRectangle[21]->isVisible());
    EXPECT_TRUE(form->PlayCard[18]->isVisible());
    EXPECT_EQ(audio.waves(), QStringList{wave("Click.wav")});

    gSoundsOn = false;
    audio.clear();
    clickCard(0);
    EXPECT_TRUE(audio.waves().isEmpty());
}

TEST_F(DuettoWindowTest, TheUsedUpStockStillRefillsAndThePileShowsTheCardBeneath)
{
    play();
    lay(deckWith({{18, 3}, {19, 3}}));
    for (int i = 0; i < 28; ++i)
        form->CardStackPicture_Click();
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("0"));
    EXPECT_TRUE(form->CardStackPicture->shows(QStringLiteral("EMPTY")));
    match(18, 19);
    const QString beneath = QString::fromStdString(trimmedCode(form->table.mPile[gPileTop - 1]));
    const int topPicture = form->PlayCard[duetto::PileCard]->picture();
    audio.clear();
    form->CardStackPicture_Click();
    EXPECT_EQ(audio.waves(), QStringList({wave("Click.wav"), wave("Chord.wav")}));
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("0"));
    EXPECT_EQ(form->PlayCard[18]->picture(), topPicture);
    EXPECT_TRUE(form->PlayCard[duetto::PileCard]->shows(beneath));
}
