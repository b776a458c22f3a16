#pragma once
// What a full column of three is worth: three of one rank, a run of three ranks in building order
// (up or down by one, or queen-king-ace either way round), or nothing.
#include "core/SuiteGlobals.h"

namespace cairnwell {

enum class ColumnKind { None, Trip, Run, FlushRun };

// top, middle and bottom as the column was built.
ColumnKind KindOfColumn(const CardCode& top, const CardCode& middle, const CardCode& bottom);

// Whether the three ranks make a run in this order.
bool IsRun(int a, int b, int c);

// The three cards share one suit (the last letter of each code).
bool IsFlush(const CardCode& top, const CardCode& middle, const CardCode& bottom);

} // namespace cairnwell
