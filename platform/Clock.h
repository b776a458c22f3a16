#pragma once
#include <QDateTime>
#include <functional>

namespace platform {

// The wall clock ("Now"); tests set their own.
QDateTime now();
void setClock(std::function<QDateTime()> clock);

} // namespace platform
