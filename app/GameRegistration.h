#pragma once
// Tells the launcher which window each game button opens.
void registerGames();
