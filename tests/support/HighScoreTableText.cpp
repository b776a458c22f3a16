#include "HighScoreTableText.h"

QByteArray tableWithTop(const char* name, int score)
{
    QByteArray text = QByteArray(name) + ", " + QByteArray::number(score) + "\r\n";
    for (int i = 0; i < 9; ++i)
        text += "Corvanta, 50000\r\n";
    return text;
}
