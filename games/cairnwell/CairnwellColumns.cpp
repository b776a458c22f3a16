#include "games/cairnwell/CairnwellColumns.h"

#include "core/cards/Deck.h"

namespace cairnwell {

namespace {
char lastLetter(const CardCode& code) { return code.empty() ? '\0' : code.back(); }
} // namespace

bool IsRun(int a, int b, int c)
{
    if (b == a + 1 && c == a + 2)
        return true;
    if (b == a - 1 && c == a - 2)
        return true;
    // The ace sits above the king only next to the queen.
    if (a == 12 && b == 13 && c == 1)
        return true;
    return a == 1 && b == 13 && c == 12;
}

bool IsFlush(const CardCode& top, const CardCode& middle, const CardCode& bottom)
{
    const char s = lastLetter(top);
    return lastLetter(middle) == s && lastLetter(bottom) == s;
}

ColumnKind KindOfColumn(const CardCode& top, const CardCode& middle, const CardCode& bottom)
{
    const int a = cardRank(top);
    const int b = cardRank(middle);
    const int c = cardRank(bottom);
    if (b == a && c == a)
        return ColumnKind::Trip;
    if (IsRun(a, b, c))
        return IsFlush(top, middle, bottom) ? ColumnKind::FlushRun : ColumnKind::Run;
    return ColumnKind::None;
}

} // namespace cairnwell
