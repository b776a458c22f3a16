#include "core/Sound.h"

#include "core/SuiteGlobals.h"
#include "platform/Audio.h"

void PlayWaveFile(const QString& FileName) { platform::playWave(FileName); }

namespace {
bool musicHeld = false;
bool musicWanted = false;

void openAndPlay()
{
    // A second open while the tune is open is refused, so play then lets the running tune go on.
    platform::openMidi(appFile(QStringLiteral("Corvanta") + QStringLiteral(".MID")));
    platform::playMidi();
}
} // namespace

void PlayMidiMusic()
{
    musicWanted = true;
    if (!musicHeld)
        openAndPlay();
}

void StopMidiMusic()
{
    musicWanted = false;
    platform::closeMidi();
}

void HoldMidiMusic(bool held)
{
    if (held == musicHeld)
        return;
    musicHeld = held;
    if (held)
        platform::closeMidi();
    else if (musicWanted)
        openAndPlay();
}
