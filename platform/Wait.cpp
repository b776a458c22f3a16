#include "platform/Wait.h"

#include <QThread>

namespace platform {

namespace {
std::function<void(int)>& handler()
{
    static std::function<void(int)> h;
    return h;
}
} // namespace

void setWaitHandler(std::function<void(int)> h) { handler() = std::move(h); }

void Sleep(int ms)
{
    if (handler()) {
        handler()(ms);
        return;
    }
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace platform
