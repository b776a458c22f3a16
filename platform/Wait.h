#pragma once
#include <functional>

namespace platform {

// Blocks the calling handler for ms milliseconds, as the count-ups and animations expect:
// no timer ticks and no clicks are handled meanwhile. Controls that must show progress are
// repainted explicitly by their callers.
void Sleep(int ms);

// Tests make waits instant (and record them) through this hook.
void setWaitHandler(std::function<void(int)> handler);

} // namespace platform
