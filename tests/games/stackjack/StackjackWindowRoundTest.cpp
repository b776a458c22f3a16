#include "StackjackWindowFixture.h"
#include "core/window/GameSplash.h"


#include <QDir>
#include <algorithm>

namespace {
bool contains(const std::vector<QString>& shown, const char* text)
{
    return std::find(shown.begin(), shown.end(), QLatin1String(text)) != shown.end();
}
} // namespace

TEST_F(StackjackWindowTest, AHardColumnOverTwentyOneBustsTheRound)
{
    play();
    lay({10, 12, 5});
    hits({0, 0});
    waits.clear();
    hits({0});

    // The flash: twelve blinks of 150 ms between red and black, every Hit button disabled.
    std::vector<WaitSnapshot> flash;
    for (const WaitSnapshot& s : waits)
        if (s.ms == 150)
            flash.push_back(s);
    ASSERT_EQ(flash.size(), 12u);
    for (size_t i = 0; i < flash.size(); ++i) {
        EXPECT_EQ(flash[i].message, QStringLiteral("Busted!"));
        EXPECT_EQ(flash[i].messageColor, i % 2 == 0 ? platform::ColorBlack : platform::ColorRed);
        EXPECT_EQ(flash[i].hitEnabled, std::vector<bool>(5, false));
    }
    EXPECT_TRUE(audio.waves().contains(folder.file(QStringLiteral("Busted.wav"))));
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("0"));
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 2"));
    for (QPushButton* hit : form->cmdHit)
        EXPECT_TRUE(hit->isEnabled());
}

TEST_F(StackjackWindowTest, TotalsFrom97To104OfferTheScoreAnd105TakesIt)
{
    // Four hard 21s (ten, ten, ace) and a fifth column of ten and the rest.
    const std::vector<int> fourTwentyOnes{10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10, 1};
    const std::vector<int> columns{0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4};
    for (int total = 97; total <= 104; ++total) {
        SCOPED_TRACE(total);
        play();
        std::vector<int> cards = fourTwentyOnes;
        cards.push_back(10);
        cards.push_back(total - 94);
        lay(cards);
        hits(columns);

        EXPECT_EQ(form->lblCurrentTotal->caption(), QString::number(total));
        EXPECT_EQ(form->lblCurrentTotal->foreColor(), 0xC000);
        EXPECT_EQ(form->cmdGiveUp->text(), QStringLiteral("&Take score"));
        const int row = total - 96;
        EXPECT_EQ(form->frmScore->markedRow(), row);
        EXPECT_TRUE(form->frmScore->totalLabel(row)->font().bold());
        EXPECT_EQ(form->frmScore->pointsLabel(row)->foreColor(), platform::ColorRed);
        EXPECT_FALSE(form->frmScore->totalLabel(0)->font().bold());
        EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 1"));
        endGame();
    }

    play();
    lay({10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 1});
    waits.clear();
    hits(columns);
    EXPECT_EQ(gScore, 1000 * 300);
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("300,000"));
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 2"));
    EXPECT_TRUE(audio.waves().contains(folder.file(QStringLiteral("Applause.wav"))));
    const bool awesome = std::any_of(waits.begin(), waits.end(), [](const WaitSnapshot& s) {
        return s.info == QStringLiteral("Totally Awesome Score!");
    });
    EXPECT_TRUE(awesome);
}

TEST_F(StackjackWindowTest, AHardenedAceThatDropsTheTotalGivesUpAgain)
{
    play();
    // Four hard 20s, then a soft 17 that makes 97, then a nine that hardens the ace: 16, total 96.
    lay({10, 10, 10, 10, 10, 10, 10, 10, 1, 6, 9});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    ASSERT_EQ(form->cmdGiveUp->text(), QStringLiteral("&Take score"));
    ASSERT_EQ(form->ColumnSoft[4]->caption(), QStringLiteral("Soft"));

    hits({4});
    EXPECT_EQ(form->ColumnTotal[4]->caption(), QStringLiteral("16"));
    EXPECT_FALSE(form->ColumnSoft[4]->isVisible());
    EXPECT_EQ(form->lblCurrentTotal->caption(), QStringLiteral("96"));
    EXPECT_EQ(form->lblCurrentTotal->foreColor(), platform::ColorRed);
    EXPECT_EQ(form->cmdGiveUp->text(), QStringLiteral("&Give up"));
    EXPECT_EQ(form->frmScore->markedRow(), 0);
    EXPECT_TRUE(form->frmScore->totalLabel(0)->font().bold());
    EXPECT_EQ(form->frmScore->totalLabel(0)->caption(), QStringLiteral("< 97"));

    waits.clear();
    form->cmdGiveUp->click();
    EXPECT_TRUE(contains(messagesShown(), "Sorry, 97 or more needed to win!"));
    EXPECT_EQ(gScore, 0);
}

TEST_F(StackjackWindowTest, TimeUpBelow97IsTooLow)
{
    play();
    lay({10, 9, 8});
    hits({0, 1, 2});
    waits.clear();
    tick(60);
    const std::vector<QString> shown = messagesShown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], QStringLiteral("Times Up!"));
    EXPECT_EQ(shown[1], QStringLiteral("Sorry, 97 or more needed to win!"));
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 2"));
    EXPECT_FALSE(form->Timer2->enabled());
}

TEST_F(StackjackWindowTest, TheDialRedrawStopsWhenTheRoundEnds)
{
    play();
    tick(50); // the last quarter blinks
    ASSERT_TRUE(form->Timer2->enabled());
    form->cmdGiveUp->click();
    EXPECT_FALSE(form->Timer2->enabled());

    tick(50);
    ASSERT_TRUE(form->Timer2->enabled());
    endGame();
    EXPECT_FALSE(form->Timer2->enabled());
}

TEST_F(StackjackWindowTest, OnePassPerRoundShowsTheNextCard)
{
    play();
    lay({5, 13});
    form->cmdPass->click();
    EXPECT_TRUE(form->NextCardPicture->shows(QString::fromStdString(trimmedCode(gDeck.at(gDeckIndex)))));
    EXPECT_EQ(cardRank(gDeck.at(gDeckIndex)), 13);
    EXPECT_FALSE(form->cmdPass->isEnabled());
    form->cmdPass->click();
    EXPECT_EQ(cardRank(gDeck.at(gDeckIndex)), 13);
}

TEST_F(StackjackWindowTest, EndGameYesWritesNoScoreAndNoResumes)
{
    const QByteArray before = table();
    play();
    lay({10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 1});
    hits({0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4});
    ASSERT_EQ(gScore, 300000);

    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->cmdPlay->click();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("You have a game in progress, are you sure you want to quit?"));
        EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Stackjack!"));
    }
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    EXPECT_TRUE(form->cmdHit[0]->isVisible());

    endGame();
    EXPECT_EQ(table(), before);
    EXPECT_EQ(namePrompts, 0);
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Game Over"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->cmdPlay->toolTip(), QStringLiteral("Starts a new game"));
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(gScore, 0);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_TRUE(form->mnuTime->isEnabled());
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_FALSE(form->frmScore->isVisible());
    EXPECT_FALSE(form->cmdHit[0]->isVisible());
    EXPECT_FALSE(form->NextCardPicture->isVisible());
}

TEST_F(StackjackWindowTest, AnUnreadableTableIsReportedAndTheGameStillEnds)
{
    play();
    // The table becomes a folder: it can be neither read nor written.
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("HiScores60.Txt"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("HiScores60.Txt")));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK);
    for (int round = 1; round <= 3; ++round) {
        lay({10, 10, 10});
        hits({0, 0, 0});
    }
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("An error occured when attmpting to access the High Score "
                                                      "Table. Please close and restart the game."));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbCritical);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Stackjack!"));
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Game Over"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_FALSE(gGameInProgress);
    EXPECT_TRUE(form->frmSplash->isVisible());
}
