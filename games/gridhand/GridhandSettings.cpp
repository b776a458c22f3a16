#include "games/gridhand/GridhandSettings.h"

#include "core/scores/GameScoring.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandCustomScoring.h"
#include "platform/ItemReader.h"

#include <limits>

namespace gridhand {

namespace {

constexpr settingsfile::MaximisedSize Maximised{9570, 7200};

const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonus = QStringLiteral("[Bonus Score]");
const QString kPair = QStringLiteral("[Pair Score]");
const QString kTwoPair = QStringLiteral("[Two Pair Score]");
const QString kTrips = QStringLiteral("[Trips Score]");
const QString kFlush = QStringLiteral("[Flush Score]");
const QString kFullHouse = QStringLiteral("[Full House Score]");
const QString kStraight = QStringLiteral("[Straight Score]");
const QString kFour = QStringLiteral("[Four Score]");
const QString kStFlush = QStringLiteral("[Straight Flush Score]");
const QString kRoyal = QStringLiteral("[Royal Flush Score]");
const QString kOverWrites = QStringLiteral("[Over Writes]");

QString fileName() { return QString::fromLatin1(SettingsFileName); }

} // namespace

GridhandSettings ReadSettingsINI(platform::ItemReader& reader)
{
    GridhandSettings s;
    settingsfile::SettingsKeys keys;
    // The scoring values are taken as the file has them, even beyond what the user-options dialog
    // accepts; only a number that no 32-bit value can hold is passed over. The overwrites keep the
    // dialog's highest: more than 26 could empty the deck before the grid is full.
    constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();
    keys.oneOf(kTime, s.timeLimit, OfferedTimeLimits)
        .onOff(kSounds, s.soundsOn)
        .onOff(kMusic, s.musicOn)
        .onOff(kCountDown, s.countDownScore)
        .oneOf(kDeck, s.deckDesign, {1, 2, 3, 4})
        .number(kTimeBonus, s.timeBonus, Lowest, Highest)
        .number(kBonus, s.bonusScore, Lowest, Highest)
        .number(kPair, s.pair, Lowest, Highest)
        .number(kTwoPair, s.twoPair, Lowest, Highest)
        .number(kTrips, s.trips, Lowest, Highest)
        .number(kFlush, s.flush, Lowest, Highest)
        .number(kFullHouse, s.fullHouse, Lowest, Highest)
        .number(kStraight, s.straight, Lowest, Highest)
        .number(kFour, s.four, Lowest, Highest)
        .number(kStFlush, s.straightFlush, Lowest, Highest)
        .number(kRoyal, s.royalFlush, Lowest, Highest)
        .number(kOverWrites, s.overWrites, std::numeric_limits<std::int16_t>::min(),
                RuleOf(CustomField::OverWrites).highest);
    keys.placement(s.windowState, s.widthTw, s.heightTw);
    keys.readFrom(reader);
    return s;
}

GridhandSettings LoadSettingsINI(const WindowPlacement& placement)
{
    auto reader = settingsfile::OpenOrCreate(fileName(), [&placement] { WriteSettingsINI(placement); });
    return reader ? ReadSettingsINI(*reader) : GridhandSettings{};
}

void ApplyScoringSettings(const GridhandSettings& s)
{
    if (s.countDownScore)
        gCountDownScore = *s.countDownScore;
    const std::pair<const std::optional<std::int32_t>*, std::int32_t*> values[] = {
        {&s.timeBonus, &gTimeBonus},
        {&s.bonusScore, &gBonusRoundScore},
        {&s.pair, &gPairPoints},
        {&s.twoPair, &gTwoPairPoints},
        {&s.trips, &gThreeKindPoints},
        {&s.flush, &gFlushPoints},
        {&s.fullHouse, &gFullHousePoints},
        {&s.straight, &gStraightPoints},
        {&s.four, &gFourKindPoints},
        {&s.straightFlush, &gStraightFlushPoints},
        {&s.royalFlush, &gRoyalFlushPoints},
    };
    for (const auto& [from, to] : values)
        if (from->has_value())
            *to = **from;
    if (s.overWrites)
        gOverwritesAllowed = *s.overWrites;
}

void ApplyWindowPlacement(QWidget& window, const GridhandSettings& s)
{
    settingsfile::ApplyWindowPlacement(window, s.windowState, s.widthTw, s.heightTw);
}

QByteArray SettingsText(const WindowPlacement& placement)
{
    return settingsfile::SettingsWriter()
        .number(kTime, gTimeLimit)
        .onOff(kSounds, gSoundsOn)
        .onOff(kMusic, gMusicOn)
        .onOff(kCountDown, gCountDownScore)
        .number(kDeck, gDeckDesign)
        .number(kTimeBonus, gTimeBonus)
        .number(kBonus, gBonusRoundScore)
        .number(kPair, gPairPoints)
        .number(kTwoPair, gTwoPairPoints)
        .number(kTrips, gThreeKindPoints)
        .number(kFlush, gFlushPoints)
        .number(kFullHouse, gFullHousePoints)
        .number(kStraight, gStraightPoints)
        .number(kFour, gFourKindPoints)
        .number(kStFlush, gStraightFlushPoints)
        .number(kRoyal, gRoyalFlushPoints)
        .number(kOverWrites, gOverwritesAllowed)
        .placement(placement, Maximised)
        .contents(true);
}

bool WriteSettingsINI(const WindowPlacement& placement)
{
    return settingsfile::WriteWhole(fileName(), SettingsText(placement));
}

QString SettingsWriteFailedMessage() { return settingsfile::NotSavedMessage(fileName()); }

} // namespace gridhand
