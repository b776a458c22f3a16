#include "platform/sound/AudioWavePlayer.h"
#include "platform/sound/SilenceNotices.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

namespace {
// The suite uses a dozen sounds; the bound only guards against a caller passing endless names.
constexpr int MaxCachedEffects = 32;

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

bool hasAudioOutput()
{
    // The first query connects to the sound server, which complains on the terminal when there is none.
    static const bool probed = [] {
        const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
        QMediaDevices::audioOutputs();
        qInstallMessageHandler(previous);
        return true;
    }();
    (void)probed;
    return !QMediaDevices::audioOutputs().isEmpty();
}

WavePlayer::WavePlayer(SilenceNotices& notices, bool (*hasOutput)(), QObject* parent)
    : QObject(parent), m_notices(notices), m_hasOutput(hasOutput)
{
}

QSoundEffect* WavePlayer::effectFor(const QString& path)
{
    if (QSoundEffect* known = m_effects.value(path))
        return known;
    if (m_effects.size() >= MaxCachedEffects) {
        for (auto it = m_effects.begin(); it != m_effects.end();) {
            if (it.value() == m_current) {
                ++it;
                continue;
            }
            delete it.value();
            it = m_effects.erase(it);
        }
    }
    auto* effect = new QSoundEffect(QMediaDevices::defaultAudioOutput(), this);
    effect->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(path, effect);
    return effect;
}

void WavePlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    if (!m_hasOutput()) {
        m_notices.say(SilenceNotices::NoSoundDevice);
        return;
    }
    QSoundEffect* effect = effectFor(path);
    if (effect->status() == QSoundEffect::Error)
        return;
    if (m_current && m_current != effect)
        m_current->stop();
    effect->stop(); // the same sound again starts over
    effect->play(); // plays as soon as it is loaded when it is still loading
    m_current = effect;
}

} // namespace platform
