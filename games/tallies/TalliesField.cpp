#include "games/tallies/TalliesField.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesState.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <array>

namespace tallies {

namespace {
// Lower tiers lie over the upper ones; each row lists the cards lying on that position.
const std::array<std::vector<int>, TalliesFieldSize> Covers = {{
    {3, 4},   // 0
    {5, 6},   // 1
    {8, 9},   // 2
    {7, 12},  // 3
    {7, 13},  // 4
    {10, 11}, // 5
    {11, 12}, // 6
    {},       // 7
    {13, 14}, // 8
    {14, 15}, // 9
    {16},     // 10
    {16, 17}, // 11
    {17},     // 12
    {18},     // 13
    {18, 19}, // 14
    {19},     // 15
    {20},     // 16
    {20},     // 17
    {21},     // 18
    {21},     // 19
    {},       // 20
    {},       // 21
}};

const std::vector<int> NoCovers;

int upperBound(const std::vector<CardCode>& a) { return int(a.size()) - 1; }
} // namespace

const std::vector<int>& CoveringPositions(int Index)
{
    return Index >= 0 && Index < TalliesFieldSize ? Covers[Index] : NoCovers;
}

bool CheckLegalFieldCardMove(int Index)
{
    for (int cover : CoveringPositions(Index))
        if (gTalliesFieldVisible[cover])
            return false;
    return true;
}

bool CheckForCompletion()
{
    for (bool visible : gTalliesFieldVisible)
        if (visible)
            return false;
    return true;
}

bool Deal(bool NewGame)
{
    bool failed = false;
    const int n = deckUpperBound();

    gPileTop = 1;
    gTalliesCardsLeft = upperBound(gTalliesDrawPile) - 1;
    if (gTalliesDrawPile.empty()) {
        gTalliesCardsLeft = -1;
        failed = true;
    }
    gTalliesUpCardSelected = false;
    gTalliesFieldSelected.fill(false);

    for (int i = 0; i < TalliesFieldSize; ++i) {
        if (i + 1 > n) {
            failed = true;
            continue;
        }
        gTalliesFieldCards[i] = gDeck[i + 1];
        gTalliesFieldVisible[i] = true;
    }

    // Every card of the pile can end up on the up-card stack, on top of the first up card.
    gTalliesUpCards.assign(std::max(n - 20, 2), CardCode());
    if (n >= 23)
        gTalliesUpCards[1] = gDeck[23];
    else
        failed = true;

    for (int p = 23, j = 0; p <= n; ++p, ++j) {
        if (j > upperBound(gTalliesDrawPile)) {
            failed = true;
            continue;
        }
        gTalliesDrawPile[j] = gDeck[p];
    }

    gTalliesTotal = 0;
    gElapsed = 0;
    if (NewGame) {
        gPreviousScore = gScore;
        gScore = 0;
        gTalliesRound = 1;
    }
    gTalliesCombos = 0;

    std::vector<CardCode>* roundDeck = gTalliesRound == 1   ? &gTalliesRound1Deck
                                       : gTalliesRound == 2 ? &gTalliesRound2Deck
                                       : gTalliesRound == 3 ? &gTalliesRound3Deck
                                                            : nullptr;
    if (roundDeck) {
        for (int p = 1; p <= n; ++p) {
            if (p > upperBound(*roundDeck)) {
                failed = true;
                break;
            }
            (*roundDeck)[p] = gDeck[p];
        }
    }

    gTalliesPhase = TalliesPhase::Playing;
    if (failed)
        platform::MsgBox(QStringLiteral("Unable to deal the cards."));
    return !failed;
}

std::string PlayCardPictureKey()
{
    const int left = gTalliesCardsLeft + 1;
    if (left > 20)
        return "FULL";
    if (left > 10)
        return "HALF";
    if (left > 0)
        return "BACK";
    return "EMPTY";
}

std::string UpCardPictureKey()
{
    if (gPileTop <= 0 || gPileTop >= int(gTalliesUpCards.size()))
        return "EMPTY";
    return trimmedCode(gTalliesUpCards[gPileTop]);
}

std::string CardCountCaption() { return "Cards: " + std::to_string(gTalliesCardsLeft + 1); }

} // namespace tallies
