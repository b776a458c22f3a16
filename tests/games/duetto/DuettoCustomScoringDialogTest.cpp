#include "support/ClippedTexts.h"
#include "DuettoWindowFixture.h"

#include "games/duetto/frmDuettoCustomScoring.h"

#include <QCheckBox>
#include <QLineEdit>

class DuettoDialogTest : public DuettoWindowTest {
protected:
    void SetUp() override
    {
        DuettoWindowTest::SetUp();
        dialog = new frmDuettoCustomScoring(form);
        dialog->show();
    }
    void TearDown() override
    {
        delete dialog;
        DuettoWindowTest::TearDown();
    }
    frmDuettoCustomScoring* dialog = nullptr;
};

TEST_F(DuettoDialogTest, TheDialogOpensWithTheValuesInForce)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Duetto! User Options"));
    EXPECT_EQ(dialog->txtPairsBonus->text(), QStringLiteral("3000"));
    EXPECT_EQ(dialog->txtRunsBonus->text(), QStringLiteral("500"));
    EXPECT_EQ(dialog->txtBonusRound->text(), QStringLiteral("80000"));
    EXPECT_EQ(dialog->txtCompletionBonus->text(), QStringLiteral("10000"));
    EXPECT_EQ(dialog->txtTimeBonus->text(), QStringLiteral("100"));
    EXPECT_TRUE(dialog->chkCountDown->isChecked());
    EXPECT_TRUE(dialog->cmdOK->isDefault());
}

TEST_F(DuettoDialogTest, AnAcceptedChangeUpdatesTheWindowAndMarksCustomScoring)
{
    dialog->txtPairsBonus->setText(QStringLiteral("3001"));
    dialog->txtBonusRound->setText(QStringLiteral("100000"));
    dialog->cmdOK->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(form->lblPairs->caption(), QStringLiteral("Pairs x 3001"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 100,000 for bonus round.  "));
}

TEST_F(DuettoDialogTest, RefusedFieldsAreToldInOrderAndKeepTheDialogOpen)
{
    dialog->txtPairsBonus->setText(QStringLiteral("-5"));
    dialog->txtCompletionBonus->setText(QStringLiteral("40000"));
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK).expect(platform::vbOK);
        dialog->cmdOK->click();
        ASSERT_EQ(boxes.shown().size(), 2u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Sorry, you cannot set the pairs bonus value to less than 0 points."));
        EXPECT_EQ(boxes.shown()[1].prompt,
                  QStringLiteral("Sorry, you cannot set the value of the completion bonus to more than 32767 points."));
        EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Duetto!"));
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->txtPairsBonus->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->txtCompletionBonus->text(), QStringLiteral("32767"));
    EXPECT_EQ(dialog->focusWidget(), dialog->txtCompletionBonus);
    EXPECT_EQ(gPairsBonus, 0);
    EXPECT_EQ(gCompletionBonus, 32767);
    EXPECT_EQ(form->lblPairs->caption(), QStringLiteral("Pairs x 0"));
    dialog->cmdOK->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(DuettoDialogTest, DefaultThenCancelChangesNothingAndDefaultThenOkRestores)
{
    gPairsBonus = 1234;
    gCountDownScore = false;
    delete dialog;
    dialog = new frmDuettoCustomScoring(form);
    dialog->cmdDefault->click();
    EXPECT_EQ(dialog->txtPairsBonus->text(), QStringLiteral("3000"));
    EXPECT_TRUE(dialog->chkCountDown->isChecked());
    dialog->cmdCancel->click();
    EXPECT_EQ(gPairsBonus, 1234);
    EXPECT_FALSE(gCountDownScore);

    delete dialog;
    dialog = new frmDuettoCustomScoring(form);
    dialog->cmdDefault->click();
    dialog->cmdOK->click();
    EXPECT_EQ(gPairsBonus, 3000);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_FALSE(gCustomScoring);
}

TEST_F(DuettoWindowTest, TheUserOptionsShowEveryCaptionWhole)
{
    frmDuettoCustomScoring d(form);
    d.show();
    EXPECT_EQ(clippedTexts(&d).join(QStringLiteral(" | ")).toStdString(), "");
}
