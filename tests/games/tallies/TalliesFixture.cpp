#include "TalliesFixture.h"

#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesField.h"
#include "games/tallies/TalliesRound.h"
#include "games/tallies/TalliesSavedGame.h"
#include "games/tallies/frmTallies.h"

EmptyCommandLine::EmptyCommandLine()
{
    tallies::setCommandLineText(QString());
    frmTallies::mCommandLineOpened = false;
}

EmptyCommandLine::~EmptyCommandLine() { tallies::setCommandLineText(std::nullopt); }

void TalliesTest::SetUp()
{
    resetSuiteGlobals();
    gTalliesFieldCards.fill(CardCode());
    gTalliesUpCards.clear();
    gTalliesDrawPile.clear();
    gTalliesCardsLeft = gTalliesTotal = 0;
    gTalliesCombos = 0;
    gTalliesRound = 0;
    gSelectionColor = 1;
    gTalliesRound1Deck.clear();
    gTalliesRound2Deck.clear();
    gTalliesRound3Deck.clear();
    gPreviousScore = 0;
    gTalliesReplay = false;
    gTalliesDrawTimer = true;
    gTalliesFieldVisible.fill(false);
    gTalliesFieldSelected.fill(false);
    gTalliesUpCardSelected = false;
    gTalliesPhase = TalliesPhase::Idle;

    SetTalliesDefaults();
    gTimeLimit = 90;
    gCardGoal = 11;
}

void TalliesTest::prepareDeck(int goal, std::initializer_list<std::pair<int, CardCode>> cards)
{
    gCardGoal = goal;
    ASSERT_TRUE(tallies::CreateTalliesDeck());
    for (const auto& [position, code] : cards)
        gDeck.at(position) = code;
}

void TalliesTest::dealNewGame(int goal, std::initializer_list<std::pair<int, CardCode>> cards)
{
    prepareDeck(goal, cards);
    ASSERT_TRUE(tallies::Deal(true));
}

void TalliesTest::keepOnField(std::initializer_list<int> positions)
{
    gTalliesFieldVisible.fill(false);
    for (int p : positions)
        gTalliesFieldVisible[p] = true;
}

void TalliesTest::runClock(int seconds)
{
    for (int s = 0; s < seconds; ++s)
        ASSERT_TRUE(tallies::TickRoundClock().counted);
}

TakenScore takeScore()
{
    using namespace tallies;
    TakenScore taken;
    taken.end = BeginTakeScore(TalliesHeading(gCardGoal));
    if (!taken.end.started)
        return taken;
    for (const auto& bonus : taken.end.bonuses)
        for (int s = 0; s < bonus.steps; ++s)
            PayBonusStep(bonus.kind);
    taken.next = NextAfterRound();
    if (taken.next == TalliesNext::RoundTwo || taken.next == TalliesNext::BonusRound)
        StartNextRound();
    else if (taken.next == TalliesNext::GameOver)
        CloseGame();
    EndTakeScore();
    return taken;
}
