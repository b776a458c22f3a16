#include "platform/Clock.h"

namespace platform {

namespace {
std::function<QDateTime()>& clock()
{
    static std::function<QDateTime()> c;
    return c;
}
} // namespace

void setClock(std::function<QDateTime()> c) { clock() = std::move(c); }

QDateTime now() { return clock() ? clock()() : QDateTime::currentDateTime(); }

} // namespace platform
