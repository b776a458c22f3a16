#include "support/ClippedTexts.h"
#include "SpiresWindowFixture.h"

#include "games/spires/frmSpiresCustom.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {
struct Texts {
    const char* card = "100";
    const char* bonus = "40000";
    const char* run = "1000";
    const char* tower = "5000";
    const char* time = "100";
};

void fill(frmSpiresCustom& d, const Texts& t)
{
    d.txtCardValue->setText(QLatin1String(t.card));
    d.txtBonusScore->setText(QLatin1String(t.bonus));
    d.txtRunBonus->setText(QLatin1String(t.run));
    d.txtCompletedTower->setText(QLatin1String(t.tower));
    d.txtTimeBonus->setText(QLatin1String(t.time));
}
} // namespace

TEST_F(SpiresWindowTest, TheUserOptionsOpenWithTheValuesInForce)
{
    gCardValue = 250;
    gCountDownScore = false;
    frmSpiresCustom d(form);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Spires! User Options"));
    EXPECT_EQ(d.frmScoringOptions->title(), QStringLiteral("AppTitle Scoring Options"));
    EXPECT_EQ(d.txtCardValue->text(), QStringLiteral("250"));
    EXPECT_EQ(d.txtBonusScore->text(), QStringLiteral("40000"));
    EXPECT_EQ(d.txtRunBonus->text(), QStringLiteral("1000"));
    EXPECT_EQ(d.txtCompletedTower->text(), QStringLiteral("5000"));
    EXPECT_EQ(d.txtTimeBonus->text(), QStringLiteral("100"));
    EXPECT_FALSE(d.chkCountDown->isChecked());
    EXPECT_EQ(d.chkCountDown->text(), QStringLiteral("&Count Down when taking score"));
    EXPECT_TRUE(d.cmdOK->isDefault());

    // Default then Cancel stores nothing.
    d.cmdDefault->click();
    EXPECT_EQ(d.txtCardValue->text(), QStringLiteral("100"));
    EXPECT_TRUE(d.chkCountDown->isChecked());
    d.cmdCancel->click();
    EXPECT_EQ(gCardValue, 250);
    EXPECT_FALSE(gCountDownScore);
}

TEST_F(SpiresWindowTest, EachFieldIsHeldToItsBounds)
{
    struct Case {
        Texts texts;
        std::vector<const char*> messages;
        int cardValue;
        std::int32_t bonusScore, runBonus, tower, timeBonus;
        const char* correctedText; // of the first refused field
    };
    const Case cases[] = {
        {{"1000"}, {}, 1000, 40000, 1000, 5000, 100, nullptr},
        {{"1001"}, {"Sorry, you cannot increment the card value by greater than 1000 points"}, 1000, 40000, 1000, 5000, 100, "1000"},
        {{"-1"}, {"Sorry, you cannot increment the card value by less than 0 points."}, 0, 40000, 1000, 5000, 100, "0"},
        {{"12.5"}, {}, 12, 40000, 1000, 5000, 100, nullptr},
        {{"13.5"}, {}, 14, 40000, 1000, 5000, 100, nullptr},
        {{""}, {}, 0, 40000, 1000, 5000, 100, nullptr},
        {{"12abc"}, {}, 12, 40000, 1000, 5000, 100, nullptr},
        {{"100", "900000"}, {}, 100, 900000, 1000, 5000, 100, nullptr},
        {{"100", "900001"}, {"Sorry, a maximum of 900000 points is required to make the bonus round."}, 100, 900000, 1000, 5000, 100, "900000"},
        {{"100", "-5"}, {"Sorry, a minimum of 0 points is required to make the bonus round."}, 100, 0, 1000, 5000, 100, "0"},
        {{"100", "40000", "32768"}, {"Sorry, a maximum of 32767 points is required when achieving the high run bonus."}, 100, 40000, 32767, 5000, 100, "32767"},
        {{"100", "40000", "-1"}, {"Sorry, a minimum of 0 points is required when achieving the high run bonus."}, 100, 40000, 0, 5000, 100, "0"},
        {{"100", "40000", "1000", "32768"}, {"Sorry, a maximum of 32767 points is required when completing each tower."}, 100, 40000, 1000, 32767, 100, "32767"},
        {{"100", "40000", "1000", "-1"}, {"Sorry, a minimum of 0 points is required when achieving when completing each tower."}, 100, 40000, 1000, 0, 100, "0"},
        {{"100", "40000", "1000", "5000", "32768"}, {"Sorry, you cannot set the Time Bonus value to greater than 32767 points"}, 100, 40000, 1000, 5000, 32767, "32767"},
        {{"100", "40000", "1000", "5000", "-1"}, {"Sorry, you cannot set the Time Bonus value to less than 0 points."}, 100, 40000, 1000, 5000, 0, "0"},
        {{"2000", "1000000"},
         {"Sorry, you cannot increment the card value by greater than 1000 points",
          "Sorry, a maximum of 900000 points is required to make the bonus round."},
         1000, 900000, 1000, 5000, 100, "1000"},
    };
    for (const Case& c : cases) {
        SetSpiresDefaults();
        frmSpiresCustom d(form);
        fill(d, c.texts);
        ScriptedMessageBoxes boxes;
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            boxes.expect(platform::vbOK);
        d.cmdOK->click();
        ASSERT_EQ(boxes.shown().size(), c.messages.size()) << c.texts.card << " " << c.texts.bonus;
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(boxes.shown()[i].prompt, QLatin1String(c.messages[i]));
            EXPECT_EQ(boxes.shown()[i].icon(), platform::vbInformation);
            EXPECT_EQ(boxes.shown()[i].title, QStringLiteral("Spires!"));
        }
        EXPECT_EQ(gCardValue, c.cardValue) << c.texts.card;
        EXPECT_EQ(gBonusRoundScore, c.bonusScore);
        EXPECT_EQ(gHighRunBonus, c.runBonus);
        EXPECT_EQ(gSpireBonus, c.tower);
        EXPECT_EQ(gTimeBonus, c.timeBonus);
        EXPECT_EQ(d.result(), c.messages.empty() ? QDialog::Accepted : QDialog::Rejected);
        if (c.correctedText) {
            // The dialog stays open with the corrected text; a second OK accepts it.
            const QLineEdit* boxes2[] = {d.txtCardValue, d.txtBonusScore, d.txtRunBonus, d.txtCompletedTower,
                                         d.txtTimeBonus};
            bool found = false;
            for (const QLineEdit* box : boxes2)
                found = found || box->text() == QLatin1String(c.correctedText);
            EXPECT_TRUE(found) << c.correctedText;
            d.cmdOK->click();
            EXPECT_EQ(d.result(), QDialog::Accepted);
        }
    }
}

TEST_F(SpiresWindowTest, OKUpdatesTheFlagsAndTheStatusLine)
{
    {
        frmSpiresCustom d(form);
        fill(d, {"100", "50000"});
        d.chkCountDown->setChecked(false);
        d.cmdOK->click();
        EXPECT_TRUE(gCustomScoring);
        EXPECT_FALSE(gCountDownScore);
        EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 50,000 for bonus round.  "));
    }
    {
        // A refused time bonus leaves the count-down and the status line, but the flag still follows
        // the values stored.
        frmSpiresCustom d(form);
        fill(d, {"100", "40000", "1000", "5000", "40000"});
        d.chkCountDown->setChecked(true);
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK);
        d.cmdOK->click();
        EXPECT_FALSE(gCountDownScore);
        EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 50,000 for bonus round.  "));
        EXPECT_TRUE(gCustomScoring); // the time bonus stored as 32767
    }
    {
        frmSpiresCustom d(form);
        fill(d, {});
        d.cmdOK->click();
        EXPECT_FALSE(gCustomScoring);
        EXPECT_TRUE(gCountDownScore == false);
    }
}

TEST_F(SpiresWindowTest, TheUserOptionsShowEveryCaptionWhole)
{
    frmSpiresCustom d(form);
    d.show();
    EXPECT_EQ(clippedTexts(&d).join(QStringLiteral(" | ")).toStdString(), "");
}
