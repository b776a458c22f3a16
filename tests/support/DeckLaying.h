#pragma once
// The column games deal from gDeck at gDeckIndex; tests lay the ranks they need there.
#include <vector>

class CardImage;

// Lays cards of these ranks into gDeck from the card on show onwards (suits rotate, which the rules ignore).
void layRanks(const std::vector<int>& ranks);
// Lays them as layRanks does and shows the first of them in `shown`.
void layRanksAndShow(const std::vector<int>& ranks, CardImage& shown);
