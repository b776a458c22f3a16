#include "platform/sound/SdlOutput.h"
#include "platform/sound/Mixer.h"

#include <SDL.h>
#include <dlfcn.h>

namespace platform {

namespace {

void pull(void* mixer, Uint8* stream, int bytes)
{
    static_cast<Mixer*>(mixer)->render(reinterpret_cast<float*>(stream), bytes / int(sizeof(float) * MixChannels));
}

void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// ALSA writes its complaints (no card, busy device) straight to the terminal; where SDL has loaded
// it, its error hook is silenced.
void quietAlsa()
{
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!alsa)
        return;
    if (void* symbol = dlsym(alsa, "snd_lib_error_set_handler"))
        reinterpret_cast<SetHandler>(symbol)(&silentAlsaError);
    dlclose(alsa); // only drops the count taken above
}

void quietSdl(void*, int, SDL_LogPriority, const char*) {}

} // namespace

bool SdlOutput::open(Mixer& mixer)
{
    close();
    // SDL is a guest here: it must not take the program's signals or talk on the terminal, and its
    // device events go unread.
    SDL_LogSetOutputFunction(&quietSdl, nullptr);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Corvanta's Parlour");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, m_name.constData());
    if (m_driver.isEmpty())
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    else
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, m_driver.constData(), SDL_HINT_OVERRIDE);
    quietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
    SDL_EventState(SDL_AUDIODEVICEREMOVED, SDL_IGNORE);
    quietAlsa();
    SDL_AudioSpec want{};
    want.freq = MixRate;
    want.format = AUDIO_F32SYS;
    want.channels = MixChannels;
    want.samples = Uint16(m_periodFrames);
    want.callback = &pull;
    want.userdata = &mixer;
    SDL_AudioSpec have{};
    // SDL converts when the device wants another format, so the mixer always renders its own.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

bool SdlOutput::failed() const
{
    return m_device != 0 && SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED;
}

void SdlOutput::close()
{
    if (m_device == 0)
        return;
    SDL_CloseAudioDevice(m_device); // returns once the output thread has left the mixer
    m_device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace platform
