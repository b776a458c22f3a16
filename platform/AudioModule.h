#pragma once
// The sound module: the one part of the suite that links Qt Multimedia and the synthesiser. The
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
// and type, which makes the devices (nothing is set up before a sound or tune needs it).
inline constexpr char SoundModuleName[] = "parlour_sound";
inline constexpr char SoundModuleEntry[] = "parlour_create_sound_module";
using SoundModuleFactory = SoundModule* (*)();

// The module also exports, as a C `const int` of this name, the version of the interface above it
// was built for. The program uses a module only when that is its own version: raise it with every
// change to SoundModule or the factory, so a module left from another build is refused, not called.
inline constexpr char SoundModuleInterfaceSymbol[] = "parlour_sound_module_interface";
inline constexpr int SoundModuleInterface = 1;

} // namespace platform
