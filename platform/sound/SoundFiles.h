#pragma once
// The sounds and the tune as the mixer takes them: each WAV file decoded once into the stream's
// format, and the files read without ever blocking on something that is not a file.
#include "platform/sound/Mixer.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

// The whole of a regular file of at most `maxBytes`; nothing for anything else (a pipe or a device
// is opened without blocking and never read), a larger file or one that cannot be read.
std::optional<QByteArray> readSoundFile(const QString& path, qint64 maxBytes);

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
