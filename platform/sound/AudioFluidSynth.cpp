#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/SilenceNotices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <dlfcn.h>
#include <fluidsynth.h>

namespace platform {

namespace {

// The font of Debian's timgm6mb-soundfont first, then whatever the system names its default.
const char* const SoundFontNames[] = {"TimGM6mb.sf2", "default-GM.sf2"};

// Background music sits under the game sounds.
constexpr double MusicGain = 0.7;

void quietFluidSynth()
{
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// ALSA writes its own complaints (no card, busy device) straight to the terminal; libasound is
// already loaded with FluidSynth, so its error hook is silenced where it exists. This module is
// loaded privately, so libasound is reached by its own name rather than through the global scope.
void quietAlsa()
{
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!alsa)
        return;
    if (void* symbol = dlsym(alsa, "snd_lib_error_set_handler"))
        reinterpret_cast<SetHandler>(symbol)(&silentAlsaError);
    dlclose(alsa); // only drops the count taken above; FluidSynth keeps the library loaded
}

bool hasAlsaPlaybackDevice()
{
    return !QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*p")}, QDir::System).isEmpty();
}

// The configured default first, then the sound servers, then ALSA when there is a card for it.
QStringList audioDriverCandidates(fluid_settings_t* settings)
{
    QStringList drivers;
    char* preferred = nullptr;
    if (fluid_settings_dupstr(settings, "audio.driver", &preferred) == FLUID_OK && preferred) {
        drivers << QString::fromLatin1(preferred);
        fluid_free(preferred);
    }
    drivers << QStringLiteral("pulseaudio") << QStringLiteral("alsa");
    drivers.removeDuplicates();
    if (!hasAlsaPlaybackDevice())
        drivers.removeAll(QStringLiteral("alsa"));
    return drivers;
}

} // namespace

QString findSoundFont()
{
    const QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const char* name : SoundFontNames) {
        for (const QString& dir : dataDirs) {
            const QString path = dir + QStringLiteral("/sounds/sf2/") + QLatin1String(name);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return {};
}

struct FluidTunePlayer::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    ~Synth()
    {
        stopTune();
        if (driver)
            delete_fluid_audio_driver(driver);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

    void stopTune()
    {
        if (!player)
            return;
        fluid_player_stop(player);
        delete_fluid_player(player);
        player = nullptr;
        fluid_synth_all_sounds_off(synth, -1);
    }
};

FluidTunePlayer::FluidTunePlayer(SilenceNotices& notices, QStringList drivers)
    : m_notices(notices), m_drivers(std::move(drivers))
{
}

FluidTunePlayer::~FluidTunePlayer() = default;

void FluidTunePlayer::start(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    if (!m_tried) {
        // Set up once, on the first tune: a game without music never touches the synthesiser.
        m_tried = true;
        const QString font = findSoundFont();
        if (font.isEmpty()) {
            m_notices.say(SilenceNotices::NoSoundFont);
            return;
        }
        quietFluidSynth();
        quietAlsa();
        auto s = std::make_unique<Synth>();
        s->settings = new_fluid_settings();
        if (!s->settings)
            return;
        fluid_settings_setnum(s->settings, "synth.gain", MusicGain);
        s->synth = new_fluid_synth(s->settings);
        if (!s->synth)
            return;
        const QStringList drivers = m_drivers.isEmpty() ? audioDriverCandidates(s->settings) : m_drivers;
        for (const QString& driver : drivers) {
            fluid_settings_setstr(s->settings, "audio.driver", driver.toLatin1().constData());
            s->driver = new_fluid_audio_driver(s->settings, s->synth);
            if (s->driver)
                break;
        }
        if (!s->driver) {
            m_notices.say(SilenceNotices::NoSoundDevice);
            return;
        }
        if (fluid_synth_sfload(s->synth, QFile::encodeName(font).constData(), 1) == FLUID_FAILED) {
            m_notices.say(SilenceNotices::NoSoundFont);
            return;
        }
        m_synth = std::move(s);
    }
    if (!m_synth)
        return;
    m_synth->stopTune();
    m_synth->player = new_fluid_player(m_synth->synth);
    if (!m_synth->player)
        return;
    if (fluid_player_add(m_synth->player, QFile::encodeName(path).constData()) != FLUID_OK
        || fluid_player_play(m_synth->player) != FLUID_OK)
        m_synth->stopTune();
}

void FluidTunePlayer::stop()
{
    if (m_synth)
        m_synth->stopTune();
}

TuneRendering renderTuneOffline(const QString& midiPath, const QString& soundFont, double maxSeconds)
{
    TuneRendering result;
    quietFluidSynth();
    const QByteArray file = QFile::encodeName(midiPath);
    if (!fluid_is_midifile(file.constData()))
        return result;
    fluid_settings_t* settings = new_fluid_settings();
    // The player follows the samples written, not the wall clock, so rendering runs as fast as it can.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_settings_setnum(settings, "synth.gain", MusicGain);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!soundFont.isEmpty())
        fluid_synth_sfload(synth, QFile::encodeName(soundFont).constData(), 1);
    fluid_player_t* player = new_fluid_player(synth);
    if (fluid_player_add(player, file.constData()) == FLUID_OK && fluid_player_play(player) == FLUID_OK) {
        double rate = 44100;
        fluid_settings_getnum(settings, "synth.sample-rate", &rate);
        constexpr int Block = 512;
        float left[Block], right[Block];
        long frames = 0;
        const long limit = long(maxSeconds * rate);
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && frames < limit) {
            fluid_synth_write_float(synth, Block, left, 0, 1, right, 0, 1);
            for (int i = 0; i < Block; ++i)
                result.peak = std::max({result.peak, double(std::fabs(left[i])), double(std::fabs(right[i]))});
            frames += Block;
        }
        result.loaded = fluid_player_get_total_ticks(player) > 0;
        result.seconds = frames / rate;
    }
    fluid_player_stop(player);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return result;
}

} // namespace platform
