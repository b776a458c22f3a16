#include "games/duetto/DuettoSettings.h"

#include "core/cards/DeckNumbers.h"
#include "core/scores/GameScoring.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/DuettoCustomScoring.h"
#include "platform/ItemReader.h"

#include <limits>

namespace duetto {

namespace {

constexpr settingsfile::MaximisedSize Maximised{9570, 7200};

const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kPairs = QStringLiteral("[Pairs Bonus]");
const QString kRuns = QStringLiteral("[Runs Bonus]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompletion = QStringLiteral("[Completion Bonus]");
const QString kDeck = QStringLiteral("[Deck]");

QString fileName() { return QString::fromLatin1(SettingsFileName); }

} // namespace

int DeckDesignNumber(CardBackDesign design) { return DeckNumberOf(design, DeckNumbering::PalmTreeFirst); }

std::optional<CardBackDesign> CardBackOfDeckNumber(int number)
{
    return DesignOfDeckNumber(number, DeckNumbering::PalmTreeFirst);
}

DuettoSettings ReadSettingsINI(platform::ItemReader& reader)
{
    // The scoring values are taken as the file has them, even beyond what the user-options dialog
    // accepts; only a number that no 32-bit value can hold is passed over.
    constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();
    DuettoSettings s;
    settingsfile::SettingsKeys keys;
    keys.oneOf(kTime, s.timeLimit, OfferedTimeLimits)
        .onOff(kSounds, s.soundsOn)
        .onOff(kMusic, s.musicOn)
        .onOff(kCountDown, s.countDownScore)
        .number(kPairs, s.pairsBonus, Lowest, Highest)
        .number(kRuns, s.runsBonus, Lowest, Highest)
        .number(kTimeBonus, s.timeBonus, Lowest, Highest)
        .number(kBonusScore, s.bonusScore, Lowest, Highest)
        .number(kCompletion, s.completionBonus, Lowest, Highest)
        .placement(s.windowState, s.widthTw, s.heightTw)
        .on(kDeck,
            [&s](const QString& value) {
                if (const auto design = DesignOfDeckText(value, DeckNumbering::PalmTreeFirst))
                    s.cardBack = design;
            });
    keys.readFrom(reader);
    return s;
}

DuettoSettings LoadSettingsINI(const WindowPlacement& placement)
{
    auto reader =
        settingsfile::OpenOrCreate(fileName(), [&placement] { WriteSettingsINI(CurrentSettings(), placement); });
    return reader ? ReadSettingsINI(*reader) : DuettoSettings{};
}

void ApplyScoringSettings(const DuettoSettings& s)
{
    if (s.countDownScore)
        gCountDownScore = *s.countDownScore;
    if (s.pairsBonus)
        gPairsBonus = *s.pairsBonus;
    if (s.runsBonus)
        gRunsBonus = *s.runsBonus;
    if (s.timeBonus)
        gTimeBonus = *s.timeBonus;
    if (s.bonusScore)
        gBonusRoundScore = *s.bonusScore;
    if (s.completionBonus)
        gCompletionBonus = *s.completionBonus;
}

void ApplyWindowPlacement(QWidget& window, const DuettoSettings& s)
{
    settingsfile::ApplyWindowPlacement(window, s.windowState, s.widthTw, s.heightTw);
}

DuettoSettingsValues CurrentSettings()
{
    DuettoSettingsValues v;
    v.timeLimit = gTimeLimit;
    v.soundsOn = gSoundsOn;
    v.musicOn = gMusicOn;
    v.deckDesign = gDeckDesign;
    v.countDownScore = gCountDownScore;
    v.pairsBonus = gPairsBonus;
    v.runsBonus = gRunsBonus;
    v.timeBonus = gTimeBonus;
    v.bonusScore = gBonusRoundScore;
    v.completionBonus = gCompletionBonus;
    return v;
}

QByteArray SettingsText(const DuettoSettingsValues& v, const WindowPlacement& placement)
{
    // "[Play Music]" stands twice; the file ends with the last record's empty line.
    return settingsfile::SettingsWriter()
        .onOff(kMusic, v.musicOn)
        .number(kTime, v.timeLimit)
        .onOff(kSounds, v.soundsOn)
        .onOff(kMusic, v.musicOn)
        .onOff(kCountDown, v.countDownScore)
        .number(kPairs, v.pairsBonus)
        .number(kRuns, v.runsBonus)
        .number(kTimeBonus, v.timeBonus)
        .number(kBonusScore, v.bonusScore)
        .number(kCompletion, v.completionBonus)
        .placement(placement, Maximised)
        .number(kDeck, v.deckDesign)
        .contents(false);
}

bool WriteSettingsINI(const DuettoSettingsValues& values, const WindowPlacement& placement)
{
    return settingsfile::WriteWhole(fileName(), SettingsText(values, placement));
}

QString SettingsNotSavedMessage() { return settingsfile::NotSavedMessage(fileName()); }

} // namespace duetto
