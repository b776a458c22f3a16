#pragma once
// Menu tests seed high-score files whose top entry they can recognise afterwards.
#include <QByteArray>

// A ten-entry table: `name, score` on top, then nine "Corvanta, 50000".
QByteArray tableWithTop(const char* name, int score);
