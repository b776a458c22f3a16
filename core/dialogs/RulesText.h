#pragma once
// The rules, notes and strategy text of each game, written with the values in force now (time limit,
// bonus-round score, point values, custom scoring included).
#include <QString>
#include <optional>

// The text for the game whose tagline is gameTitle; none for a title that is no game's.
// takeScoreCaption is the Tallies window's Take Score caption, access-key marker first ("&Take Score").
std::optional<QString> rulesText(const QString& gameTitle, const QString& takeScoreCaption = QStringLiteral("&Take Score"));
