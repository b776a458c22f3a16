// The Cairnwell window with its waits running for real. Take Score clicked during a round's end is
// dropped, so the next round runs its time and a game ends once; a resize during a wait lays out the
// figures shown over single cards with the rest of the window.
#include "CairnwellWindowFixture.h"
#include "support/PostedInput.h"

#include <QCoreApplication>

TEST_F(CairnwellWindowTest, TakeScoreClickedWhileRoundOneRunsOutLeavesRoundTwoAlone)
{
    play();
    useRealWaits();
    clickSoon(form->cmdTakeScore);
    tick(gTimeLimit);
    settle();
    EXPECT_EQ(form->mRound, 2);
    EXPECT_FALSE(gRoundOver);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(gScore, 0); // no speed bonus for a round ended at once
}

TEST_F(CairnwellWindowTest, ClicksDuringTheLastRoundsEndEnterTheGameOnce)
{
    struct Case {
        const char* name;
        int clicks;
        std::function<void()> endRound;
    };
    const Case cases[] = {
        {"time runs out", 1, [this] { tick(gTimeLimit); }},
        {"no moves left", 2,
         [this] {
             leaveOneMoveBeforeNoMovesLeft();
             fanToStorage(2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        play();
        gBonusRoundScore = 1000000;
        tick(gTimeLimit);
        ASSERT_EQ(form->mRound, 2);
        gScore = 60000;
        namePrompts = 0;
        const QString table = QStringLiteral("CairnwellHiScores") + QString::number(gTimeLimit) + QStringLiteral(".Txt");
        const int entriesBefore = tableEntries(table);
        useRealWaits();
        clickSoon(form->cmdTakeScore, c.clicks);
        c.endRound();
        settle();
        EXPECT_FALSE(gGameInProgress);
        EXPECT_EQ(namePrompts, 1);
        EXPECT_EQ(tableEntries(table), entriesBefore + 1);
        EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    }
}

namespace {
// Lets a resize asked for during a wait reach the window before the wait goes on.
void resizeNow(QWidget* window, const QSize& size)
{
    window->resize(size);
    for (int turn = 0; turn < 100 && window->size() != size; ++turn)
        QCoreApplication::processEvents();
    ASSERT_EQ(window->size(), size);
}

// The figure stands centred across `card`, 250 twips above `row` or, without one, on the card's middle.
void expectOver(const platform::Label* figure, const QWidget* card, const QWidget* row)
{
    using namespace platform;
    EXPECT_TRUE(figure->isVisible());
    EXPECT_NEAR(leftTw(figure) + widthTw(figure) / 2, leftTw(card) + widthTw(card) / 2, 15);
    if (row)
        EXPECT_NEAR(topTw(figure), topTw(row) - 250, 15);
    else
        EXPECT_NEAR(topTw(figure) + heightTw(figure) / 2, topTw(card) + heightTw(card) / 2, 15);
}

void lay(cairnwell::Place& place, CardCode& held, const char* card)
{
    held = code(card);
    place = {card, true, 1};
}
} // namespace

TEST_F(CairnwellWindowTest, AResizeWhileACardIsTakenForItsPenaltyKeepsTheFigureOverThatCard)
{
    play();
    // The deck used up with three cards left in the columns and one in storage.
    cairnwell::CairnwellTable& t = form->table;
    for (cairnwell::Place& fan : t.UpCard)
        fan = {cairnwell::EmptyKey, true, 0};
    for (int place : {0, 3, 4})
        lay(t.PlayCard[place], t.mPlayCards[place], "5S");
    lay(t.TempCard[1], t.mTempCards[1], "9H");
    form->showTable();
    ASSERT_TRUE(t.DeckUsedUp());

    const QSize sizes[] = {form->size() + QSize(320, 180), form->size()};
    // The cards in the order they are taken, each with the row its figure stands above.
    const std::pair<QWidget*, QWidget*> taken[] = {{form->PlayCard[4], form->PlayCardSelection[0]},
                                                   {form->PlayCard[3], form->PlayCardSelection[0]},
                                                   {form->PlayCard[0], form->PlayCardSelection[0]},
                                                   {form->TempCard[1], form->TempCardSelection[0]}};
    std::size_t step = 0;
    platform::setWaitObserver([&](int) {
        if (!form->lblFlush->isVisible() || form->lblFlush->caption() != QStringLiteral("-250") || step >= 4)
            return;
        SCOPED_TRACE(step);
        resizeNow(form, sizes[step % 2]);
        expectOver(form->lblFlush, taken[step].first, taken[step].second);
        saveScreenshot(form, QStringLiteral("LeftoverPenalty-%1").arg(step));
        ++step;
    });
    useRealWaits();
    gElapsed = gTimeLimit - 1;
    form->cmdTakeScore->click();
    settle();
    EXPECT_EQ(step, 4u);
}

TEST_F(CairnwellWindowTest, AResizeWhileFlushShowsKeepsItOnItsColumnsCard)
{
    play();
    restack({"4D", "5D", "6D"});
    fanTo(1);
    fanTo(1);
    const QSize larger = form->size() + QSize(320, 180);
    int shown = 0;
    platform::setWaitObserver([&](int) {
        if (!form->lblFlush->isVisible() || form->lblFlush->caption() != QStringLiteral("Flush!"))
            return;
        ++shown;
        resizeNow(form, larger);
        expectOver(form->lblFlush, form->PlayCard[1], nullptr);
        saveScreenshot(form, QStringLiteral("FlushNotice"));
    });
    useRealWaits();
    fanTo(1);
    settle();
    EXPECT_EQ(shown, 1);
}
