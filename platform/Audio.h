#pragma once
// Sounds and the background tune. Nothing here ever reports a failure to the player: a missing file,
// a missing sound module or library, a missing sound font or no sound device at all leaves the
// program silent and running. The devices live in the sound module (platform/AudioModule.h), loaded
// on the first sound or tune actually played; a module that is missing, damaged or not the one built
// with the program is named once on the terminal, and so is each reason the module then stays silent.
#include "platform/LibraryFile.h"

#include <QString>

namespace platform {

// Plays a WAV file asynchronously. A new sound cuts off the one playing; a repeated sound starts at once.
void playWave(const QString& path);

// The tune, driven like a sequencer device opened under one name:
// opening while a tune is open changes nothing; playing lets a started tune run on;
// closing stops it, and after the next open, play starts from the beginning.
void openMidi(const QString& path);
void playMidi();
void closeMidi();

// Tests replace the sound device with a handler; nothing is heard while one is set.
class AudioHandler {
public:
    virtual ~AudioHandler() = default;
    virtual void playWave(const QString& path) = 0;
    virtual void openMidi(const QString& path) = 0;
    virtual void playMidi() = 0;
    virtual void closeMidi() = 0;
};
// The handler is not owned; pass nullptr to return to the real device.
void setAudioHandler(AudioHandler* handler);

// The sound module the program may load: the module's file in `folder` (the program's own folder
// when empty) that is byte for byte the one `built` describes, the fingerprint the build recorded of
// the module it made with the program; any other file there is refused without being loaded (one of
// another length without a byte of it being read), and with no fingerprint set every one is. Setting
// it lets go of a module loaded before, so the next sound looks for it again (and names again one it
// cannot use).
void setSoundModule(const QString& folder, const LibraryFingerprint& built);
// Whether the sound module is loaded and its devices made.
bool soundModuleLoaded();

} // namespace platform
