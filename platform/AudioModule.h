#pragma once
// The sound module: the one part of the suite that links the sound output (SDL) and the synthesiser. The
// program loads it on the first sound or tune that is really played, so a run in silence never
// pays for those libraries, and a machine without them still plays every game.
#include <QString>

namespace platform {

class SoundModule {
public:
    virtual ~SoundModule() = default;
    // As platform::playWave, for a file that exists.
    virtual void playWave(const QString& path) = 0;
    // Plays the tune once from its beginning, cutting off one still running.
    virtual void startTune(const QString& path) = 0;
    virtual void stopTune() = 0;
};

// The module's file is "lib" + SoundModuleName + ".so"; it exports one C function of this name
// and type, which makes the devices (nothing is set up before a sound or tune needs it). The program
// loads only the module built with it, known by the digest of its bytes, so the two never disagree
// on this interface.
inline constexpr char SoundModuleName[] = "parlour_sound";
inline constexpr char SoundModuleEntry[] = "parlour_create_sound_module";
using SoundModuleFactory = SoundModule* (*)();

} // namespace platform
