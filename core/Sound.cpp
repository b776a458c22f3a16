#include "core/Sound.h"

#include "core/SuiteGlobals.h"
#include "platform/Audio.h"

void PlayWaveFile(const QString& FileName) { platform::playWave(FileName); }

void PlayMidiMusic()
{
    // A second open while the tune is open is refused, so play then lets the running tune go on.
    platform::openMidi(appFile(QStringLiteral("Corvanta") + QStringLiteral(".MID")));
    platform::playMidi();
}

void StopMidiMusic() { platform::closeMidi(); }
