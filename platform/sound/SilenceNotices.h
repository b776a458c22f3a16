#pragma once
#include <atomic>

namespace platform {

// What the sound devices say on the terminal when they have to stay silent: each reason once in
// their life, never at every sound, and never to the player. Said from the window's thread and the
// sound thread alike.
class SilenceNotices {
public:
    enum Reason { NoSoundFont, NoSoundDevice, ReasonCount };
    void say(Reason reason);

private:
    std::atomic<bool> m_said[ReasonCount] = {};
};

} // namespace platform
