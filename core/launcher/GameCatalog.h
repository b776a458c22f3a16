#pragma once
// Which window each game button opens. The application registers the games, so the launcher
// knows none of them; a game's window is created on first use and again after it was closed.
#include <QString>
#include <functional>

class QWidget;

using GameFormFactory = std::function<QWidget*()>;

void registerGameForm(const QString& tagline, GameFormFactory factory);
// The live window of the game with this tagline, created when there is none; null for an unknown game.
QWidget* gameFormFor(const QString& tagline);
