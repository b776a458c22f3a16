// A sound module that records what reaches it instead of making a sound. It is built under the real
// module's file name in a folder of its own, so the program loads it the way it loads the real one.
// Built once more with PARLOUR_OTHER_SOUND_BUILD, it stands for a module of another build: the same
// entry points, other bytes, and what reaches it marked as such.
#include "platform/AudioModule.h"

#include <QStringList>
#include <QtGlobal>

namespace {

#ifdef PARLOUR_OTHER_SOUND_BUILD
const QString Build = QStringLiteral("other build: ");
#else
const QString Build;
#endif

QStringList*& currentLog()
{
    static QStringList* log = nullptr;
    return log;
}

class RecordingDevices : public platform::SoundModule {
public:
    RecordingDevices() { currentLog() = &m_log; }
    ~RecordingDevices() override
    {
        if (currentLog() == &m_log)
            currentLog() = nullptr;
    }
    void playWave(const QString& path) override { m_log << Build + QStringLiteral("wave ") + path; }
    void startTune(const QString& path) override { m_log << Build + QStringLiteral("start ") + path; }
    void stopTune() override { m_log << Build + QStringLiteral("stop"); }

private:
    QStringList m_log;
};

} // namespace

extern "C" Q_DECL_EXPORT platform::SoundModule* parlour_create_sound_module() { return new RecordingDevices; }

// What reached the devices made last, while they live: "wave <path>", "start <path>", "stop".
extern "C" Q_DECL_EXPORT QStringList parlour_recorded_sound_calls()
{
    return currentLog() ? *currentLog() : QStringList();
}
