// A short, fixed-seed mutation run over every reader of player files: each starts from a file the
// writers produce and takes tens of thousands of mangled copies of it. A reader must not crash
// (nor, in a sanitizer build, touch memory or numbers it must not), and the properties the rest
// of the suite relies on must hold for whatever it accepts.
#include "core/cards/Deck.h"
#include "core/scores/HighScoreTable.h"
#include "games/cairnwell/CairnwellSettings.h"
#include "games/duetto/DuettoSettings.h"
#include "games/gridhand/GridhandSettings.h"
#include "games/quickjack/QuickjackSettings.h"
#include "games/spires/SpiresSettings.h"
#include "games/stackjack/StackjackSettings.h"
#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesSavedGameFile.h"
#include "games/tallies/TalliesSettings.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/MidiFile.h"
#include "platform/sound/TuneSequencer.h"
#include "support/FileBytes.h"
#include "support/TestMidi.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {
constexpr int Rounds = 40000;

// Pieces that readers treat specially, spliced in at random.
const QByteArray Tokens[] = {"\r\n", "\r", "\n", ",", "\"", " ", "\t", "[State]", "[Width]", "[CardGoal]",
                             "[Card Goal]", "[Round 1 Deck]", "True", "False", "1e400", "1e300", "-1e300",
                             "nan", "inf", "2147483648", "-9223372036854775809", "0.5", "\xff", "\xc3",
                             "\xc3\xa9", "\xf0\x9f\x98\x80", QByteArray(1, '\0'), "1S", "13D", "*"};

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    QByteArray mutate(const QByteArray& seed)
    {
        QByteArray b = seed;
        const int steps = 1 + below(6);
        for (int s = 0; s < steps; ++s) {
            const int at = b.isEmpty() ? 0 : below(int(b.size()) + 1);
            switch (below(6)) {
            case 0: // flip a byte
                if (!b.isEmpty())
                    b[std::min<int>(at, int(b.size()) - 1)] = char(below(256));
                break;
            case 1: // insert a token
                b.insert(at, Tokens[below(int(std::size(Tokens)))]);
                break;
            case 2: // delete a run
                b.remove(at, below(16));
                break;
            case 3: // repeat a run
                b.insert(at, b.mid(at, below(32)).repeated(1 + below(4)));
                break;
            case 4: // random bytes
                for (int n = below(8); n > 0; --n)
                    b.insert(at, char(below(256)));
                break;
            default: // cut the file short
                b.truncate(at);
                break;
            }
        }
        return b;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    std::mt19937 m_random;
};

void fuzz(const QByteArray& seed, std::uint32_t randomSeed, const std::function<void(const QByteArray&)>& read)
{
    Mutator mutator(randomSeed);
    read(seed);
    for (int i = 0; i < Rounds; ++i)
        read(mutator.mutate(seed));
}

QString text(const QByteArray& bytes) { return platform::decodeText(bytes); }

settingsfile::WindowPlacement window() { return {0, 9540, 7200}; }
} // namespace

TEST(ReadersFuzz, ItemReaderAndDecodingSurviveAnyBytes)
{
    fuzz("[Time]\r\n90\r\n\r\n\"a, b\", c\nd\re", 1, [](const QByteArray& bytes) {
        platform::ItemReader reader(text(bytes));
        int items = 0;
        while (!reader.atEnd()) {
            reader.next();
            ASSERT_LE(++items, bytes.size() + 1);
        }
    });
}

TEST(ReadersFuzz, EverySettingsReaderSurvivesAnyFile)
{
    using Reader = std::function<void(const QString&)>;
    // Each as the game reads its file: the item reader over the file's text.
    auto items = [](auto read) {
        return [read](const QString& contents) {
            platform::ItemReader reader(contents);
            read(reader);
        };
    };
    const std::pair<QByteArray, Reader> readers[] = {
        {tallies::SettingsINIText(tallies::DefaultTalliesSettings({0, 9540, 7200})),
         [](const QString& contents) {
             const tallies::TalliesSettings s = tallies::ParseSettingsINI(contents);
             if (s.windowState) {
                 ASSERT_TRUE(*s.windowState >= 0 && *s.windowState <= 2);
             }
         }},
        {stackjack::SettingsText({}, window()), items([](platform::ItemReader& r) { stackjack::ReadSettingsINI(r); })},
        {quickjack::SettingsText({}, window()), items([](platform::ItemReader& r) { quickjack::ReadSettingsINI(r); })},
        {spires::SettingsText({}, window()), items([](platform::ItemReader& r) { spires::ReadSettingsINI(r); })},
        {duetto::SettingsText({}, window()), items([](platform::ItemReader& r) { duetto::ReadSettingsINI(r); })},
        {gridhand::SettingsText(window()), items([](platform::ItemReader& r) { gridhand::ReadSettingsINI(r); })},
        {cairnwell::SettingsText({}, window()), items([](platform::ItemReader& r) { cairnwell::ReadSettingsINI(r); })},
    };
    std::uint32_t seed = 10;
    for (const auto& [file, read] : readers) {
        ASSERT_FALSE(file.isEmpty());
        fuzz(file, ++seed, [&read](const QByteArray& bytes) { read(text(bytes)); });
    }
}

TEST(ReadersFuzz, ATableReadFromAnyFileIsWrittenBackAsOneLinePerEntry)
{
    QByteArray seed;
    for (int i = 1; i <= 10; ++i)
        seed += "Player " + QByteArray::number(i) + (i % 3 ? ", " : "*, ") + QByteArray::number(11000 - 1000 * i) +
                "\r\n";
    seed += "\r\n";
    Mutator names(2);
    fuzz(seed, 3, [&names](const QByteArray& bytes) {
        const HighScoreTable table = HighScoreTable::parse(bytes);
        const HighScoreTable::Placement placement = table.placeFor(5500);
        if (!placement.readable || !placement.place)
            return;
        // A name as mangled as the file: it still takes one line of the table written.
        const QString name = text(names.mutate("Ann Smith")).remove(QLatin1Char(','));
        const HighScoreTable written = table.withEntry(*placement.place, name, 5500);
        const HighScoreTable reread = HighScoreTable::parse(written.text());
        ASSERT_EQ(reread.lines().size(), written.lines().size());
        ASSERT_LE(reread.lines().size(), std::size_t(HighScoreTable::Size));
    });
}

TEST(ReadersFuzz, ASavedGameIsAcceptedOnlyWithEachRoundHoldingItsGoalsDeck)
{
    std::vector<CardCode> cards = tallies::TalliesDeckCards(11);
    std::shuffle(cards.begin() + 1, cards.end(), std::mt19937(4));
    QByteArray seed = "[Card Goal]\r\n11\r\n[Time Limit]\r\n90\r\n[Score]\r\n81234\r\n[Custom]\r\nFalse\r\n"
                      "[UserName]\r\nAnn\r\n[Round 1 Deck]\r\n";
    for (std::size_t p = 1; p < cards.size(); ++p)
        seed += QByteArray::fromStdString(trimmedCode(cards[p])) + "\r\n";
    seed += "\r\n";
    ASSERT_TRUE(tallies::ParseSavedGame(text(seed)));

    auto sortedCodes = [](const std::vector<CardCode>& deck) {
        QStringList codes;
        for (std::size_t p = 1; p < deck.size(); ++p)
            codes << QString::fromStdString(trimmedCode(deck[p]));
        codes.sort();
        return codes;
    };
    int accepted = 0;
    fuzz(seed, 5, [&](const QByteArray& bytes) {
        const auto game = tallies::ParseSavedGame(text(bytes));
        if (!game)
            return;
        ++accepted;
        ASSERT_GE(game->cardGoal, 10);
        ASSERT_LE(game->cardGoal, 15);
        const QStringList deck = sortedCodes(tallies::TalliesDeckCards(game->cardGoal));
        for (const auto& round : game->roundDecks) {
            if (!round.empty()) {
                ASSERT_EQ(sortedCodes(round), deck);
            }
        }
        tallies::SavedGameSummary(*game);
    });
    EXPECT_GT(accepted, 0); // the run reaches past the checks, not only into them
}

namespace {

// Takes whatever it is handed and never sounds: the sequencer's own pace, at no synthesiser's cost.
class SilentSynth : public platform::TuneSynth {
public:
    void channelEvent(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    void systemExclusive(const char*, int) override {}
    void letGo() override {}
    void render(float*, float*, int) override {}
    bool sounding() const override { return false; }
};

void expectWellFormed(const platform::MidiTune& tune)
{
    ASSERT_LE(tune.events.size(), std::size_t(platform::MaxMidiEvents));
    ASSERT_LE(tune.endFrame, platform::MaxMidiSeconds * platform::MixRate);
    std::int64_t last = 0;
    for (const platform::MidiEvent& e : tune.events) {
        ASSERT_GE(e.frame, last);
        ASSERT_LE(e.frame, tune.endFrame);
        last = e.frame;
        ASSERT_GE(e.status, 0x80);
        ASSERT_TRUE(e.status < 0xF0 || e.status == 0xF0);
        ASSERT_LT(e.data1, 0x80);
        ASSERT_LT(e.data2, 0x80);
        if (e.status == 0xF0) {
            ASSERT_LE(std::int64_t(e.sysexAt) + e.sysexLength, tune.sysex.size());
            const QByteArray body = tune.sysex.mid(e.sysexAt, e.sysexLength);
            ASSERT_TRUE(std::all_of(body.begin(), body.end(), [](char b) { return std::uint8_t(b) < 0x80; }));
        }
    }
}
} // namespace

// Any tune the reader accepts is in play order inside its bounds, and is played to its end or
// stopped within a bounded number of blocks: by the sequencer alone, and for a spread of them
// through the real synthesiser too, when a sound font is installed.
TEST(ReadersFuzz, ATuneReadFromAnyFilePlaysToItsEndOrIsStopped)
{
    using platform::TuneSequencer;
    const QByteArray seed = readBytes(testmidi::suiteTunePath());
    ASSERT_TRUE(platform::readMidiFile(seed));
    constexpr int Block = 2048;
    const QString font = platform::findSoundFont();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvanta.MID"));
    constexpr int Synthesised = 8; // each takes most of a second
    constexpr double MaxReleaseSeconds = 120; // a sound font's longest release is some 100 s
    int accepted = 0, synthesised = 0;
    fuzz(seed, 6, [&](const QByteArray& bytes) {
        std::optional<platform::MidiTune> tune = platform::readMidiFile(bytes);
        if (!tune)
            return;
        ++accepted;
        expectWellFormed(*tune);
        const std::int64_t endFrame = tune->endFrame;
        const std::int64_t bound = (endFrame + TuneSequencer::RingFrames + TuneSequencer::MaxLateFrames) / Block + 3;
        const bool hasEvents = !tune->events.empty();
        const auto noCpu = [] { return std::chrono::nanoseconds(0); }; // only the sequencer's own pace here
        TuneSequencer sequencer(std::move(*tune), std::make_unique<SilentSynth>(), noCpu);
        std::vector<float> out(Block * 2);
        std::int64_t blocks = 1;
        while (sequencer.mixInto(out.data(), Block))
            ASSERT_LE(++blocks, bound);

        // The real synthesiser for some, spread over the run, that last no longer than the tune.
        if (font.isEmpty() || synthesised >= Synthesised || accepted % 100 != 0 || endFrame > 60 * platform::MixRate)
            return;
        ++synthesised;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const double limit = double(endFrame) / platform::MixRate + 2 + MaxReleaseSeconds;
        const platform::TuneRendering r = platform::renderTuneOffline(path, font, limit);
        ASSERT_EQ(r.loaded, hasEvents);
        if (r.loaded) {
            ASSERT_TRUE(r.cutShort || r.seconds < limit);
        }
    });
    EXPECT_GT(accepted, 0);
    if (!font.isEmpty()) {
        EXPECT_GT(synthesised, 0);
    }
    std::printf("%d of %d mangled tunes read, %d of them through the synthesiser\n", accepted, Rounds, synthesised);
}
