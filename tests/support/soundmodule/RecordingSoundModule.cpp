// A sound module that records what reaches it instead of making a sound. It is built under the real
// module's file name in a folder of its own, so the program loads it the way it loads the real one.
// Built once more with PARLOUR_OTHER_SOUND_INTERFACE, it claims an interface the program does not use.
#include "platform/AudioModule.h"

#include <QStringList>
#include <QtGlobal>

namespace {

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
    void playWave(const QString& path) override { m_log << QStringLiteral("wave ") + path; }
    void startTune(const QString& path) override { m_log << QStringLiteral("start ") + path; }
    void stopTune() override { m_log << QStringLiteral("stop"); }

private:
    QStringList m_log;
};

} // namespace

#ifdef PARLOUR_OTHER_SOUND_INTERFACE
extern "C" Q_DECL_EXPORT const int parlour_sound_module_interface = platform::SoundModuleInterface + 1;
#else
extern "C" Q_DECL_EXPORT const int parlour_sound_module_interface = platform::SoundModuleInterface;
#endif

extern "C" Q_DECL_EXPORT platform::SoundModule* parlour_create_sound_module() { return new RecordingDevices; }

// What reached the devices made last, while they live: "wave <path>", "start <path>", "stop".
extern "C" Q_DECL_EXPORT QStringList parlour_recorded_sound_calls()
{
    return currentLog() ? *currentLog() : QStringList();
}
