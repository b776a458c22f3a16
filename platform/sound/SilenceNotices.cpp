#include "platform/sound/SilenceNotices.h"

#include <QtGlobal>

namespace platform {

void SilenceNotices::say(Reason reason)
{
    if (m_said[reason].exchange(true))
        return;
    switch (reason) {
    case NoSoundFont:
        qInfo("Playing without music: no usable General MIDI sound font (install timgm6mb-soundfont)");
        break;
    case NoSoundDevice:
        qInfo("Playing without sound: no sound device found");
        break;
    case ReasonCount:
        break;
    }
}

} // namespace platform
