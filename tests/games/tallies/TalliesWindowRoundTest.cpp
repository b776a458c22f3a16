// A round on the Tallies window: the deal, clicks and draws, the clock with its warnings and expiry,
// pause, minimising, and ending a game.
#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/cards/Deck.h"
#include "core/window/ShapeControl.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QPushButton>

namespace {
QString wave(const char* name) { return QStringLiteral("/") + QLatin1String(name); }

bool endsWith(const QStringList& waves, const QStringList& tail)
{
    if (waves.size() < tail.size())
        return false;
    for (int i = 0; i < tail.size(); ++i)
        if (!waves[waves.size() - tail.size() + i].endsWith(tail[i]))
            return false;
    return true;
}
} // namespace

TEST_F(TalliesWindowTest, PlayDealsTheFieldAndStartsTheClock)
{
    click(form->cmdPlay);
    EXPECT_TRUE(form->gameInProgress());
    EXPECT_FALSE(form->frmSplash->isVisible());
    EXPECT_FALSE(form->Timer4->enabled());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&End Game"));
    EXPECT_EQ(form->mnuPlay->text(), QStringLiteral("&End Game"));
    EXPECT_EQ(form->cmdPlay->toolTip(), QStringLiteral("Ends the game in progress"));
    EXPECT_TRUE(form->cmdPause->isEnabled());
    EXPECT_TRUE(form->mnuTakeScore->isEnabled());
    EXPECT_EQ(panel(1), QStringLiteral("Make 80,000 for Bonus Round!   "));
    EXPECT_EQ(panel(2), QStringLiteral("Click on exposed cards to total 11!   "));
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 90"));
    EXPECT_EQ(form->lblCardCount->caption(), QStringLiteral("Cards: 30"));
    EXPECT_TRUE(form->PlayCardPicture->shows(QStringLiteral("FULL")));
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("0"));
    const QStringList keys = fieldKeys();
    for (int i = 0; i < 22; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(form->FieldCardPicture[i]->isVisible());
        EXPECT_EQ(keys[i].toStdString(), trimmedCode(gTalliesFieldCards[i]));
        EXPECT_FALSE(form->FieldSelectionRectangle[i]->isVisible());
    }
    EXPECT_EQ(form->FieldCardPicture[0]->toolTip(), QStringLiteral("700 points"));
    EXPECT_EQ(form->FieldCardPicture[21]->toolTip(), QStringLiteral("200 points"));
    EXPECT_TRUE(form->TimerRectangle->isVisible());
}

TEST_F(TalliesWindowTest, ClicksSelectCombineAndDrawWithTheirSounds)
{
    // A dealt deck of our choosing, through the replay of a recorded round 1.
    prepareDeck(11, {{21, " 4S"}, {22, " 5D"}, {8, " 9H"}, {23, " 7H"}, {52, " 9C"}, {51, " 2C"}});
    gTalliesRound1Deck = gDeck;
    gTalliesReplay = true;
    click(form->cmdPlay);
    ASSERT_TRUE(form->UpCardPicture->shows(QStringLiteral("7H")));
    audio.clear();

    click(form->FieldCardPicture[0]); // covered
    click(form->FieldCardPicture[21]);
    EXPECT_TRUE(form->FieldSelectionRectangle[21]->isVisible());
    EXPECT_EQ(form->lblCurrentTotal->caption(), QStringLiteral("5"));
    click(form->FieldCardPicture[7]); // 9: over the goal
    click(form->FieldCardPicture[21]);
    EXPECT_FALSE(form->FieldSelectionRectangle[21]->isVisible());
    EXPECT_EQ(form->lblCurrentTotal->caption(), QStringLiteral("0"));
    EXPECT_TRUE(endsWith(audio.waves(), {wave("Chord.wav"), wave("Markq.wav"), wave("Chord.wav"), wave("Tick.wav")}));

    // 4 and the up card 7 make 11: both go, and with no up card beneath the next one is turned for nothing.
    audio.clear();
    click(form->FieldCardPicture[20]);
    click(form->UpCardPicture);
    EXPECT_EQ(audio.waves().size(), 3);
    EXPECT_TRUE(endsWith(audio.waves(), {wave("Markq.wav"), wave("Markq.wav"), wave("TwentyOne.wav")}));
    EXPECT_FALSE(form->FieldCardPicture[20]->isVisible());
    EXPECT_FALSE(form->UpCardSelectionRectangle->isVisible());
    EXPECT_EQ(form->lblCurrentTallies->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("300"));
    EXPECT_EQ(form->lblCurrentTotal->caption(), QStringLiteral("0"));
    EXPECT_TRUE(form->UpCardPicture->shows(QStringLiteral("9C")));
    EXPECT_EQ(form->UpCardPicture->borderStyle(), 1);
    EXPECT_EQ(form->lblCardCount->caption(), QStringLiteral("Cards: 29"));

    // A draw with the up card there and a place free: the up card fills the place, 200 points in all.
    audio.clear();
    click(form->PlayCardPicture);
    EXPECT_EQ(audio.waves(), QStringList{appFile(QStringLiteral("Markq.wav"))});
    EXPECT_TRUE(form->FieldCardPicture[20]->isVisible());
    EXPECT_TRUE(form->FieldCardPicture[20]->shows(QStringLiteral("9C")));
    EXPECT_TRUE(form->UpCardPicture->shows(QStringLiteral("2C")));
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("100"));
    EXPECT_EQ(form->lblCardCount->caption(), QStringLiteral("Cards: 28"));
    EXPECT_EQ(form->lblCurrentScore->foreColor(), platform::ColorBlue);

    click(form->PlayCardPicture);
    click(form->PlayCardPicture);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("-100"));
    EXPECT_EQ(form->lblCurrentScore->foreColor(), platform::ColorRed);
}

TEST_F(TalliesWindowTest, TheClockWarnsAtItsQuartersAndExpiryFlashesTimesUp)
{
    click(form->cmdPlay);
    const QString dealt = QStringLiteral("Click on exposed cards to total 11!   ");
    tick(44);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 46"));
    EXPECT_EQ(panel(2), dealt);
    tick();
    EXPECT_EQ(panel(2), QStringLiteral("Times running out!"));
    tick(23);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 22"));
    EXPECT_EQ(panel(2), QStringLiteral("Times running out!"));
    tick();
    EXPECT_EQ(panel(2), QStringLiteral("Better Hurry!"));
    tick(20);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 1"));

    struct Seen {
        int ms;
        QString message;
        long color;
        QString status;
    };
    std::vector<Seen> seen;
    platform::setWaitHandler([&](int ms) {
        seen.push_back({ms, form->lblMessage->caption(), form->lblMessage->foreColor(), panel(2)});
    });
    tick();
    platform::setWaitHandler(nullptr);

    ASSERT_GE(seen.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].ms, 250);
        EXPECT_EQ(seen[i].message, QStringLiteral("Times Up!"));
        EXPECT_EQ(seen[i].status, QStringLiteral("Time has expired!"));
        EXPECT_EQ(seen[i].color, i % 2 == 0 ? platform::ColorBlack : platform::ColorRed);
    }
    // No time left: no speed bonus, and no combinations: straight on to round two.
    EXPECT_EQ(seen[10].message, QStringLiteral("Prepare for Round Two!"));
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("2"));
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("0"));
    EXPECT_FALSE(form->lblMessage->isVisible());
    EXPECT_EQ(panel(2), dealt);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 90"));
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(form->cmdTakeScore->isEnabled());
}

TEST_F(TalliesWindowTest, PauseShowsBacksAndHidesTheLowerCards)
{
    click(form->cmdPlay);
    const QStringList faces = fieldKeys();
    click(form->FieldCardPicture[7]);
    audio.clear();

    click(form->cmdPause);
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
    EXPECT_TRUE(form->lblMessage->isVisible());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form->mnuPause->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form->cmdPause->toolTip(), QStringLiteral("Resumes the current game"));
    EXPECT_FALSE(form->Timer1->enabled());
    for (QWidget* w : {static_cast<QWidget*>(form->cmdPlay), static_cast<QWidget*>(form->cmdExit),
                       static_cast<QWidget*>(form->cmdTakeScore)})
        EXPECT_FALSE(w->isEnabled());
    for (const CardImage* card : form->FieldCardPicture) {
        EXPECT_TRUE(card->shows(QStringLiteral("BACK")));
        EXPECT_EQ(card->borderStyle(), 0);
    }
    EXPECT_FALSE(form->FieldSelectionRectangle[7]->isVisible());
    EXPECT_FALSE(form->PlayCardPicture->isVisible());
    EXPECT_FALSE(form->UpCardPicture->isVisible());
    EXPECT_FALSE(form->lblCurrentTotal->isVisible());

    // Cards cannot be taken while paused, and the clock stands.
    form->FieldCardPicture_Click(20);
    EXPECT_EQ(audio.waves(), QStringList{appFile(QStringLiteral("Chord.wav"))});
    form->Timer1->fire();
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 90"));

    click(form->cmdPause);
    EXPECT_EQ(fieldKeys(), faces);
    EXPECT_EQ(form->FieldCardPicture[0]->borderStyle(), 1);
    EXPECT_FALSE(form->lblMessage->isVisible());
    EXPECT_EQ(form->lblMessage->caption(), QString());
    EXPECT_EQ(form->lblCurrentTotal->caption(), QStringLiteral("0"));
    EXPECT_TRUE(form->PlayCardPicture->isVisible());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(form->cmdPlay->isEnabled());
}

TEST_F(TalliesWindowTest, MinimisingStopsTheClockAndTuneAndRestoringRestartsThem)
{
    click(form->cmdPlay);
    form->setMusicOn(true);
    ASSERT_TRUE(audio.tunePlaying());

    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->Timer1->running());
    EXPECT_TRUE(audio.tunePlaying());

    // A paused game stays paused and silent.
    click(form->cmdPause);
    form->setWindowState(Qt::WindowMinimized);
    form->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
}

TEST_F(TalliesWindowTest, EndGameFromTheMenuEndsTheGameAsTheButtonDoes)
{
    struct Case {
        const char* how;
        QString question;
    };
    const Case cases[] = {
        {"button", QStringLiteral("You have a game in progress, are you sure you want to quit now?")},
        {"menu", QStringLiteral("You have a game in progress, are you sure you want to restart now?")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        click(form->cmdPlay);
        tick(3);
        const bool byMenu = QLatin1String(c.how) == QLatin1String("menu");
        ScriptedMessageBoxes answers;
        answers.expect(platform::vbNo).expect(platform::vbYes);
        byMenu ? form->mnuPlay->trigger() : click(form->cmdPlay);
        EXPECT_TRUE(form->gameInProgress()) << "No goes on with the game";
        EXPECT_TRUE(form->Timer1->enabled());
        byMenu ? form->mnuPlay->trigger() : click(form->cmdPlay);
        ASSERT_EQ(answers.shown().size(), 2u);
        EXPECT_EQ(answers.shown()[1].prompt, c.question);
        EXPECT_EQ(answers.shown()[1].style, 36);

        EXPECT_FALSE(form->gameInProgress());
        EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
        EXPECT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Replay"));
        EXPECT_EQ(form->cmdTakeScore->toolTip(), QStringLiteral("Replays the last game"));
        EXPECT_FALSE(form->cmdPause->isEnabled());
        EXPECT_TRUE(form->frmSplash->isVisible());
        EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time:"));
        EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("0"));
        EXPECT_EQ(gPreviousScore, 0);
        // An ended game stays ended: a resize leaves the clock alone.
        form->setWindowState(Qt::WindowMinimized);
        form->setWindowState(Qt::WindowNoState);
        EXPECT_FALSE(form->Timer1->enabled());
        EXPECT_FALSE(form->Timer2->enabled());
        EXPECT_TRUE(form->Surface->picture().slices.empty());
        EXPECT_EQ(form->closeQuestion(), QStringLiteral("Giving up so soon?"));
    }
    EXPECT_EQ(tablesShown, 0) << "an ended game makes no high-score entry";
}

TEST_F(TalliesWindowTest, TheDialStopsBlinkingWhenARoundEndsInItsLastQuarter)
{
    gTalliesDrawTimer = false; // the speed bonus is paid at once and leaves the dial empty
    click(form->cmdPlay);
    tick(70);
    ASSERT_TRUE(form->Timer2->enabled()) << "the last quarter blinks";
    click(form->cmdTakeScore);
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("2"));
    EXPECT_FALSE(form->Timer2->enabled());
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("2,000"));

    tick(80);
    ASSERT_TRUE(form->Timer2->enabled());
    click(form->cmdTakeScore);
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_FALSE(form->Timer2->enabled());
    EXPECT_TRUE(form->Surface->picture().slices.empty());
}
