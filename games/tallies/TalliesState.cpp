#include "games/tallies/TalliesState.h"

std::array<CardCode, TalliesFieldSize> gTalliesFieldCards;
std::vector<CardCode> gTalliesUpCards;
std::vector<CardCode> gTalliesDrawPile;
int gTalliesCardsLeft = 0;
int gTalliesTotal = 0;
std::int32_t gTalliesCombos = 0;
int gTalliesRound = 0;
int gSelectionColor = 1;
std::vector<CardCode> gTalliesRound1Deck;
std::vector<CardCode> gTalliesRound2Deck;
std::vector<CardCode> gTalliesRound3Deck;
std::int32_t gPreviousScore = 0;
bool gTalliesReplay = false;
bool gTalliesDrawTimer = true;
TalliesRecordedOptions gTalliesRecordedOptions;

std::array<bool, TalliesFieldSize> gTalliesFieldVisible{};
std::array<bool, TalliesFieldSize> gTalliesFieldSelected{};
bool gTalliesUpCardSelected = false;

TalliesPhase gTalliesPhase = TalliesPhase::Idle;
