#include "core/Sound.h"

// Silent until the audio backend lands.
void PlayWaveFile(const QString&) {}
void PlayMidiMusic() {}
void StopMidiMusic() {}
