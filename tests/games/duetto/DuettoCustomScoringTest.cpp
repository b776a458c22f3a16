#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/DuettoCustomScoring.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace duetto;

namespace {

class DuettoCustomScoringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetDuettoDefaults();
        gCountDownScore = true;
    }
};

TEST_F(DuettoCustomScoringTest, EachFieldIsHeldToItsBoundsWithItsOwnMessage)
{
    struct Case {
        CustomScoringField field;
        const char* text;
        std::int32_t* variable;
        std::int32_t stored;
        const char* message; // empty: accepted
        const char* corrected;
    };
    const Case cases[] = {
        {CustomScoringField::PairsBonus, "-5", &gPairsBonus, 0,
         "Sorry, you cannot set the pairs bonus value to less than 0 points.", "0"},
        {CustomScoringField::PairsBonus, "32768", &gPairsBonus, 32767,
         "Sorry, you cannot set the pairs bonus value to more than 32767 points", "32767"},
        {CustomScoringField::RunsBonus, "-1", &gRunsBonus, 0,
         "Sorry, you cannot set the runs bonus value to less than 0 points.", "0"},
        {CustomScoringField::RunsBonus, "40000", &gRunsBonus, 32767,
         "Sorry, you cannot set the runs bonus value to more than 32767 points", "32767"},
        {CustomScoringField::BonusRound, "-2", &gBonusRoundScore, 0,
         "Sorry, you cannot set the value required for a bonus round to less than 0 points.", "0"},
        {CustomScoringField::BonusRound, "200001", &gBonusRoundScore, 200000,
         "Sorry, you cannot set the value required for a bonus round to more than 200000 points.", "200000"},
        {CustomScoringField::BonusRound, "200000", &gBonusRoundScore, 200000, "", ""},
        {CustomScoringField::CompletionBonus, "-3", &gCompletionBonus, 0,
         "Sorry, you cannot set the value of the completion bonus to less than 0 points.", "0"},
        {CustomScoringField::CompletionBonus, "99999", &gCompletionBonus, 32767,
         "Sorry, you cannot set the value of the completion bonus to more than 32767 points.", "32767"},
        {CustomScoringField::TimeBonus, "-4", &gTimeBonus, 0,
         "Sorry, you cannot set the Time Bonus value to less than 0 points.", "0"},
        {CustomScoringField::TimeBonus, "32768", &gTimeBonus, 32767,
         "Sorry, you cannot set the Time Bonus value to greater than 32767 points", "32767"},
        {CustomScoringField::TimeBonus, "abc", &gTimeBonus, 0, "", ""},
        {CustomScoringField::TimeBonus, "2.5", &gTimeBonus, 2, "", ""},
        {CustomScoringField::TimeBonus, "3.5", &gTimeBonus, 4, "", ""},
        {CustomScoringField::TimeBonus, " 12abc", &gTimeBonus, 12, "", ""},
    };
    for (const Case& c : cases) {
        SetDuettoDefaults();
        CustomScoringFields f = DefaultCustomScoringFields();
        QString* texts[] = {&f.pairsBonus, &f.runsBonus, &f.bonusRound, &f.completionBonus, &f.timeBonus};
        *texts[int(c.field)] = QString::fromLatin1(c.text);
        const CustomScoringOutcome out = StoreCustomScoring(f);
        EXPECT_EQ(*c.variable, c.stored) << c.text;
        if (*c.message == '\0') {
            EXPECT_TRUE(out.allAccepted()) << c.text;
            continue;
        }
        ASSERT_EQ(out.refusals.size(), 1u) << c.text;
        EXPECT_EQ(out.refusals[0].field, c.field);
        EXPECT_EQ(out.refusals[0].message, QString::fromLatin1(c.message));
        EXPECT_EQ(out.refusals[0].text, QString::fromLatin1(c.corrected));
    }
}

TEST_F(DuettoCustomScoringTest, SeveralRefusalsComeInFieldOrderAndEveryFieldIsStored)
{
    CustomScoringFields f = DefaultCustomScoringFields();
    f.completionBonus = QStringLiteral("40000");
    f.pairsBonus = QStringLiteral("-5");
    f.runsBonus = QStringLiteral("600");
    f.countDown = false;
    const CustomScoringOutcome out = StoreCustomScoring(f);
    ASSERT_EQ(out.refusals.size(), 2u);
    EXPECT_EQ(out.refusals[0].field, CustomScoringField::PairsBonus);
    EXPECT_EQ(out.refusals[1].field, CustomScoringField::CompletionBonus);
    EXPECT_EQ(gPairsBonus, 0);
    EXPECT_EQ(gCompletionBonus, 32767);
    EXPECT_EQ(gRunsBonus, 600);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(DuettoCustomScoringTest, TheBuiltInValuesWithoutTheCountDownAreNotCustom)
{
    gPairsBonus = 1;
    CustomScoringFields f = DefaultCustomScoringFields();
    f.countDown = false;
    EXPECT_TRUE(StoreCustomScoring(f).allAccepted());
    EXPECT_FALSE(gCustomScoring);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_EQ(gPairsBonus, 3000);
    gBonusRoundScore = 100000;
    EXPECT_EQ(BonusRoundStatusText(), QStringLiteral("Make 100,000 for bonus round.  "));
    EXPECT_EQ(PairsCaption(), QStringLiteral("Pairs x 3000"));
    EXPECT_EQ(RunsCaption(), QStringLiteral("Runs x 500"));
}

} // namespace
