#pragma once

namespace platform {

// What the sound devices say on the terminal when they have to stay silent: each reason once in
// their life, never at every sound, and never to the player.
class SilenceNotices {
public:
    enum Reason { NoSoundFont, NoSoundDevice, ReasonCount };
    void say(Reason reason);

private:
    bool m_said[ReasonCount] = {};
};

} // namespace platform
