// The user-options checks: each field's bounds and messages, clamps stored at once, and the flag.
#include "games/quickjack/frmQuickjackCustomScoring.h"
#include "support/ClippedTexts.h"
#include "support/PlatformFakes.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackCustomScoring.h"
#include "games/quickjack/QuickjackSettings.h"

#include <gtest/gtest.h>

using namespace quickjack;

namespace {

class QuickjackCustomScoringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetBuiltInValues();
        CheckForCustom();
    }
};

TEST_F(QuickjackCustomScoringTest, EachFieldIsClampedWithItsOwnMessage)
{
    struct Case {
        QString CustomScoringFields::*field;
        const char* typed;
        CustomScoringField refused;
        const char* message;
        const char* boxText;
        std::int64_t (*stored)();
        std::int64_t expected;
    };
    const Case cases[] = {
        {&CustomScoringFields::cardsToPass, "-1", CustomScoringField::CardsToPass,
         "Sorry, you cannot pass fewer than 0 cards.", "0", [] { return std::int64_t(gPassesLeft); }, 0},
        {&CustomScoringFields::cardsToPass, "11", CustomScoringField::CardsToPass,
         "Sorry, you cannot pass more than 10 cards.", "10", [] { return std::int64_t(gPassesLeft); }, 10},
        {&CustomScoringFields::waitPeriod, "-1", CustomScoringField::WaitPeriod,
         "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.", "0",
         [] { return std::int64_t(gWaitPeriod); }, 0},
        {&CustomScoringFields::waitPeriod, "61", CustomScoringField::WaitPeriod,
         "Sorry, a maximum of 60 seconds is allowed for the waiting period between rounds.", "60",
         [] { return std::int64_t(gWaitPeriod); }, 60000},
        {&CustomScoringFields::cardsUsedBonus, "-1", CustomScoringField::CardsUsedBonus,
         "Sorry, a minimum of 0 is required for the Cards Used bonus score.", "0",
         [] { return std::int64_t(gCardsUsedBonus); }, 0},
        {&CustomScoringFields::cardsUsedBonus, "5001", CustomScoringField::CardsUsedBonus,
         "Sorry, the maximum value for the Cards Used bonus score is 5000.", "5000",
         [] { return std::int64_t(gCardsUsedBonus); }, 5000},
        {&CustomScoringFields::twentyOneBonus, "-5", CustomScoringField::TwentyOneBonus,
         "Sorry, a minimum of 0 is required for the Twenty One bonus score.", "0",
         [] { return std::int64_t(gTwentyOneBonus); }, 0},
        {&CustomScoringFields::twentyOneBonus, "5001", CustomScoringField::TwentyOneBonus,
         "Sorry, the maximum value for the Twenty One bonus score is 5000.", "5000",
         [] { return std::int64_t(gTwentyOneBonus); }, 5000},
        {&CustomScoringFields::deckCompletionBonus, "-1", CustomScoringField::DeckCompletionBonus,
         "Sorry, a minimum of 0 is required for the Deck Completion Bonus.", "0",
         [] { return std::int64_t(gDeckCompletionBonus); }, 0},
        {&CustomScoringFields::deckCompletionBonus, "1000001", CustomScoringField::DeckCompletionBonus,
         "Sorry, the maximum value for the Deck Completion Bonus is 1000000.", "1000000",
         [] { return std::int64_t(gDeckCompletionBonus); }, 1000000},
        {&CustomScoringFields::fiveCardsBonus, "-1", CustomScoringField::FiveCardsBonus,
         "Sorry, a minimum of 0 is required for the Five Cards Gimme Bonus.", "0",
         [] { return std::int64_t(gFiveCardsBonus); }, 0},
        {&CustomScoringFields::fiveCardsBonus, "50001", CustomScoringField::FiveCardsBonus,
         "Sorry, the maximum value for the Five Cards Gimme Bonus is 50000.", "50000",
         [] { return std::int64_t(gFiveCardsBonus); }, 50000},
        {&CustomScoringFields::bonus, "-1", CustomScoringField::Bonus,
         "Sorry, a minimum of 0 is required for the bonus round score.", "0",
         [] { return std::int64_t(gBonusRoundScore); }, 0},
        {&CustomScoringFields::bonus, "2147483648", CustomScoringField::Bonus,
         "Sorry, the maximum value for achieving a bonus round is 2147483647.", "2147483647",
         [] { return std::int64_t(gBonusRoundScore); }, 2147483647},
    };
    for (const Case& c : cases) {
        SetUp();
        CustomScoringFields f = CurrentCustomScoringFields(90);
        f.*c.field = QString::fromLatin1(c.typed);
        const CustomScoringOutcome out = StoreCustomScoring(f);
        ASSERT_EQ(out.refusals.size(), 1u) << c.typed;
        EXPECT_EQ(out.refusals[0].field, c.refused);
        EXPECT_EQ(out.refusals[0].message, QString::fromLatin1(c.message));
        EXPECT_EQ(out.refusals[0].text, QString::fromLatin1(c.boxText));
        EXPECT_EQ(c.stored(), c.expected) << c.message;
    }
}

TEST_F(QuickjackCustomScoringTest, AClampedPassCountLeavesThePassesPerRound)
{
    gPassesLeft = 2;
    CustomScoringFields f = CurrentCustomScoringFields(90);
    f.cardsToPass = QStringLiteral("-1");
    StoreCustomScoring(f);
    EXPECT_EQ(gPassesLeft, 0);
    EXPECT_EQ(gCardsToPass, 3);
}

TEST_F(QuickjackCustomScoringTest, AnOutOfBoundsBonusRoundScoreLeavesCountDownAndFlag)
{
    CustomScoringFields f = CurrentCustomScoringFields(90);
    f.countDown = false;
    f.fiveCardsBonus = QStringLiteral("1");
    f.bonus = QStringLiteral("-1");
    const CustomScoringOutcome out = StoreCustomScoring(f);
    EXPECT_FALSE(out.bonusAccepted);
    EXPECT_TRUE(gCountDownScore);
    // The flag still follows what this OK stored.
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(QuickjackCustomScoringTest, NumbersAreReadAsThePlatformReadsThem)
{
    CustomScoringFields f = CurrentCustomScoringFields(90);
    f.waitPeriod = QStringLiteral("2.5");
    f.twentyOneBonus = QStringLiteral("1,000");
    f.cardsUsedBonus = QStringLiteral("abc");
    f.fiveCardsBonus = QString();
    f.cardsToPass = QStringLiteral("10");
    const CustomScoringOutcome out = StoreCustomScoring(f);
    EXPECT_TRUE(out.allAccepted());
    EXPECT_EQ(gWaitPeriod, 2500);
    EXPECT_EQ(CurrentCustomScoringFields(90).waitPeriod, QStringLiteral("2.5"));
    EXPECT_EQ(gTwentyOneBonus, 1) << "the number ends at the comma";
    EXPECT_EQ(gCardsUsedBonus, 0);
    EXPECT_EQ(gFiveCardsBonus, 0);
    EXPECT_EQ(gCardsToPass, 10);
    EXPECT_EQ(gPassesLeft, 10);
}

TEST_F(QuickjackCustomScoringTest, DefaultThenOkRestoresEverything)
{
    gTimerSpeed = 360;
    gCardsToPass = 0;
    gBonusRoundScore = 5;
    gCountDownScore = false;
    CheckForCustom();
    ASSERT_TRUE(gCustomScoring);
    const CustomScoringOutcome out = StoreCustomScoring(DefaultCustomScoringFields());
    EXPECT_TRUE(out.allAccepted());
    EXPECT_EQ(out.timerSpeed, 90);
    EXPECT_EQ(gTimerSpeed, 90);
    EXPECT_EQ(gCardsToPass, 3);
    EXPECT_EQ(gBonusRoundScore, 250000);
    EXPECT_EQ(gWaitPeriod, 2000);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_FALSE(gCustomScoring);
    EXPECT_EQ(BonusRoundStatusText(), QStringLiteral("Make 250,000 for bonus round.  "));
}

} // namespace

TEST_F(QuickjackCustomScoringTest, TheDialogShowsEveryCaptionWhole)
{
    gGameTitle = QStringLiteral("Quickjack!");
    frmQuickjackCustomScoring dialog;
    dialog.show();
    EXPECT_EQ(clippedTexts(&dialog).join(QStringLiteral(" | ")).toStdString(), "");
}
