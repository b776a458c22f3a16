#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/MidiFile.h"
#include "platform/sound/SilenceNotices.h"
#include "platform/sound/TuneSequencer.h"
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

    // A synthesiser at the mixer's rate, driven event by event by our own sequencer.
    explicit Synth(const QString& soundFont)
    {
        quietFluidSynth();
        settings = new_fluid_settings();
        if (!settings)
            return;
        fluid_settings_setnum(settings, "synth.sample-rate", MixRate);
        fluid_settings_setnum(settings, "synth.gain", MusicGain);
        fluid_settings_setint(settings, "synth.lock-memory", 0);
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

// The synthesiser as one tune's sequencer plays it; it goes back to its defaults when the tune goes.
class FluidTuneSynth : public TuneSynth {
public:
    explicit FluidTuneSynth(fluid_synth_t* synth) : m_synth(synth) {}
    ~FluidTuneSynth() override
    {
        // The next tune starts from silence, with the instruments back at their defaults.
        fluid_synth_system_reset(m_synth);
    }

    void channelEvent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override
    {
        const int channel = status & 0x0F;
        switch (status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(m_synth, channel, data1);
            break;
        case 0x90:
            fluid_synth_noteon(m_synth, channel, data1, data2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(m_synth, channel, data1, data2);
            break;
        case 0xB0:
            fluid_synth_cc(m_synth, channel, data1, data2);
            break;
        case 0xC0:
            fluid_synth_program_change(m_synth, channel, data1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(m_synth, channel, data1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(m_synth, channel, data1 | data2 << 7);
            break;
        default:
            break;
        }
    }

    void systemExclusive(const char* data, int length) override
    {
        fluid_synth_sysex(m_synth, data, length, nullptr, nullptr, nullptr, 0);
    }

    void letGo() override
    {
        constexpr int Sustain = 64, Sostenuto = 66;
        for (int channel = 0; channel < fluid_synth_count_midi_channels(m_synth); ++channel) {
            fluid_synth_cc(m_synth, channel, Sustain, 0);
            fluid_synth_cc(m_synth, channel, Sostenuto, 0);
            fluid_synth_all_notes_off(m_synth, channel);
        }
    }

    void render(float* left, float* right, int frames) override
    {
        fluid_synth_write_float(m_synth, frames, left, 0, 1, right, 0, 1);
    }

    bool sounding() const override { return fluid_synth_get_active_voice_count(m_synth) > 0; }

private:
    fluid_synth_t* m_synth;
};

// The tune's bytes are read here, without blocking, and checked by our own reader: the synthesiser
// only ever sees events that make sense, at a pace it can keep.
std::unique_ptr<TuneSequencer> voiceFor(fluid_synth_t* synth, const QString& path, TuneSequencer::CpuClock cpuClock)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxTuneBytes);
    if (!bytes)
        return nullptr;
    std::optional<MidiTune> tune = readMidiFile(*bytes);
    if (!tune || tune->events.empty())
        return nullptr;
    return std::make_unique<TuneSequencer>(std::move(*tune), std::make_unique<FluidTuneSynth>(synth),
                                           std::move(cpuClock));
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
    return m_synth ? voiceFor(m_synth->synth, path, TuneSequencer::threadCpuTime) : nullptr;
}

TuneRendering renderTuneOffline(const QString& midiPath, const QString& soundFont, double maxSeconds,
                                TuneSequencer::CpuClock cpuClock)
{
    TuneRendering result;
    FluidTunes::Synth synth(soundFont);
    if (!synth.synth)
        return result;
    std::unique_ptr<TuneSequencer> voice = voiceFor(synth.synth, midiPath, std::move(cpuClock));
    if (!voice)
        return result;
    result.loaded = true;
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
    result.cutShort = voice->cutShort();
    result.seconds = double(rendered) / MixRate;
    return result;
}

} // namespace platform
