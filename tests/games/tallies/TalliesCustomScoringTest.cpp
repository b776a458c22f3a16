#include "support/ClippedTexts.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/tallies/frmTalliesCustomScoring.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "support/PlatformFakes.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const char* const BonusMessage = "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000.";
const char* const CompletionMessage =
    "Sorry, the score awarded for completing the upper playing area must fall between 1 and 5,000,000.";
const char* const ComboMessage =
    "Sorry, the score awarded for each eleven combination must fall between 1 and 5,000,000.";
const char* const TimeMessage = "Sorry, the score awarded for each second remaining in the game after selecting 'Take "
                                "Score' must fall between 1 and 5,000,000.";

class TalliesCustomScoringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Go for Tallies!");
        gCardGoal = 11;
        SetTalliesDefaults();
        gTimeBonus = TalliesDefaults::TimeBonus;
        gCustomScoring = false;
    }

    void fill(frmTalliesCustomScoring& d, const char* bonus, const char* completion, const char* combo,
              const char* time)
    {
        d.txtBonus->setText(QString::fromLatin1(bonus));
        d.txtCompletion->setText(QString::fromLatin1(completion));
        d.txtTalliesBonus->setText(QString::fromLatin1(combo));
        d.txtTimeBonus->setText(QString::fromLatin1(time));
    }

    platform::StatusBar status{nullptr, 4};
    ScriptedMessageBoxes boxes;
};
} // namespace

TEST_F(TalliesCustomScoringTest, ShowsTheValuesInForce)
{
    gTalliesBonusScore = 123456;
    gTimeBonus = 7;
    frmTalliesCustomScoring d(&status);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Go for Tallies! User Options"));
    EXPECT_EQ(d.fraScoring->title(), QStringLiteral("Apptitle Scoring Options"));
    EXPECT_EQ(d.txtBonus->text(), QStringLiteral("123456"));
    EXPECT_EQ(d.txtCompletion->text(), QStringLiteral("10000"));
    EXPECT_EQ(d.txtTalliesBonus->text(), QStringLiteral("1500"));
    EXPECT_EQ(d.txtTimeBonus->text(), QStringLiteral("7"));
    EXPECT_EQ(d.lblCustom->caption(), QStringLiteral("Note: Any high score attained using customized scoring will be "
                                                     "denoted by an asterisk in the High Score table."));
    EXPECT_EQ(d.cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(d.cmdOK->isDefault());
    EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(d.cmdDefault->text(), QStringLiteral("&Default"));
}

TEST_F(TalliesCustomScoringTest, TheCombinationLabelNamesTheCardGoal)
{
    const std::pair<int, const char*> cases[] = {
        {10, "Score awarded for ten combination:"},      {11, "Score awarded for eleven combination:"},
        {12, "Score awarded for twelve combination:"},   {13, "Score awarded for thirteen combination:"},
        {14, "Score awarded for fourteen combination:"}, {15, "Score awarded for fifteen combination:"},
        {16, "Score awarded for eleven combination:"},
    };
    for (const auto& [goal, caption] : cases) {
        gCardGoal = goal;
        frmTalliesCustomScoring d(&status);
        EXPECT_EQ(d.lblTalliesBonus->caption(), QString::fromLatin1(caption)) << goal;
    }
}

TEST_F(TalliesCustomScoringTest, OkChecksTheFieldsInOrderAndStoresOnlyWhenAllPass)
{
    struct Case {
        const char *bonus, *completion, *combo, *time;
        const char* message; // nullptr: stored
        std::int32_t storedBonus;
        std::int32_t storedTime;
    };
    const Case cases[] = {
        {"80000.4", "10000", "1500", "100", nullptr, 80000, 100},
        {"0.6", "10000", "1500", "100", BonusMessage, 0, 0},
        {"12abc", "10000", "1500", "100", nullptr, 12, 100},
        {"1", "10000", "1500", "5000000", nullptr, 1, 5000000},
        {"5000001", "10000", "1500", "100", BonusMessage, 0, 0},
        {"90000", "-5", "1500", "100", CompletionMessage, 0, 0},
        {"90000", "10000", "abc", "100", ComboMessage, 0, 0},
        {"90000", "10000", "1500", "0", TimeMessage, 0, 0},
        {"0", "10000", "0", "0", BonusMessage, 0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::size_t before = boxes.shown().size();
        if (c.message)
            boxes.expect(platform::vbOK);
        frmTalliesCustomScoring d(&status);
        fill(d, c.bonus, c.completion, c.combo, c.time);
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);

        if (c.message) {
            ASSERT_EQ(boxes.shown().size(), before + 1) << c.bonus;
            EXPECT_EQ(boxes.shown().back().prompt, QString::fromLatin1(c.message));
            EXPECT_EQ(boxes.shown().back().style, platform::vbExclamation);
            EXPECT_EQ(boxes.shown().back().title, gGameTitle);
            EXPECT_NE(d.result(), QDialog::Accepted);
            EXPECT_EQ(gTalliesBonusScore, TalliesDefaults::BonusScore) << "nothing is stored";
            EXPECT_EQ(gTimeBonus, TalliesDefaults::TimeBonus);
            EXPECT_FALSE(gCustomScoring);
        } else {
            EXPECT_EQ(boxes.shown().size(), before) << c.bonus;
            EXPECT_EQ(d.result(), QDialog::Accepted);
            EXPECT_EQ(gTalliesBonusScore, c.storedBonus);
            EXPECT_EQ(gTimeBonus, c.storedTime);
        }
    }
}

TEST_F(TalliesCustomScoringTest, AfterTheFirstBadFieldIsMendedTheNextIsReported)
{
    gCardGoal = 13;
    frmTalliesCustomScoring d(&status);
    fill(d, "0", "10000", "0", "100");
    boxes.expect(platform::vbOK).expect(platform::vbOK);
    d.cmdOK_Click();
    d.txtBonus->setText(QStringLiteral("90000"));
    d.cmdOK_Click();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].prompt, QString::fromLatin1(BonusMessage));
    EXPECT_EQ(boxes.shown()[1].prompt, QString::fromLatin1(ComboMessage)) << "the same words at every goal";
    EXPECT_EQ(d.txtTalliesBonus->selectedText(), QStringLiteral("0")) << "the failing value is selected for retyping";
}

TEST_F(TalliesCustomScoringTest, OkMarksCustomScoringUnlessAllFourAreTheDefaults)
{
    frmTalliesCustomScoring changed(&status);
    changed.txtCompletion->setText(QStringLiteral("12000"));
    changed.txtBonus->setText(QStringLiteral("1234567"));
    changed.cmdOK_Click();
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(gTalliesCompletionBonus, 12000);
    EXPECT_EQ(status.panelText(1), QStringLiteral("Make 1,234,567 for Bonus Round!   "));

    frmTalliesCustomScoring back(&status);
    EXPECT_EQ(back.txtBonus->text(), QStringLiteral("1234567"));
    QTest::mouseClick(back.cmdDefault, Qt::LeftButton);
    EXPECT_EQ(gTalliesBonusScore, 1234567) << "Default stores nothing by itself";
    QTest::mouseClick(back.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(gCustomScoring);
    EXPECT_EQ(gTalliesBonusScore, 80000);
    EXPECT_EQ(gTalliesCompletionBonus, 10000);
    EXPECT_EQ(gTalliesComboBonus, 1500);
    EXPECT_EQ(gTimeBonus, 100);
    EXPECT_EQ(status.panelText(1), QStringLiteral("Make 80,000 for Bonus Round!   "));
}

TEST_F(TalliesCustomScoringTest, CancelChangesNothing)
{
    gCustomScoring = true;
    frmTalliesCustomScoring d(&status);
    fill(d, "5", "5", "5", "5");
    QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(gTalliesBonusScore, 80000);
    EXPECT_EQ(gTimeBonus, 100);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_TRUE(status.panelText(1).isEmpty());
}

TEST_F(TalliesCustomScoringTest, TheDialogShowsEveryCaptionWholeWhateverTheGoal)
{
    for (int goal = 10; goal <= 15; ++goal) {
        SCOPED_TRACE(goal);
        gCardGoal = goal;
        frmTalliesCustomScoring d(&status);
        d.show();
        EXPECT_EQ(clippedTexts(&d).join(QStringLiteral(" | ")).toStdString(), "");
    }
}
