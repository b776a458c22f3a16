#include "games/cairnwell/CairnwellSettings.h"

#include "core/cards/DeckNumbers.h"
#include "core/scores/GameScoring.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/cairnwell/CairnwellCustomScoring.h"
#include "platform/ItemReader.h"

#include <limits>

namespace cairnwell {

namespace {

constexpr settingsfile::MaximisedSize Maximised{9540, 7305};

const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonus = QStringLiteral("[Bonus Score]");
const QString kTrips = QStringLiteral("[Trips Score]");
const QString kRuns = QStringLiteral("[Runs Score]");
const QString kFlush = QStringLiteral("[Flush Score]");

QString fileName() { return QString::fromLatin1(SettingsFileName); }

} // namespace

CairnwellSettings ReadSettingsINI(platform::ItemReader& reader)
{
    // The scoring values are taken as the file has them, even beyond what the user-options dialog
    // accepts; only a number that no 32-bit value can hold is passed over.
    constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();
    CairnwellSettings s;
    settingsfile::SettingsKeys keys;
    keys.oneOf(kTime, s.timeLimit, OfferedTimeLimits)
        .onOff(kSounds, s.soundsOn)
        .onOff(kMusic, s.musicOn)
        .onOff(kCountDown, s.countDownScore)
        .on(kDeck,
            [&s](const QString& value) {
                if (const auto design = DesignOfDeckText(value, DeckNumbering::PalmTreeFirst))
                    s.cardBack = design;
            })
        .number(kTimeBonus, s.timeBonus, Lowest, Highest)
        .number(kBonus, s.bonusScore, Lowest, Highest)
        .number(kTrips, s.tripsScore, Lowest, Highest)
        .number(kRuns, s.runsScore, Lowest, Highest)
        .number(kFlush, s.flushScore, Lowest, Highest)
        .placement(s.windowState, s.widthTw, s.heightTw);
    keys.readFrom(reader);
    return s;
}

CairnwellSettingsValues CurrentSettings()
{
    CairnwellSettingsValues v;
    v.timeLimit = gTimeLimit;
    v.soundsOn = gSoundsOn;
    v.musicOn = gMusicOn;
    v.countDownScore = gCountDownScore;
    v.deckDesign = gDeckDesign;
    v.timeBonus = gTimeBonus;
    v.bonusScore = gBonusRoundScore;
    v.runValue = gRunValue;
    v.trioValue = gTrioValue;
    v.flushValue = gFlushPoints;
    return v;
}

QByteArray SettingsText(const CairnwellSettingsValues& v, const WindowPlacement& placement)
{
    return settingsfile::SettingsWriter()
        .number(kTime, v.timeLimit)
        .onOff(kSounds, v.soundsOn)
        .onOff(kMusic, v.musicOn)
        .onOff(kCountDown, v.countDownScore)
        .number(kDeck, v.deckDesign)
        .number(kTimeBonus, v.timeBonus)
        .number(kBonus, v.bonusScore)
        .number(kTrips, v.trioValue)
        .number(kRuns, v.runValue)
        .number(kFlush, v.flushValue)
        .placement(placement, Maximised)
        .contents(true);
}

bool WriteSettingsINI(const CairnwellSettingsValues& values, const WindowPlacement& placement)
{
    return settingsfile::WriteWhole(fileName(), SettingsText(values, placement));
}

CairnwellSettings LoadSettingsINI(const WindowPlacement& placement)
{
    auto reader =
        settingsfile::OpenOrCreate(fileName(), [&placement] { WriteSettingsINI(CurrentSettings(), placement); });
    return reader ? ReadSettingsINI(*reader) : CairnwellSettings{};
}

void ApplyScoringSettings(const CairnwellSettings& s)
{
    if (s.countDownScore)
        gCountDownScore = *s.countDownScore;
    if (s.timeBonus)
        gTimeBonus = *s.timeBonus;
    if (s.bonusScore)
        gBonusRoundScore = *s.bonusScore;
    if (s.tripsScore)
        gTrioValue = *s.tripsScore;
    if (s.runsScore)
        gRunValue = *s.runsScore;
    if (s.flushScore)
        gFlushPoints = *s.flushScore;
}

void ApplyWindowPlacement(QWidget& window, const CairnwellSettings& s)
{
    settingsfile::ApplyWindowPlacement(window, s.windowState, s.widthTw, s.heightTw);
}

SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement)
{
    if (WriteSettingsINI(CurrentSettings(), placement))
        return {};
    return {false, settingsfile::NotSavedMessage(fileName())};
}

} // namespace cairnwell
