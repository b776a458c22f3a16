#pragma once
#include <QString>

// Plays a WAV file asynchronously by its full path; a new sound cuts off the one playing.
// Callers test gSoundsOn first.
void PlayWaveFile(const QString& FileName);
// Opens the tune "Corvanta.MID" of the program folder and plays it once from where it stands.
void PlayMidiMusic();
// Stops and closes the tune; the next play starts from the beginning.
void StopMidiMusic();
// While held (a minimised game window), the tune is silent and a play only marks it wanted; letting go
// plays it when the last call was a play.
void HoldMidiMusic(bool held);
