#include "DeckLaying.h"

#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/SuiteGlobals.h"

void layRanks(const std::vector<int>& ranks)
{
    int position = gDeckIndex;
    for (int rank : ranks) {
        gDeck.at(position) = cardCode(rank, position % 4);
        ++position;
    }
}

void layRanksAndShow(const std::vector<int>& ranks, CardImage& shown)
{
    layRanks(ranks);
    shown.setPictureByKey(QString::fromStdString(trimmedCode(gDeck.at(gDeckIndex))));
}
