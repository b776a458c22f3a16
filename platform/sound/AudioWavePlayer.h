#pragma once
#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace platform {

class SilenceNotices;

// Whether the system offers any sound output; asked quietly, so a machine without one prints nothing.
bool hasAudioOutput();

// Short sounds over Qt's low-latency sound effects. Loaded sounds are kept, so a repeated sound
// starts at once; only one sound plays at a time. Without a sound output it stays silent and says so
// once through `notices`; `hasOutput` is asked before each sound.
class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(SilenceNotices& notices, bool (*hasOutput)() = hasAudioOutput, QObject* parent = nullptr);
    void play(const QString& path);

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_current = nullptr;
    SilenceNotices& m_notices;
    bool (*m_hasOutput)();
};

} // namespace platform
