#pragma once
// The sounds as the mixer takes them: each WAV file decoded once into the stream's format.
#include "platform/sound/Mixer.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

// What a sound file may cost: the seconds of it that are heard, and the bytes of all clips kept.
inline constexpr int MaxClipSeconds = 4;
inline constexpr std::size_t MaxCachedClipBytes = 8u << 20;

// A RIFF WAVE file of PCM (8, 16, 24 or 32 bits) or float samples, mono or stereo, at any common
// rate, as a clip in the mixer's format, cut after a few seconds; null when it is anything else or
// damaged.
std::shared_ptr<const Clip> decodeWave(const QByteArray& bytes);

// The clips of the files played so far, each decoded on its first play, a few megabytes of them at
// most.
class WaveClips {
public:
    std::shared_ptr<const Clip> clip(const QString& path);
    std::size_t bytesKept() const { return m_samples * sizeof(float); }

private:
    QHash<QString, std::shared_ptr<const Clip>> m_clips;
    std::size_t m_samples = 0; // in all the clips kept
};

} // namespace platform
