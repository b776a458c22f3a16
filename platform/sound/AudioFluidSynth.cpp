#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/SilenceNotices.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <fluidsynth.h>
#include <vector>

namespace platform {

namespace {

// The font of Debian's timgm6mb-soundfont first, then whatever the system names its default.
const char* const SoundFontNames[] = {"TimGM6mb.sf2", "default-GM.sf2"};

// Background music sits under the game sounds.
constexpr double MusicGain = 0.7;

// A tune is a few kilobytes; the bound only guards against a huge file at the name.
constexpr qint64 MaxTuneBytes = 4 << 20;

void quietFluidSynth()
{
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
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

struct FluidTunes::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;

    // A synthesiser at the mixer's rate whose tunes keep time by the frames rendered, not by the
    // clock: a tune lasts as long as it was written, whenever its frames are asked for.
    explicit Synth(const QString& soundFont)
    {
        quietFluidSynth();
        settings = new_fluid_settings();
        if (!settings)
            return;
        fluid_settings_setnum(settings, "synth.sample-rate", MixRate);
        fluid_settings_setnum(settings, "synth.gain", MusicGain);
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        synth = new_fluid_synth(settings);
        if (synth && !soundFont.isEmpty()
            && fluid_synth_sfload(synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED) {
            delete_fluid_synth(synth);
            synth = nullptr;
        }
    }
    ~Synth()
    {
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

namespace {

class FluidVoice : public TuneVoice {
public:
    FluidVoice(fluid_synth_t* synth, fluid_player_t* player) : m_synth(synth), m_player(player) {}
    ~FluidVoice() override
    {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
        // The next tune starts from silence, with the instruments back at their defaults.
        fluid_synth_system_reset(m_synth);
    }

    bool mixInto(float* stereo, int frames) override
    {
        m_left.resize(std::size_t(frames));
        m_right.resize(std::size_t(frames));
        fluid_synth_write_float(m_synth, frames, m_left.data(), 0, 1, m_right.data(), 0, 1);
        for (int i = 0; i < frames; ++i) {
            stereo[2 * i] += m_left[std::size_t(i)];
            stereo[2 * i + 1] += m_right[std::size_t(i)];
        }
        // Ended once the player has played its last event and the last note has died away.
        return fluid_player_get_status(m_player) == FLUID_PLAYER_PLAYING
               || fluid_synth_get_active_voice_count(m_synth) > 0;
    }

    bool hadEvents() const { return fluid_player_get_total_ticks(m_player) > 0; }

private:
    fluid_synth_t* m_synth;
    fluid_player_t* m_player;
    std::vector<float> m_left, m_right;
};

// The tune's bytes are read here, without blocking, rather than by FluidSynth from the name.
std::unique_ptr<FluidVoice> voiceFor(fluid_synth_t* synth, const QString& path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxTuneBytes);
    if (!bytes || bytes->size() < 4 || !bytes->startsWith("MThd"))
        return nullptr;
    fluid_player_t* player = new_fluid_player(synth);
    if (!player)
        return nullptr;
    if (fluid_player_add_mem(player, bytes->constData(), std::size_t(bytes->size())) != FLUID_OK
        || fluid_player_play(player) != FLUID_OK) {
        delete_fluid_player(player);
        return nullptr;
    }
    return std::make_unique<FluidVoice>(synth, player);
}

} // namespace

FluidTunes::FluidTunes(SilenceNotices& notices) : m_notices(notices) {}

FluidTunes::~FluidTunes() = default;

std::unique_ptr<TuneVoice> FluidTunes::voice(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    if (!m_tried) {
        // Set up once, on the first tune: a game without music never touches the synthesiser.
        m_tried = true;
        const QString font = findSoundFont();
        auto synth = font.isEmpty() ? nullptr : std::make_unique<Synth>(font);
        if (!synth || !synth->synth) {
            m_notices.say(SilenceNotices::NoSoundFont);
            return nullptr;
        }
        m_synth = std::move(synth);
    }
    return m_synth ? voiceFor(m_synth->synth, path) : nullptr;
}

TuneRendering renderTuneOffline(const QString& midiPath, const QString& soundFont, double maxSeconds)
{
    TuneRendering result;
    FluidTunes::Synth synth(soundFont);
    if (!synth.synth)
        return result;
    std::unique_ptr<FluidVoice> voice = voiceFor(synth.synth, midiPath);
    if (!voice)
        return result;
    constexpr int Block = 512;
    float frames[Block * MixChannels];
    long rendered = 0;
    const auto limit = long(maxSeconds * MixRate);
    bool sounding = true;
    while (sounding && rendered < limit) {
        std::fill(std::begin(frames), std::end(frames), 0.0f);
        sounding = voice->mixInto(frames, Block);
        for (float v : frames)
            result.peak = std::max(result.peak, double(std::fabs(v)));
        rendered += Block;
    }
    result.loaded = voice->hadEvents();
    result.seconds = double(rendered) / MixRate;
    return result;
}

} // namespace platform
