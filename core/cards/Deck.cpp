#include "core/cards/Deck.h"

#include "platform/MessageBox.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

namespace {
const char Suits[] = {'S', 'H', 'C', 'D'};
}

CardCode cardCode(int rank, int suit) { return ' ' + std::to_string(rank) + Suits[suit]; }

std::string trimmedCode(const CardCode& code)
{
    const auto first = code.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = code.find_last_not_of(' ');
    return code.substr(first, last - first + 1);
}

int cardRank(const CardCode& code)
{
    int rank = 0;
    for (char c : trimmedCode(code)) {
        if (c < '0' || c > '9')
            break;
        rank = rank * 10 + (c - '0');
    }
    return rank;
}

char cardSuit(const CardCode& code)
{
    const std::string t = trimmedCode(code);
    return t.empty() || (t.back() >= '0' && t.back() <= '9') ? 0 : t.back();
}

bool CreateDeck()
{
    try {
        gDeck.assign(53, CardCode());
        for (int i = 1; i <= 52; ++i)
            gDeck[i] = cardCode((i - 1) % 13 + 1, (i - 1) / 13);
        return true;
    } catch (...) {
        platform::MsgBox(QStringLiteral("Unable to create the deck."));
        return false;
    }
}

bool ShuffleDeck()
{
    try {
        for (int i = 1; i <= deckUpperBound(); ++i) {
            // Drawing from the places not yet settled keeps every order equally likely; a draw over
            // the whole deck favours some orders over others.
            const int j = RandomNumber(i, deckUpperBound());
            std::swap(gDeck.at(i), gDeck.at(j));
        }
        return true;
    } catch (...) {
        platform::MsgBox(QStringLiteral("Unable to shuffle the deck."), platform::vbCritical, gGameTitle);
        return false;
    }
}

int RandomNumber(double Lower, double Upper)
{
    const double r = platform::randomUnit();
    // A draw just below 1 scales up to the count itself once rounded, one past the range; only such a
    // draw is pinned, so every value keeps its share.
    const double span = Upper - Lower + 1;
    const double whole = std::min(std::floor(span * r), span - 1);
    return static_cast<int>(std::floor(whole + Lower));
}
