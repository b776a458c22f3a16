#include "core/scores/GameScoring.h"
#include "core/dialogs/RulesText.h"
#include "core/SuiteGlobals.h"
#include "core/dialogs/frmRules.h"
#include "support/PlatformFakes.h"
#include "support/Screenshot.h"
#include "support/TestGameForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
class Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetTalliesDefaults();
        SetStackjackDefaults();
        SetQuickjackDefaults();
        SetSpiresDefaults();
        SetDuettoDefaults();
        SetGridhandDefaults();
        SetCairnwellDefaults();
    }
    static QString text(const char* title)
    {
        const std::optional<QString> t = rulesText(QLatin1String(title));
        return t ? *t : QString();
    }
};

const QString CRLF = QStringLiteral("\r\n");
} // namespace

TEST_F(Rules, EveryTextHasTheHeadingRequirementsObjectAndClosingLine)
{
    struct Case {
        const char* title;
        int blanks;
        const char* rounds;
        std::function<void()> setThreshold;
        const char* threshold;
        const char* recommended;
    };
    const Case cases[] = {
        {"Go for Tallies!", 30, "two", [] { gTalliesBonusScore = 80000; }, "80000", "  Recommended"},
        {"Stackjack!", 33, "three", [] { gStackjackBonusScore = 250000; }, "250,000", "  Recommended"},
        {"Quickjack!", 33, "three", [] { gBonusRoundScore = 250000; }, "250,000", "  Recommended"},
        {"Spires!", 33, "two", [] { gBonusRoundScore = 40000; }, "40,000", "  Recommended"},
        {"Duetto!", 33, "two", [] { gBonusRoundScore = 1234567; }, "1,234,567", "  Recommended"},
        {"Gridhand!", 31, "three", [] { gBonusRoundScore = 100000; }, "100,000", "  Recommended"},
        {"Cairnwell!", 31, "two", [] { gBonusRoundScore = 999; }, "999", " Recommended"},
    };
    gTimeLimit = 75;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        c.setThreshold();
        const QString title = QLatin1String(c.title);
        const QString expectedStart =
            CRLF + QString(c.blanks, QLatin1Char(' ')) + title + QStringLiteral(" Rules, Notes and Strategy") + CRLF +
            CRLF + QStringLiteral("Requirements: To run ") + title +
            QStringLiteral(" you need Windows 95 or above and a mouse.") + QLatin1String(c.recommended) +
            QStringLiteral(": Soundcard.") + CRLF + CRLF + QStringLiteral("As with most games, the object of ") + title +
            QStringLiteral(" is to attain the highest number of points possible. The game consists of ") +
            QLatin1String(c.rounds) + QStringLiteral(" rounds, each lasting 75 seconds. If you earn more than ") +
            QLatin1String(c.threshold) +
            QStringLiteral(" points in these rounds you are awarded an additional bonus round.");
        const QString t = text(c.title);
        EXPECT_TRUE(t.startsWith(expectedStart)) << t.left(expectedStart.size() + 40).toStdString();
        EXPECT_TRUE(t.endsWith(CRLF + CRLF + QStringLiteral("Good luck and have fun!")));
        EXPECT_FALSE(t.contains(CRLF + CRLF + CRLF));
    }
    EXPECT_TRUE(text("Go for Tallies!").contains(QStringLiteral("bonus round. You earn points in several ways:") + CRLF));
}

TEST_F(Rules, TheValueSentencesQuoteTheValuesInForce)
{
    struct Case {
        const char* title;
        std::function<void()> set;
        QString sentence;
    };
    const Case cases[] = {
        {"Go for Tallies!", [] { gTimeLimit = 90; },
         QStringLiteral("Try to clear the upper deck in the last 22 seconds of play. ") + CRLF},
        {"Go for Tallies!", [] { gTimeLimit = 30; },
         QStringLiteral("Try to clear the upper deck in the last 7 seconds of play. ") + CRLF},
        {"Go for Tallies!", [] { gTalliesComboBonus = 12500; },
         QStringLiteral("You are awarded 12500 points for each combination of 11's you select.")},
        {"Go for Tallies!", [] { gTalliesCompletionBonus = 25000; },
         CRLF + QStringLiteral("2. Completion Bonus: If you clear all of the exposed cards (upper deck) you are "
                               "awarded an additional 25000 points.")},
        {"Go for Tallies!", [] { gTimeBonus = 1500; },
         CRLF + QStringLiteral("3. Time Bonus: You are awarded 1500 points for each second remaining in the round "
                               "after selecting the 'Take Score' command button.") + CRLF},
        {"Stackjack!", [] { gBonusDecrement = 2.5f; gMaxTimeBonus = 1200; gMinTimeBonus = 50; },
         CRLF + QStringLiteral("The Time Bonus begins at 1200. It decreases by 2 for each second used in the round. "
                               "If time expires the Time Bonus is worth 50.") + CRLF},
        {"Stackjack!", [] { gPassesLeft = 1; },
         CRLF + QStringLiteral("You are allowed to pass 1 card(s) per round.") + CRLF},
        {"Stackjack!", [] {},
         QStringLiteral("There is a table located on the right side of the Stackjack! window which describes the "
                        "Card Total Value earned for a given card column total.")},
        {"Quickjack!", [] { gTwentyOneBonus = 1500; },
         QStringLiteral("The 21 Bonus Value increases by 1,500 each time a 21 combination is created. The 21 Bonus "
                        "Value is reset to 1,500 if the '21 Counter' (a timer) expires.")},
        {"Quickjack!", [] { gTwentyOneBonus = 1500; },
         QStringLiteral("Once you create your first 21 combination, you must create another one before the '21 "
                        "Counter' expires or your 21 Bonus Value is reset to 1,500.") + CRLF},
        {"Quickjack!", [] { gFiveCardsBonus = 7500; gDeckCompletionBonus = 100000; gCardsUsedBonus = 2000; },
         QStringLiteral("Each time a column of this type is created you are awarded 7,500 points. If you are able "
                        "to use all the cards in the deck you are awarded an additional 100,000 points. At the end "
                        "of each round you are also awarded 2,000 points for each card you used during the round.") +
             CRLF},
        {"Spires!", [] {}, CRLF + QStringLiteral("You earn points in a number ways:") + CRLF},
        {"Spires!", [] { gCardValue = 1000; },
         QStringLiteral("Each time a new card is added to a run, the selected card's value increases by 1,000 points.")},
        {"Spires!", [] { gHighRunBonus = 32767; },
         CRLF + QStringLiteral("2. Creating the longest run. Spires! keeps a record of the longest run attained. When "
                               "you exceed the longest run you receive an additional 32,767 points for each card in "
                               "the run.") + CRLF},
        {"Spires!", [] { gSpireBonus = 5000; },
         QStringLiteral("This bonus is equal to the number of Towers cleared multiplied by 5,000 points.")},
        {"Spires!", [] { gTimeBonus = 2500; },
         CRLF + QStringLiteral("4. Time Bonus. If you have no playable cards remaining, clicking the 'Take Score' "
                               "button will end the current round and award you 2,500 points for each second "
                               "remaining on the clock. ")},
        {"Duetto!", [] { gPairsBonus = 3000; gRunsBonus = 500; },
         QStringLiteral("You are awarded 3,000 points for each pair you create and 500 points for each run you "
                        "create. ")},
        {"Duetto!", [] { gCompletionBonus = 10000; },
         CRLF + QStringLiteral("2. Clearing the upper cards. If you manage to clear all of the cards from the upper "
                               "playing field you are awarded and additional 10,000 points at the end of the round.") +
             CRLF},
        {"Duetto!", [] { gTimeBonus = 100; },
         CRLF + QStringLiteral("3. Time Bonus. If you have no playable cards remaining, clicking the 'Take Score' "
                               "button will end the current round and award you 100 points for each second "
                               "remaining on the clock. ") + CRLF},
        {"Gridhand!", [] { gOverwritesAllowed = 26; },
         QStringLiteral("Once a card has been played it may not be moved, however, you are allowed to overwrite 26 "
                        "cards per round.")},
        {"Gridhand!", [] { gPairPoints = 5000; gFlushPoints = 120; gRoyalFlushPoints = 1000000; },
         CRLF + QStringLiteral("The hands are awarded points based on the following table:") + CRLF + CRLF +
             QStringLiteral("   One Pair = 5000") + CRLF + QStringLiteral("   Two Pair = 70") + CRLF +
             QStringLiteral("   Three of a kind = 80") + CRLF + QStringLiteral("   Straight = 90") + CRLF +
             QStringLiteral("   Flush = 120") + CRLF + QStringLiteral("   Full House = 200") + CRLF +
             QStringLiteral("   Four of a kind = 300") + CRLF + QStringLiteral("   Straight Flush = 400") + CRLF +
             QStringLiteral("   Royal Flush = 1000000") + CRLF + CRLF},
        {"Cairnwell!", [] {},
         CRLF + QStringLiteral("The Cairnwell! game board is separated into three sections: the storage area, the "
                               "playing field, ")},
        {"Cairnwell!", [] { gTrioValue = 6000; gRunValue = 300; gFlushPoints = 5000; },
         CRLF + QStringLiteral("For each Trip you create, you will be awarded 6000 points while each  Run awards 300 "
                               "points. If the Run you create also happens to be a flush, you are awarded an "
                               "additional 5000 points.")},
        {"Cairnwell!", [] { gDeckCompletionBonus = 15000; gLeftoverPenalty = 50; },
         CRLF + QStringLiteral("If you manage to clear the deck you are awarded a bonus of 15000 points at the end of "
                               "the round. If you clear the deck, but still have cards remaining in the storage area "
                               "or the playing field, -50 will be deducted from your score for each remaining card.") +
             CRLF},
        {"Cairnwell!", [] { gTimeBonus = 200; },
         CRLF + QStringLiteral("If during game play you feel that you have no more moves remaining, click on the 'Take "
                               "Score' button to end the round. You will be awarded 200 points for each unused second "
                               "remaining in the round.") + CRLF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        SCOPED_TRACE(c.sentence.toStdString());
        SetUp();
        c.set();
        EXPECT_TRUE(text(c.title).contains(c.sentence)) << text(c.title).toStdString();
    }
}

TEST_F(Rules, TalliesQuotesItsWindowsTakeScoreButtonAsItReadsNow)
{
    TestGameForm tallies{QStringLiteral("frmTallies")};
    tallies.cmdTakeScore->setText(QStringLiteral("&Grab Score"));
    gGameTitle = QStringLiteral("Go for Tallies!");
    frmRules dialog;
    EXPECT_TRUE(dialog.lblRules->toPlainText().contains(QStringLiteral("after selecting the 'Grab Score' command button.")));
}

TEST_F(Rules, TheDialogShowsTheTextOfTheCurrentGame)
{
    gGameTitle = QStringLiteral("Stackjack!");
    gTimeLimit = 60;
    gPassesLeft = 1;
    frmRules dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Stackjack! Rules, Notes and Strategy"));
    EXPECT_EQ(dialog.lblRules->toPlainText(), rulesText(gGameTitle)->replace(CRLF, QStringLiteral("\n")));
    EXPECT_EQ(dialog.cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(dialog.cmdOK->isDefault());
    EXPECT_NEAR(dialog.cmdOK->x() * 2 + dialog.cmdOK->width(), dialog.width(), 1);
    dialog.show();
    saveScreenshot(&dialog, QStringLiteral("rules-dialog"));
    dialog.cmdOK->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(Rules, AnUnknownTitleKeepsTheBoxsFirstText)
{
    gGameTitle = QStringLiteral("Stackjack");
    EXPECT_FALSE(rulesText(gGameTitle).has_value());
    frmRules dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Stackjack Rules, Notes and Strategy"));
    EXPECT_EQ(dialog.lblRules->toPlainText(), QStringLiteral("Text1"));
}

// The text is for reading: typing and pasting leave it alone, and Return in it presses OK.
TEST_F(Rules, TheTextIsReadOnlyAndReturnInItPressesOK)
{
    gGameTitle = QStringLiteral("Spires!");
    frmRules dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.lblRules->setFocus();
    const QString before = dialog.lblRules->toPlainText();
    for (const QString& clip : {QString(), QStringLiteral("pasted")}) {
        QGuiApplication::clipboard()->setText(clip);
        QTest::keyClick(dialog.lblRules, Qt::Key_V, Qt::ControlModifier);
    }
    QTest::keyClicks(dialog.lblRules, QStringLiteral("xyz"));
    EXPECT_EQ(dialog.lblRules->toPlainText(), before);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.lblRules, Qt::Key_Return);
    EXPECT_EQ(dialog.lblRules->toPlainText(), before);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
