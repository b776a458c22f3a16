#include "core/cards/DeckNumbers.h"

#include <array>

namespace {
constexpr std::array<CardBackDesign, 4> PalmTreeFirstOrder{CardBackDesign::PalmTree, CardBackDesign::MagicHands,
                                                           CardBackDesign::NightCastle, CardBackDesign::HotCards};
constexpr std::array<CardBackDesign, 4> HotCardsFirstOrder{CardBackDesign::HotCards, CardBackDesign::MagicHands,
                                                           CardBackDesign::NightCastle, CardBackDesign::PalmTree};

const std::array<CardBackDesign, 4>& orderOf(DeckNumbering numbering)
{
    return numbering == DeckNumbering::HotCardsFirst ? HotCardsFirstOrder : PalmTreeFirstOrder;
}
} // namespace

int DeckNumberOf(CardBackDesign design, DeckNumbering numbering)
{
    const auto& order = orderOf(numbering);
    for (int i = 0; i < 4; ++i)
        if (order[i] == design)
            return i + 1;
    return 1;
}

std::optional<CardBackDesign> DesignOfDeckNumber(int number, DeckNumbering numbering)
{
    if (number < 1 || number > 4)
        return std::nullopt;
    return orderOf(numbering)[number - 1];
}

std::optional<CardBackDesign> DesignOfDeckText(const QString& text, DeckNumbering numbering)
{
    for (int number = 1; number <= 4; ++number)
        if (text == QString::number(number))
            return DesignOfDeckNumber(number, numbering);
    return std::nullopt;
}
