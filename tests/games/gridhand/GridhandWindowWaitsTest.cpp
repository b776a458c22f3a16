// Clicks on the grid during a round's count-up, with the waits running for real, and a window opened
// from the launcher after another game left its round over.
#include "GridhandWindowFixture.h"
#include "support/PostedInput.h"
#include "core/launcher/GameCatalog.h"
#include "core/launcher/frmSelect.h"

#include <numeric>

TEST_F(GridhandWindowTest, ClicksOnTheGridDuringTheCountUpPlaceNothingInTheNextRound)
{
    play();
    lay(RichGrid);
    tick(15);
    std::vector<int> first(24);
    std::iota(first.begin(), first.end(), 0);
    place(first);
    useRealWaits();
    clickSoon(form->PlayCards[3], 3);
    place({24});
    settle();
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 2"));
    for (int cell = 0; cell < gridhand::GridSize; ++cell)
        EXPECT_TRUE(form->mGrid.IsEmpty(cell)) << cell;
    EXPECT_EQ(gridhand::gOverwritesUsed, 0);
    EXPECT_EQ(form->lblOverWrites->caption(), QStringLiteral("Over Writes Remaining: 3"));
}

TEST_F(GridhandWindowTest, AWindowOpenedFromTheLauncherStartsIdleWhateverTheLastGameLeft)
{
    delete form;
    registerGameForm(QStringLiteral("Gridhand!"), [this] { return form = new frmGridhand; });
    auto* launcher = new frmSelect;
    launcher->Timer1->setEnabled(false);
    // As a game that ended by itself leaves them.
    gRoundOver = true;
    gGameInProgress = true;
    launcher->cmdGridhand->click();
    ASSERT_TRUE(form);
    form->cmdPlay->click();
    EXPECT_TRUE(gGameInProgress);
    EXPECT_TRUE(form->Timer1->enabled());
    form->cmdPause->click();
    EXPECT_FALSE(form->Timer1->enabled());
    form->cmdPause->click();
    EXPECT_TRUE(form->Timer1->enabled());
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo);
    form->cmdQuit->click();
    EXPECT_EQ(boxes.shown().size(), 1u);
    delete launcher;
}
