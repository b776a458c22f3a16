#include "core/SuiteGlobals.h"
#include "core/scores/frmHiScoreName.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"
#include "support/Screenshot.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class HiScoreNamePrompt : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Spires!");
        gPlayerName = QStringLiteral("Earlier Player");
        prompt = new frmHiScoreName;
        prompt->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt));
    }
    void TearDown() override { delete prompt; }

    void type(const QString& text)
    {
        prompt->lblPlayerName->clear();
        QTest::keyClicks(prompt->lblPlayerName, text);
    }

    frmHiScoreName* prompt = nullptr;
};
} // namespace

TEST_F(HiScoreNamePrompt, ShowsTheGamesCaptionAndPrompt)
{
    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("Spires!"));
    EXPECT_EQ(prompt->lblInfo->caption(),
              QStringLiteral("Great score! Please enter your name so we can induct you into the Spires! Hall of Fame:"));
    EXPECT_EQ(prompt->lblInfo->foreColor(), platform::ColorBlue);
    EXPECT_TRUE(prompt->lblInfo->font().bold());
    EXPECT_TRUE(prompt->lblPlayerName->text().isEmpty());
    EXPECT_EQ(prompt->cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_EQ(platform::widthTw(prompt), 5505);
    EXPECT_EQ(platform::heightTw(prompt), 1770);
    saveScreenshot(prompt, QStringLiteral("frmHiScoreName"));
}

TEST_F(HiScoreNamePrompt, RefusesACommaAnywhereAndStaysOpen)
{
    for (const QString& name : {QStringLiteral(",Ann"), QStringLiteral("An,n"), QStringLiteral("Ann,")}) {
        SCOPED_TRACE(name.toStdString());
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK);
        type(name);
        QTest::mouseClick(prompt->cmdOK, Qt::LeftButton);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Sorry, you may not use commas in your name."));
        EXPECT_EQ(boxes.shown()[0].style, platform::vbOKOnly | platform::vbCritical);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Spires!"));
        EXPECT_TRUE(prompt->isVisible());
        EXPECT_EQ(prompt->lblPlayerName->text(), name);
        EXPECT_EQ(gPlayerName, QStringLiteral("Earlier Player"));
    }
}

TEST_F(HiScoreNamePrompt, EnterConfirmsTheNameAsTyped)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Ann"), QStringLiteral("Ann")},
        {QString(), QStringLiteral("Unknown User")},
        {QStringLiteral("   "), QStringLiteral("   ")},
        {QStringLiteral(" \"Ace\" *!"), QStringLiteral(" \"Ace\" *!")},
        {QString(300, QLatin1Char('x')), QString(300, QLatin1Char('x'))},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed.toStdString());
        prompt->show();
        type(typed);
        QTest::keyClick(prompt->lblPlayerName, Qt::Key_Return);
        EXPECT_FALSE(prompt->isVisible());
        EXPECT_EQ(prompt->result(), QDialog::Accepted);
        EXPECT_EQ(gPlayerName, stored);
    }
}

TEST_F(HiScoreNamePrompt, ClosedWithoutOkCountsAsAnEmptyName)
{
    type(QStringLiteral("Half typed"));
    QTest::keyClick(prompt->lblPlayerName, Qt::Key_Escape);
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_EQ(prompt->result(), QDialog::Rejected);
    EXPECT_EQ(gPlayerName, QStringLiteral("Unknown User"));

    gPlayerName = QStringLiteral("Earlier Player");
    prompt->show();
    prompt->close();
    EXPECT_EQ(gPlayerName, QStringLiteral("Unknown User"));
}
