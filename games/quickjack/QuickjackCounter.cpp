#include "games/quickjack/QuickjackCounter.h"

#include "core/scores/GameScoring.h"
#include "games/quickjack/QuickjackColumns.h"

namespace quickjack {

QuickjackCounter::Step QuickjackCounter::step()
{
    Step s;
    if (m_value < Max) {
        ++m_value;
        s.blinkStarts = m_value == BlinkFrom;
        return s;
    }
    m_value = Min;
    gRunningBonus = gTwentyOneBonus;
    s.fellBack = true;
    return s;
}

} // namespace quickjack
