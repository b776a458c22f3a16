#pragma once
#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace platform {

// Short sounds over Qt's low-latency sound effects. Loaded sounds are kept, so a repeated sound
// starts at once; only one sound plays at a time.
class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(QObject* parent = nullptr);
    void play(const QString& path);

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_current = nullptr;
};

// Whether the system offers any sound output; asked quietly, so a machine without one prints nothing.
bool hasAudioOutput();

} // namespace platform
