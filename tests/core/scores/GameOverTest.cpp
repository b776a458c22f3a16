#include "core/scores/GameOver.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "support/PlatformFakes.h"
#include "support/TestGameForm.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
class GameOverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Spires!");
        gTimeLimit = 45;
        gScore = 0; // below every default entry: no name prompt, no viewer
    }
    TempProgramFolder folder;
    InstantWaits waits;
};

struct Kind {
    const char* form;
    const char* fileBase;
    bool clearsHighRun;
    bool disablesTakeScoreButton;
    bool disablesTakeScoreEntry;
};
} // namespace

TEST_F(GameOverTest, ReturnsEachKindOfWindowToIdle)
{
    const Kind kinds[] = {
        {"frmSpires", "SpiresHiScores", true, true, true},
        {"frmDuetto", "DuettoHighScores", false, true, true},
        {"frmGridhand", "GridhandHighScores", false, false, false},
        {"frmCairnwell", "CairnwellHiScores", false, true, false},
        {"frmQuickjack", "QuickjackHiScores", false, true, false},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.form);
        ScriptedMessageBoxes boxes; // none expected
        TestGameForm form{QLatin1String(kind.form)};
        WriteDefaultHighScores(QLatin1String(kind.fileBase), form, QStringLiteral("30000"));
        form.startGame();

        GameOver(form, QLatin1String(kind.fileBase), QStringLiteral("30000"));

        EXPECT_FALSE(form.Timer1->enabled());
        EXPECT_FALSE(gGameInProgress);
        EXPECT_EQ(form.cmdPlay->text(), QStringLiteral("&Play"));
        EXPECT_EQ(form.mnuPlay->text(), QStringLiteral("&Play"));
        EXPECT_TRUE(form.mnuCustom->isEnabled());
        EXPECT_TRUE(form.mnuTime->isEnabled());
        EXPECT_EQ(form.mnuClearHighRun->isEnabled(), kind.clearsHighRun);
        EXPECT_FALSE(form.cmdPause->isEnabled());
        EXPECT_FALSE(form.mnuPause->isEnabled());
        EXPECT_EQ(form.cmdTakeScore->isEnabled(), !kind.disablesTakeScoreButton);
        EXPECT_EQ(form.mnuTakeScore->isEnabled(), !kind.disablesTakeScoreEntry);
        EXPECT_EQ(form.showCardsCalls, std::vector<bool>{false});
        EXPECT_EQ(form.showControlsCalls, (std::vector<std::pair<bool, bool>>{{false, true}}));
        EXPECT_EQ(form.StatusBar1->panelText(1), QStringLiteral("Game Over"));
        EXPECT_TRUE(boxes.shown().empty());
    }
}

TEST_F(GameOverTest, ATableItCannotReadIsReportedAndTheWindowStillGoesIdle)
{
    TestGameForm form{QStringLiteral("frmSpires")};
    // A folder where the table file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("SpiresHiScores45.Txt")));
    form.startGame();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK);

    GameOver(form, QStringLiteral("SpiresHiScores"), QStringLiteral("30000"));

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("An error occured when attmpting to access the High Score Table. "
                                                      "Please close and restart the game."));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbCritical);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Spires!"));
    EXPECT_FALSE(gGameInProgress);
    EXPECT_TRUE(form.mnuClearHighRun->isEnabled());
    EXPECT_EQ(form.showCardsCalls, std::vector<bool>{false});
    EXPECT_EQ(form.showControlsCalls, (std::vector<std::pair<bool, bool>>{{false, true}}));
    EXPECT_EQ(form.StatusBar1->panelText(1), QStringLiteral("Game Over"));
}
