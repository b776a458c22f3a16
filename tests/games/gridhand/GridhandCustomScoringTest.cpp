#include "games/gridhand/frmGridhandCustom.h"
#include "support/ClippedTexts.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandCustomScoring.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace gridhand;

namespace {
class GridhandCustomScoringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetGridhandDefaults();
        gCountDownScore = true;
    }
};
} // namespace

TEST_F(GridhandCustomScoringTest, EachFieldIsHeldToItsBoundsAndARefusalStoresItsStandIn)
{
    struct Case {
        CustomField field;
        const char* entry;
        bool accepted;
        std::int32_t stored;
        const char* message;
    };
    const Case cases[] = {
        {CustomField::Pair, "50000", true, 50000, ""},
        {CustomField::Pair, "50001", false, 6000,
         "Sorry, the Pair Score Value: must be between 0 and 50,000 points."},
        {CustomField::Pair, "-1", false, 6000, "Sorry, the Pair Score Value: must be between 0 and 50,000 points."},
        {CustomField::Pair, "", true, 0, ""},
        {CustomField::Pair, "1,000", true, 1, ""},
        {CustomField::FullHouse, "99999", false, 20000,
         "Sorry, the Full House Score Value: must be between 0 and 50,000 points."},
        {CustomField::RoyalFlush, "100000", true, 100000, ""},
        {CustomField::RoyalFlush, "100001", false, 50000,
         "Sorry, the Royal Flush Score Value: must be between 0 and 100,000 points."},
        {CustomField::BonusScore, "1000001", false, 100000,
         "Sorry, the Score required for bonus round: must be between 0 and 1,000,000 points."},
        {CustomField::OverWrites, "26", true, 26, ""},
        {CustomField::OverWrites, "27", false, 1,
         "Sorry, the Number of overwrites allowed must be between 0 and 26 points."},
        {CustomField::TimeBonus, "12.5", false, 1, "Sorry, the Time Bonus value must be between 0 and 10 points."},
        {CustomField::TimeBonus, "2.5", true, 2, ""},
        {CustomField::TimeBonus, "3.5", true, 4, ""},
    };
    for (const Case& c : cases) {
        SetGridhandDefaults();
        CustomScoringFields fields = CurrentCustomScoringFields();
        fields[c.field] = QString::fromLatin1(c.entry);
        const CustomScoringOutcome out = StoreCustomScoring(fields);
        ASSERT_EQ(out.allAccepted(), c.accepted) << c.entry;
        EXPECT_EQ(CurrentCustomScoringFields()[c.field], QString::number(c.stored)) << c.entry;
        if (!c.accepted) {
            EXPECT_EQ(out.refusals[0].message, QString::fromLatin1(c.message));
            EXPECT_EQ(out.refusals[0].text, QString::number(c.stored));
        }
    }
}

TEST_F(GridhandCustomScoringTest, SeveralRefusalsComeInFieldOrderAndABadTimeBonusKeepsTheCountDown)
{
    CustomScoringFields fields = CurrentCustomScoringFields();
    fields[CustomField::TimeBonus] = QStringLiteral("11");
    fields[CustomField::Pair] = QStringLiteral("50001");
    fields[CustomField::BonusScore] = QStringLiteral("250000");
    fields.countDown = false;
    const CustomScoringOutcome out = StoreCustomScoring(fields);
    ASSERT_EQ(out.refusals.size(), 2u);
    EXPECT_EQ(out.refusals[0].field, CustomField::Pair);
    EXPECT_EQ(out.refusals[1].field, CustomField::TimeBonus);
    EXPECT_TRUE(out.bonusScoreAccepted);
    EXPECT_EQ(BonusRoundStatusText(), QStringLiteral("Make 250,000 for bonus round.  "));
    EXPECT_TRUE(gCountDownScore);
    // The stand-ins are in force, so the scoring is custom even though the dialog stays open.
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(GridhandCustomScoringTest, DefaultValuesLeaveTheScoringBuiltIn)
{
    gPairPoints = 1;
    CustomScoringFields fields = DefaultCustomScoringFields();
    fields.countDown = false;
    EXPECT_TRUE(StoreCustomScoring(fields).allAccepted());
    EXPECT_EQ(gPairPoints, 50);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_FALSE(gCustomScoring);
    const QString expected[] = {"50", "70", "80", "90", "100", "200", "300", "400", "500", "100000", "3", "1"};
    for (int i = 0; i < CustomFieldCount; ++i)
        EXPECT_EQ(DefaultCustomScoringFields().text[i], expected[i]);
}

TEST_F(GridhandCustomScoringTest, TheDialogShowsEveryCaptionWhole)
{
    gGameTitle = QStringLiteral("Gridhand!");
    frmGridhandCustom dialog;
    dialog.show();
    EXPECT_EQ(clippedTexts(&dialog).join(QStringLiteral(" | ")).toStdString(), "");
}
