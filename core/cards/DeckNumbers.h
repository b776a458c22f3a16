#pragma once
// The numbers the games keep for the card-back designs in gDeckDesign and their settings files, in one
// place: most games count Palm Tree 1, Magic Hands 2, Night Castle 3, Hot Cards 4; the two
// twenty-one games count the other way round.
#include "core/cards/CardBacks.h"

#include <QString>
#include <optional>

enum class DeckNumbering { PalmTreeFirst, HotCardsFirst };

int DeckNumberOf(CardBackDesign design, DeckNumbering numbering);

// The design of 1 to 4; nothing for any other number.
std::optional<CardBackDesign> DesignOfDeckNumber(int number, DeckNumbering numbering);

// The design of a settings value written exactly "1" to "4"; nothing for any other text.
std::optional<CardBackDesign> DesignOfDeckText(const QString& text, DeckNumbering numbering);
