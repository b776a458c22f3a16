#include "games/gridhand/GridhandSettings.h"

#include "core/GameScoring.h"
#include "core/SettingsFile.h"
#include "core/SettingsKeys.h"
#include "core/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandCustomScoring.h"
#include "platform/ItemReader.h"

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
    // Within what the dialog accepts: more than 26 overwrites could empty the deck before the grid is full.
    auto field = [&keys](const QString& key, auto& target, CustomField f) {
        keys.number(key, target, 0, RuleOf(f).highest);
    };
    keys.oneOf(kTime, s.timeLimit, OfferedTimeLimits)
        .onOff(kSounds, s.soundsOn)
        .onOff(kMusic, s.musicOn)
        .onOff(kCountDown, s.countDownScore)
        .oneOf(kDeck, s.deckDesign, {1, 2, 3, 4});
    field(kTimeBonus, s.timeBonus, CustomField::TimeBonus);
    field(kBonus, s.bonusScore, CustomField::BonusScore);
    field(kPair, s.pair, CustomField::Pair);
    field(kTwoPair, s.twoPair, CustomField::TwoPair);
    field(kTrips, s.trips, CustomField::ThreeKind);
    field(kFlush, s.flush, CustomField::Flush);
    field(kFullHouse, s.fullHouse, CustomField::FullHouse);
    field(kStraight, s.straight, CustomField::Straight);
    field(kFour, s.four, CustomField::FourKind);
    field(kStFlush, s.straightFlush, CustomField::StFlush);
    field(kRoyal, s.royalFlush, CustomField::RoyalFlush);
    field(kOverWrites, s.overWrites, CustomField::OverWrites);
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
