#pragma once
// Decks laid out for Duetto tests: ranks given by deal place (0-22 the upper cards, 23 the pile's
// first card, 24-51 the stock in draw order); every other place holds a 7.
#include "core/cards/Deck.h"

#include <map>
#include <vector>

inline std::vector<CardCode> deckWith(const std::map<int, int>& rankAtPlace)
{
    std::vector<CardCode> deck(53);
    for (int place = 0; place < 52; ++place) {
        const auto it = rankAtPlace.find(place);
        deck[place + 1] = cardCode(it == rankAtPlace.end() ? 7 : it->second, place % 4);
    }
    return deck;
}

// Removal order that clears the whole layout (the last match takes the top row's last card), the
// pile's one card used third. Ranks: six pairs and six runs.
struct PlannedMatch {
    int first;
    int second;
};
inline const std::vector<PlannedMatch>& clearingMatches()
{
    static const std::vector<PlannedMatch> matches{{18, 19}, {20, 21}, {22, 23}, {14, 15}, {16, 17}, {9, 10},
                                                   {11, 12}, {13, 5},  {6, 7},   {8, 0},   {1, 2},   {3, 4}};
    return matches;
}
inline std::vector<CardCode> clearingDeck()
{
    return deckWith({{18, 5}, {19, 5},  {20, 13}, {21, 1}, {22, 9}, {23, 10}, {14, 2}, {15, 2},
                     {16, 12}, {17, 13}, {9, 3},  {10, 3}, {11, 4}, {12, 5},  {13, 6}, {5, 6},
                     {6, 7},  {7, 8},   {8, 11}, {0, 11}, {1, 8},  {2, 9},   {3, 12}, {4, 12}});
}
