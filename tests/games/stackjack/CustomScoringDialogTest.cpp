#include "support/ClippedTexts.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/frmStackjackCustomScoring.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"
#include "support/Screenshot.h"
#include "support/TestGameForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const QString Title = QStringLiteral("Stackjack!");

class CustomScoringDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = Title;
        gTimeLimit = 60;
        SetStackjackDefaults();
        gWaitPeriod = 2000;
        gCountDownScore = true;
        gCardsToPass = gPassesLeft = 1;
        dialog.reset(); // a child of the form
        form = std::make_unique<TestGameForm>(QStringLiteral("frmStackjack"));
        form->StatusBar1->setPanelText(1, QStringLiteral("Welcome to Stackjack!   "));
        open();
    }

    void open()
    {
        dialog = std::make_unique<frmStackjackCustomScoring>(form.get());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    struct Fields {
        const char* bonus = "200000";
        const char* max = "300";
        const char* min = "100";
        const char* wait = "2";
        const char* passes = "1";
    };
    void fill(const Fields& f)
    {
        dialog->txtBonus->setText(QString::fromLatin1(f.bonus));
        dialog->txtTimeBonusMax->setText(QString::fromLatin1(f.max));
        dialog->txtTimeBonusMin->setText(QString::fromLatin1(f.min));
        dialog->txtWaitPeriod->setText(QString::fromLatin1(f.wait));
        dialog->txtNumberOfCardsToPass->setText(QString::fromLatin1(f.passes));
    }

    // Clicks OK, answering every message box; returns the messages shown.
    std::vector<QString> clickOK(int boxes)
    {
        ScriptedMessageBoxes answers;
        for (int i = 0; i < boxes; ++i)
            answers.expect(platform::vbOK);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        std::vector<QString> prompts;
        for (const platform::MessageBoxCall& call : answers.shown()) {
            EXPECT_EQ(call.style, platform::vbInformation);
            EXPECT_EQ(call.title, Title);
            prompts.push_back(call.prompt);
        }
        EXPECT_TRUE(answers.allAnswered());
        return prompts;
    }

    std::unique_ptr<TestGameForm> form;
    std::unique_ptr<frmStackjackCustomScoring> dialog;
};

} // namespace

TEST_F(CustomScoringDialog, OpensWithTheOptionsInForce)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Stackjack! User Options"));
    EXPECT_EQ(dialog->frmCustomScoring->title(), QStringLiteral("Apptitle Scoring options"));
    EXPECT_EQ(dialog->lblBonus->text(), QStringLiteral("Score required for Bonus:"));
    EXPECT_EQ(dialog->lblMaxTimeBonus->text(), QStringLiteral("Maximum Time Bonus value:"));
    EXPECT_EQ(dialog->lblMinTimeBonus->text(), QStringLiteral("Minimum Time Bonus value:"));
    EXPECT_EQ(dialog->lblWaitPeriod->text(), QStringLiteral("Seconds to wait between Rounds (0 - 10):"));
    EXPECT_EQ(dialog->lblNumberOfCardsToPass->text(), QStringLiteral("Number of cards user may pass (0 - 10):"));
    EXPECT_EQ(dialog->chkCountScore->text(), QStringLiteral("Count down &when taking score"));
    EXPECT_EQ(dialog->lblInfo->text(),
              QStringLiteral("Note: Changing any of the Scoring Options or the number of cards a user may pass will cause "
                             "your high scores to be marked with an * indicating custom scoring was in use."));
    EXPECT_EQ(dialog->cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(dialog->cmdOK->isDefault());
    EXPECT_EQ(dialog->cmdCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(dialog->cmdDefault->text(), QStringLiteral("&Default"));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->txtBonus->text(), QStringLiteral("200000"));
    EXPECT_EQ(dialog->txtTimeBonusMax->text(), QStringLiteral("300"));
    EXPECT_EQ(dialog->txtTimeBonusMin->text(), QStringLiteral("100"));
    EXPECT_EQ(dialog->txtWaitPeriod->text(), QStringLiteral("2"));
    EXPECT_EQ(dialog->txtNumberOfCardsToPass->text(), QStringLiteral("1"));
    EXPECT_TRUE(dialog->chkCountScore->isChecked());
    saveScreenshot(dialog.get(), QStringLiteral("frmStackjackCustomScoring"));

    // A part-second wait shows as such, even beyond what can be typed.
    gWaitPeriod = 1500;
    gCountDownScore = false;
    gCardsToPass = 4;
    gStackjackBonusScore = 75000;
    open();
    EXPECT_EQ(dialog->txtWaitPeriod->text(), QStringLiteral("1.5"));
    EXPECT_EQ(dialog->txtNumberOfCardsToPass->text(), QStringLiteral("4"));
    EXPECT_EQ(dialog->txtBonus->text(), QStringLiteral("75000"));
    EXPECT_FALSE(dialog->chkCountScore->isChecked());

    // Enter is OK, from any field.
    QTest::keyClick(dialog->txtWaitPeriod, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(gWaitPeriod, 1500);
    EXPECT_EQ(gCardsToPass, 4);
}

TEST_F(CustomScoringDialog, DefaultThenOKStoresTheBuiltInOptions)
{
    gStackjackBonusScore = 5;
    gMaxTimeBonus = 50;
    gMinTimeBonus = 10;
    gWaitPeriod = 7000;
    gCountDownScore = false;
    gCardsToPass = gPassesLeft = 3;
    gCustomScoring = true;
    open();

    QTest::mouseClick(dialog->cmdDefault, Qt::LeftButton);
    EXPECT_EQ(gStackjackBonusScore, 5); // nothing stored before OK
    EXPECT_EQ(dialog->txtWaitPeriod->text(), QStringLiteral("2"));
    EXPECT_TRUE(dialog->chkCountScore->isChecked());

    EXPECT_TRUE(clickOK(0).empty());
    EXPECT_EQ(gStackjackBonusScore, 200000);
    EXPECT_EQ(gMaxTimeBonus, 300);
    EXPECT_EQ(gMinTimeBonus, 100);
    EXPECT_EQ(gWaitPeriod, 2000);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_EQ(gCardsToPass, 1);
    EXPECT_EQ(gPassesLeft, 1);
    EXPECT_FALSE(gCustomScoring);
    EXPECT_FLOAT_EQ(gBonusDecrement, 200.0f / 60.0f);
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 200,000 for bonus round.  "));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(CustomScoringDialog, EachFieldIsCheckedAgainstItsBounds)
{
    using MaybeText = const char*; // null: the field keeps what was typed
    struct Case {
        Fields typed;
        std::vector<const char*> messages;
        MaybeText passesText, waitText, bonusText, maxText, minText;
        int passesLeft, cardsToPass;
        std::int32_t wait, bonus;
        int max, min;
        bool custom; // the mark of a game played now: only the values a game plays with count
    };
    const Case cases[] = {
        {{.passes = "-1"}, {"Sorry, you cannot pass fewer than 0 cards."}, "0", nullptr, nullptr, nullptr, nullptr,
         0, 1, 2000, 200000, 300, 100, false},
        {{.passes = "11"}, {"Sorry, you cannot pass more than 10 cards."}, "10", nullptr, nullptr, nullptr, nullptr,
         10, 1, 2000, 200000, 300, 100, false},
        {{.wait = "-1"}, {"Sorry, a minimum of 0 seconds is required for the waiting period between rounds."}, nullptr,
         "0", nullptr, nullptr, nullptr, 1, 1, 0, 200000, 300, 100, false},
        {{.wait = "45"}, {"Sorry, a maximum of 30 seconds is allowed for the waiting period between rounds."}, nullptr,
         "30", nullptr, nullptr, nullptr, 1, 1, 30000, 200000, 300, 100, false},
        {{.bonus = "-1"}, {"Sorry, a minimum of 0 is required for the bonus round score."}, nullptr, nullptr, "0",
         nullptr, nullptr, 1, 1, 2000, 0, 300, 100, true},
        {{.bonus = "3000000000"}, {"Sorry, the maximum value for achieving a bonus round is 2147483647."}, nullptr,
         nullptr, "2147483647", nullptr, nullptr, 1, 1, 2000, 2147483647, 300, 100, true},
        // The maximum must exceed the minimum; the minimum then passes against the corrected field.
        {{.max = "100", .min = "100"},
         {"Sorry, the maximum time bonus value must be greater than the minimum time bonus value."}, nullptr, nullptr,
         nullptr, "101", nullptr, 1, 1, 2000, 200000, 300, 100, false},
        {{.max = "-2", .min = "-5"},
         {"Sorry, the maximum time bonus value must be greater than 0.",
          "Sorry, the minimum time bonus value must be greater than 0."},
         nullptr, nullptr, nullptr, "0", "0", 1, 1, 2000, 200000, 300, 100, false},
        // The minimum is compared with the maximum as its check corrected it.
        {{.max = "30000", .min = "20000"},
         {"Sorry, the maximum time bonus value must not exceed 10000.",
          "Sorry, the minimum time bonus value must be less than the maximum time bonus value."},
         nullptr, nullptr, nullptr, "10000", "9999", 1, 1, 2000, 200000, 300, 100, false},
        {{.max = "5", .min = "20000"},
         {"Sorry, the maximum time bonus value must be greater than the minimum time bonus value.",
          "Sorry, the minimum time bonus value must not exceed 10000."},
         nullptr, nullptr, nullptr, "20001", "10000", 1, 1, 2000, 200000, 300, 100, false},
        // Letters read as the number they start with, or 0.
        {{.bonus = "abc", .wait = "3s", .passes = "x"}, {}, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 3000, 0,
         300, 100, true},
        {{.max = "max"}, {"Sorry, the maximum time bonus value must be greater than the minimum time bonus value."},
         nullptr, nullptr, nullptr, "101", nullptr, 1, 1, 2000, 200000, 300, 100, false},
        // Fractions are rounded when stored, halves to even.
        {{.wait = ".5"}, {}, nullptr, nullptr, nullptr, nullptr, nullptr, 1, 1, 500, 200000, 300, 100, false},
        {{.max = "0.4", .min = "0.2"}, {}, nullptr, nullptr, nullptr, nullptr, nullptr, 1, 1, 2000, 200000, 0, 0, true},
        {{.bonus = "1000.5", .max = "250.5", .min = "2.5"}, {}, nullptr, nullptr, nullptr, nullptr, nullptr, 1, 1,
         2000, 1000, 250, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed.bonus) + " " + c.typed.max + " " + c.typed.min + " " + c.typed.wait + " " +
                     c.typed.passes);
        SetUp();
        fill(c.typed);
        const std::vector<QString> shown = clickOK(int(c.messages.size()));
        ASSERT_EQ(shown.size(), c.messages.size());
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i], QString::fromLatin1(c.messages[i]));
        auto expectText = [](QLineEdit* field, MaybeText expected, const char* typed) {
            EXPECT_EQ(field->text(), QString::fromLatin1(expected ? expected : typed));
        };
        expectText(dialog->txtNumberOfCardsToPass, c.passesText, c.typed.passes);
        expectText(dialog->txtWaitPeriod, c.waitText, c.typed.wait);
        expectText(dialog->txtBonus, c.bonusText, c.typed.bonus);
        expectText(dialog->txtTimeBonusMax, c.maxText, c.typed.max);
        expectText(dialog->txtTimeBonusMin, c.minText, c.typed.min);
        EXPECT_EQ(gPassesLeft, c.passesLeft);
        EXPECT_EQ(gCardsToPass, c.cardsToPass);
        EXPECT_EQ(gWaitPeriod, c.wait);
        EXPECT_EQ(gStackjackBonusScore, c.bonus);
        EXPECT_EQ(gMaxTimeBonus, c.max);
        EXPECT_EQ(gMinTimeBonus, c.min);
        EXPECT_EQ(dialog->isVisible(), !c.messages.empty());
        EXPECT_EQ(gCustomScoring, c.custom);
    }
}

TEST_F(CustomScoringDialog, MaximumEqualToMinimumIsCorrectedAndASecondOKStoresIt)
{
    fill({.max = "100", .min = "100"});
    EXPECT_EQ(clickOK(1), std::vector<QString>{QStringLiteral(
                              "Sorry, the maximum time bonus value must be greater than the minimum time bonus value.")});
    EXPECT_EQ(dialog->txtTimeBonusMax->text(), QStringLiteral("101"));
    EXPECT_EQ(dialog->focusWidget(), dialog->txtTimeBonusMax);
    EXPECT_EQ(gMaxTimeBonus, 300); // the old maximum still stands, and the decrement uses it
    EXPECT_EQ(gMinTimeBonus, 100);
    EXPECT_FLOAT_EQ(gBonusDecrement, 200.0f / 60.0f);
    EXPECT_TRUE(dialog->isVisible());

    EXPECT_TRUE(clickOK(0).empty());
    EXPECT_EQ(gMaxTimeBonus, 101);
    EXPECT_FLOAT_EQ(gBonusDecrement, 1.0f / 60.0f);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(CustomScoringDialog, TheFocusEndsOnTheLastFieldRefused)
{
    fill({.max = "-2", .min = "-5", .passes = "12"});
    EXPECT_EQ(clickOK(3).size(), 3u);
    EXPECT_EQ(dialog->focusWidget(), dialog->txtTimeBonusMin);
}

TEST_F(CustomScoringDialog, WhatARefusedOKStoredStaysAfterCancelAndCountsAsCustom)
{
    fill({.bonus = "5000", .min = "0", .wait = "45"});
    EXPECT_EQ(clickOK(2).size(), 2u);
    EXPECT_EQ(gWaitPeriod, 30000);
    EXPECT_EQ(gStackjackBonusScore, 5000);
    EXPECT_TRUE(gCustomScoring);
    // The minimum was refused, so the count-down and the status line were left alone.
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Welcome to Stackjack!   "));

    QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(gWaitPeriod, 30000);
    EXPECT_EQ(gStackjackBonusScore, 5000);
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(CustomScoringDialog, TheCountDownIsStoredWithAnAcceptedMinimum)
{
    dialog->chkCountScore->setChecked(false);
    fill({.bonus = "-1"});
    clickOK(1);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 0 for bonus round.  "));

    dialog->chkCountScore->setChecked(true);
    fill({.min = "0"});
    clickOK(1);
    EXPECT_FALSE(gCountDownScore);
}

TEST_F(CustomScoringDialog, TypingIsLimitedInTheShortFieldsAndEnteringAFieldSelectsIt)
{
    dialog->activateWindow();
    dialog->txtWaitPeriod->clear();
    QTest::keyClicks(dialog->txtWaitPeriod, QStringLiteral("123"));
    EXPECT_EQ(dialog->txtWaitPeriod->text(), QStringLiteral("12"));
    dialog->txtNumberOfCardsToPass->clear();
    QTest::keyClicks(dialog->txtNumberOfCardsToPass, QStringLiteral("-15"));
    EXPECT_EQ(dialog->txtNumberOfCardsToPass->text(), QStringLiteral("-1"));
    dialog->txtBonus->clear();
    QTest::keyClicks(dialog->txtBonus, QStringLiteral("12345678901"));
    EXPECT_EQ(dialog->txtBonus->text(), QStringLiteral("12345678901"));

    dialog->txtTimeBonusMax->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->txtTimeBonusMax->selectedText(), QStringLiteral("300"));
    QTest::mouseClick(dialog->txtTimeBonusMin, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->txtTimeBonusMin->selectedText(), QStringLiteral("100"));
}

TEST(StackjackUserOptions, ShowEveryCaptionWhole)
{
    resetSuiteGlobals();
    gGameTitle = QStringLiteral("Stackjack!");
    SetStackjackDefaults();
    frmStackjackCustomScoring d;
    d.show();
    EXPECT_EQ(clippedTexts(&d).join(QStringLiteral(" | ")).toStdString(), "");
}
