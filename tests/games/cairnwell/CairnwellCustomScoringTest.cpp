#include "support/ClippedTexts.h"
#include "CairnwellWindowFixture.h"

#include "core/scores/GameScoring.h"
#include "games/cairnwell/CairnwellCustomScoring.h"
#include "games/cairnwell/frmCairnwellCustom.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace cairnwell;

namespace {
class CairnwellCustomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Cairnwell!");
        SetCairnwellDefaults();
        gCountDownScore = true;
    }
};
} // namespace

TEST_F(CairnwellCustomTest, EachFieldIsHeldToItsBounds)
{
    struct Case {
        QString CustomFields::*field;
        QString typed;
        std::int32_t* value;
        std::int32_t stored;
        const char* message; // nullptr: accepted
        const char* text;
    };
    const Case cases[] = {
        {&CustomFields::trip, "-1", &gTrioValue, 0, "Sorry, the minimum value for a Triple is 0.", "0"},
        {&CustomFields::trip, "20001", &gTrioValue, 20000, "Sorry, the maximum value for a Triple is 20000", "20000"},
        {&CustomFields::run, "-5", &gRunValue, 0, "Sorry, the minimum value for a Run is 0.", "0"},
        {&CustomFields::run, "99999", &gRunValue, 20000, "Sorry, the maximum value for a Run is 20000", "20000"},
        {&CustomFields::deck, "-1", &gDeckCompletionBonus, 0, "Sorry, the minimum value for for completing the Deck is 0.", "0"},
        {&CustomFields::deck, "100001", &gDeckCompletionBonus, 100000,
         "Sorry, the maximum value for completing the Deck is 100000", "100000"},
        {&CustomFields::flush, "-1", &gFlushPoints, 0, "Sorry, the minimum value for the Flush Bonus is 0.", "0"},
        {&CustomFields::flush, "20001", &gFlushPoints, 20000, "Sorry, the maximum value for the Flush Bonus is 20000", "20000"},
        {&CustomFields::bonusRound, "-1", &gBonusRoundScore, 0,
         "Sorry, the minimum value for obtaining the Bonus Round is 0.", "0"},
        {&CustomFields::bonusRound, "1000001", &gBonusRoundScore, 1000000,
         "Sorry, the maximum value for obtaining the Bonus Round is 1000000", "1000000"},
        {&CustomFields::penalty, "250", &gLeftoverPenalty, 0, "Sorry, the maximum penalty for left over cards is 0.", "0"},
        {&CustomFields::penalty, "-20001", &gLeftoverPenalty, 20000,
         "Sorry, the minimum penalty for left over cards is -20000", "-20000"},
        {&CustomFields::penalty, "-300", &gLeftoverPenalty, 300, nullptr, ""},
        {&CustomFields::timeBonus, "-1", &gTimeBonus, 0, "Sorry, you cannot set the Time Bonus value to less than 0 points.", "0"},
        {&CustomFields::timeBonus, "5001", &gTimeBonus, 5000,
         "Sorry, you cannot set the Time Bonus value to greater than 5000 points", "5000"},
        {&CustomFields::trip, "1,500", &gTrioValue, 1, nullptr, ""},
        {&CustomFields::trip, "", &gTrioValue, 0, nullptr, ""},
        {&CustomFields::trip, "abc", &gTrioValue, 0, nullptr, ""},
        {&CustomFields::trip, "2.5", &gTrioValue, 2, nullptr, ""},
        {&CustomFields::trip, "3.5", &gTrioValue, 4, nullptr, ""},
    };
    for (const Case& c : cases) {
        SetCairnwellDefaults();
        CustomFields fields = CurrentCustomFields();
        fields.*c.field = c.typed;
        const CustomOutcome out = StoreCustomScoring(fields);
        EXPECT_EQ(*c.value, c.stored) << c.typed.toStdString();
        if (c.message) {
            ASSERT_EQ(out.refusals.size(), 1u) << c.typed.toStdString();
            EXPECT_EQ(out.refusals[0].message, QString::fromLatin1(c.message));
            EXPECT_EQ(out.refusals[0].text, QString::fromLatin1(c.text));
        } else {
            EXPECT_TRUE(out.allAccepted()) << c.typed.toStdString();
        }
    }
}

TEST_F(CairnwellCustomTest, TheFieldsAsShownStoreNothingNew)
{
    const CustomFields fields = CurrentCustomFields();
    EXPECT_EQ(fields.penalty, QStringLiteral("-250"));
    EXPECT_TRUE(StoreCustomScoring(fields).allAccepted());
    EXPECT_EQ(gLeftoverPenalty, 250);
    EXPECT_EQ(gTrioValue, 6000);
    EXPECT_FALSE(gCustomScoring);
}

TEST_F(CairnwellCustomTest, AClampedTimeBonusLeavesTheCountDownButStillMarksCustomScoring)
{
    CustomFields fields = CurrentCustomFields();
    fields.countDown = false;
    fields.timeBonus = QStringLiteral("9000");
    fields.run = QStringLiteral("400");
    const CustomOutcome out = StoreCustomScoring(fields);
    EXPECT_FALSE(out.timeBonusAccepted);
    EXPECT_TRUE(gCountDownScore);
    // The run value was stored; a Cancel now would keep it, so the mark must follow it.
    EXPECT_EQ(gRunValue, 400);
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(CairnwellCustomTest, TheDialogShowsRefusalsInFieldOrderAndStaysOpen)
{
    frmCairnwellCustom dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cairnwell! User Options"));
    EXPECT_EQ(dialog.txtPenaltyValue->text(), QStringLiteral("-250"));
    dialog.show();
    dialog.txtTripValue->setText(QStringLiteral("30000"));
    dialog.txtPenaltyValue->setText(QStringLiteral("250"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK).expect(platform::vbOK);
    dialog.cmdOK->click();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Sorry, the maximum value for a Triple is 20000"));
    EXPECT_EQ(boxes.shown()[0].icon(), platform::vbInformation);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Cairnwell!"));
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("Sorry, the maximum penalty for left over cards is 0."));
    EXPECT_EQ(dialog.txtTripValue->text(), QStringLiteral("20000"));
    EXPECT_EQ(dialog.txtPenaltyValue->text(), QStringLiteral("0"));
    EXPECT_TRUE(dialog.isVisible());

    // Cancel keeps what that OK stored.
    dialog.cmdCancel->click();
    EXPECT_EQ(gTrioValue, 20000);
    EXPECT_EQ(gLeftoverPenalty, 0);
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(CairnwellCustomTest, DefaultThenOkRestoresEveryDefault)
{
    gTrioValue = 1;
    gLeftoverPenalty = 9;
    gCountDownScore = false;
    frmCairnwellCustom dialog;
    dialog.cmdDefault->click();
    EXPECT_EQ(dialog.txtPenaltyValue->text(), QStringLiteral("-250"));
    EXPECT_EQ(dialog.txtDeckValue->text(), QStringLiteral("15000"));
    EXPECT_EQ(gTrioValue, 1); // Default alone stores nothing
    dialog.cmdOK->click();
    EXPECT_EQ(gTrioValue, 6000);
    EXPECT_EQ(gLeftoverPenalty, 250);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_FALSE(gCustomScoring);
}

TEST_F(CairnwellWindowTest, UserOptionsPutTheBonusTargetInTheStatusBar)
{
    frmCairnwellCustom dialog(form);
    dialog.txtBonusRound->setText(QStringLiteral("123456"));
    dialog.cmdOK->click();
    EXPECT_EQ(panel(1), QStringLiteral("Make 123,456 for bonus round.  "));
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(CairnwellWindowTest, TheUserOptionsShowEveryCaptionWhole)
{
    frmCairnwellCustom dialog(form);
    dialog.show();
    EXPECT_EQ(clippedTexts(&dialog).join(QStringLiteral(" | ")).toStdString(), "");
}
