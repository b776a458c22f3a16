#pragma once
// The runtime conversions the game code was written against.
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace platform {

// Number to text with a leading blank for non-negative numbers (" 12", "-12").
QString Str(std::int64_t n);
QString Str(double n);

// Reads the number at the start of the text, skipping blanks; "12abc" is 12, "abc" is 0.
double Val(const QString& text);

// Rounds to the nearest whole number, halves to even (2.5 is 2, 3.5 is 4); beyond the 64-bit range
// the nearest end of it, and 0 for a value that is not a number.
std::int64_t roundHalfEven(double x);

// "###,###,###,##0": thousands grouped with "," whatever the locale; 0 shows as "0".
QString formatGrouped(std::int64_t n);

// Minute boundaries passed from a to b (10:00:59 to 10:01:00 is 1).
std::int64_t minutesBetween(const QDateTime& a, const QDateTime& b);

// Saturating conversion of a 64-bit sum to the 32-bit score.
std::int32_t saturateLong(std::int64_t n);

} // namespace platform
