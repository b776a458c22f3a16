#include "games/tallies/TalliesDeck.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesState.h"
#include "platform/MessageBox.h"

#include <string>

namespace tallies {

namespace {
const char Suits[] = {'S', 'H', 'C', 'D'};
}

int TalliesDeckSize(int CardGoal)
{
    switch (CardGoal) {
    case 12:
        return 56;
    case 13:
        return 60;
    case 14:
    case 15:
        return 64;
    default:
        return 52;
    }
}

std::vector<CardCode> TalliesDeckCards(int CardGoal)
{
    const int n = TalliesDeckSize(CardGoal);
    std::vector<CardCode> deck(n + 1);
    int p = 1;
    // Four aces of each suit, written without the blank.
    for (char suit : Suits)
        for (int k = 0; k < 4; ++k)
            deck[p++] = std::string("1") + suit;
    for (char suit : Suits)
        for (int rank = 2; rank <= 10; ++rank)
            deck[p++] = ' ' + std::to_string(rank) + suit;
    // Each goal above 11 brings in the next rank.
    for (int rank = 11; p <= n; ++rank)
        for (char suit : Suits)
            deck[p++] = std::to_string(rank) + suit;
    return deck;
}

bool CreateTalliesDeck()
{
    try {
        const int n = TalliesDeckSize(gCardGoal);
        gDeck = TalliesDeckCards(gCardGoal);
        gTalliesRound1Deck.assign(n + 1, CardCode());
        gTalliesRound2Deck.assign(n + 1, CardCode());
        gTalliesRound3Deck.assign(n + 1, CardCode());
        gTalliesDrawPile.assign(n - 22 + 1, CardCode());
        return true;
    } catch (...) {
        platform::MsgBox(QStringLiteral("Unable to create the deck."));
        return false;
    }
}

int CardValue(const CardCode& Code) { return cardRank(Code); }

} // namespace tallies
