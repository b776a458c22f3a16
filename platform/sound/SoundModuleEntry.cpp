#include "platform/sound/SoundDevices.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT platform::SoundModule* parlour_create_sound_module() { return new platform::SoundDevices; }
