#pragma once
// The sounds as the mixer takes them: each WAV file decoded once into the stream's format.
#include "platform/sound/Mixer.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

// A RIFF WAVE file of PCM (8, 16, 24 or 32 bits) or float samples, mono or stereo, at any common
// rate, as a clip in the mixer's format; null when it is anything else or damaged.
std::shared_ptr<const Clip> decodeWave(const QByteArray& bytes);

// The clips of the files played so far, each decoded on its first play.
class WaveClips {
public:
    std::shared_ptr<const Clip> clip(const QString& path);

private:
    QHash<QString, std::shared_ptr<const Clip>> m_clips;
};

} // namespace platform
