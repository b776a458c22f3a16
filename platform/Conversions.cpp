#include "platform/Conversions.h"

#include <cmath>
#include <limits>

namespace platform {

QString Str(std::int64_t n) { return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n); }

QString Str(double n)
{
    const QString digits = QString::number(n, 'g', 15);
    return n < 0 ? digits : QLatin1Char(' ') + digits;
}

double Val(const QString& text)
{
    int i = 0;
    const int len = int(text.size());
    auto skipBlanks = [&] {
        while (i < len && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    skipBlanks();
    QString number;
    if (i < len && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number += text[i++];
    bool seenDot = false;
    bool seenDigit = false;
    for (; i < len; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenDot) {
            number += c;
            seenDot = true;
        } else if (c == QLatin1Char(' ')) {
            continue; // the original reads "1 2" as 12
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    // An exponent part ("1E3") is honoured as well.
    if (i < len && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        int j = i + 1;
        QString exponent;
        if (j < len && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            exponent += text[j++];
        while (j < len && text[j].isDigit() && text[j].unicode() < 128)
            exponent += text[j++];
        if (!exponent.isEmpty() && exponent != QLatin1String("-") && exponent != QLatin1String("+"))
            number += QLatin1Char('e') + exponent;
    }
    return number.toDouble();
}

std::int64_t roundHalfEven(double x)
{
    // Out of range the conversion is undefined, so a number read from a file is pinned first.
    constexpr double Limit = 9223372036854775808.0; // 2^63
    if (std::isnan(x))
        return 0;
    const double whole = std::nearbyint(x);
    if (whole >= Limit)
        return std::numeric_limits<std::int64_t>::max();
    if (whole < -Limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(whole);
}

QString formatGrouped(std::int64_t n)
{
    const bool negative = n < 0;
    QString digits = QString::number(negative ? -static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n));
    for (int pos = int(digits.size()) - 3; pos > 0; pos -= 3)
        digits.insert(pos, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

std::int64_t minutesBetween(const QDateTime& a, const QDateTime& b)
{
    auto minuteOf = [](const QDateTime& t) { return t.toSecsSinceEpoch() / 60 - (t.toSecsSinceEpoch() % 60 < 0 ? 1 : 0); };
    return minuteOf(b) - minuteOf(a);
}

std::int32_t saturateLong(std::int64_t n)
{
    if (n > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (n < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(n);
}

} // namespace platform
