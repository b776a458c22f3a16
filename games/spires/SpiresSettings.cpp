#include "games/spires/SpiresSettings.h"

#include "core/cards/DeckNumbers.h"
#include "core/scores/GameScoring.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "platform/ItemReader.h"

#include <limits>

namespace spires {

namespace {

constexpr settingsfile::MaximisedSize Maximised{9570, 7200};

const QString kMusic = QStringLiteral("[Play Music]");
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kHiRun = QStringLiteral("[Hi Run]");
const QString kCardBonus = QStringLiteral("[Card Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kTowerBonus = QStringLiteral("[Tower Bonus]");
const QString kHighRunBonus = QStringLiteral("[High Run Bonus]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kDeck = QStringLiteral("[Deck]");

QString fileName() { return QString::fromLatin1(SettingsFileName); }

} // namespace

SpiresSettings ReadSettingsINI(platform::ItemReader& reader)
{
    // The scoring values and the longest run are taken as the file has them, even beyond what the
    // user-options dialog accepts or a round can make; only a number too big for its variable is
    // passed over.
    constexpr std::int64_t ShortLowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t ShortHighest = std::numeric_limits<std::int16_t>::max();
    constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();
    SpiresSettings s;
    settingsfile::SettingsKeys keys;
    keys.onOff(kMusic, s.musicOn)
        .oneOf(kTime, s.timeLimit, {30, 45, 60, 90})
        .onOff(kSounds, s.soundsOn)
        .number(kHiRun, s.highRun, ShortLowest, ShortHighest)
        .number(kCardBonus, s.cardValue, ShortLowest, ShortHighest)
        .number(kBonusScore, s.bonusRoundScore, Lowest, Highest)
        .number(kTowerBonus, s.spireBonus, Lowest, Highest)
        .number(kHighRunBonus, s.highRunBonus, Lowest, Highest)
        .onOff(kCountDown, s.countDownScore)
        .number(kTimeBonus, s.timeBonus, Lowest, Highest)
        .placement(s.windowState, s.widthTw, s.heightTw)
        .on(kDeck,
            [&s](const QString& value) {
                if (const auto design = DesignOfDeckText(value, DeckNumbering::PalmTreeFirst))
                    s.cardBack = design;
            });
    keys.readFrom(reader);
    return s;
}

QByteArray SettingsText(const SpiresSettingsValues& v, const WindowPlacement& placement)
{
    // The file ends with the last record's empty line.
    return settingsfile::SettingsWriter()
        .onOff(kMusic, v.musicOn)
        .number(kTime, v.timeLimit)
        .onOff(kSounds, v.soundsOn)
        .number(kHiRun, v.highRun)
        .number(kCardBonus, v.cardValue)
        .number(kBonusScore, v.bonusRoundScore)
        .number(kTowerBonus, v.spireBonus)
        .number(kHighRunBonus, v.highRunBonus)
        .onOff(kCountDown, v.countDownScore)
        .number(kTimeBonus, v.timeBonus)
        .placement(placement, Maximised)
        .number(kDeck, v.deckDesign)
        .contents(false);
}

bool WriteSettingsINI(const SpiresSettingsValues& values, const WindowPlacement& placement)
{
    return settingsfile::WriteWhole(fileName(), SettingsText(values, placement));
}

SpiresSettings LoadSettingsINI(const SpiresSettingsValues& inForce, const WindowPlacement& placement)
{
    auto reader = settingsfile::OpenOrCreate(fileName(), [&] { WriteSettingsINI(inForce, placement); });
    return reader ? ReadSettingsINI(*reader) : SpiresSettings{};
}

void ApplyScoringSettings(const SpiresSettings& s)
{
    if (s.cardValue)
        gCardValue = *s.cardValue;
    if (s.bonusRoundScore)
        gBonusRoundScore = *s.bonusRoundScore;
    if (s.spireBonus)
        gSpireBonus = *s.spireBonus;
    if (s.highRunBonus)
        gHighRunBonus = *s.highRunBonus;
    if (s.timeBonus)
        gTimeBonus = *s.timeBonus;
    if (s.countDownScore)
        gCountDownScore = *s.countDownScore;
}

void ApplyWindowPlacement(QWidget& window, const SpiresSettings& s)
{
    settingsfile::ApplyWindowPlacement(window, s.windowState, s.widthTw, s.heightTw);
}

void CheckForCustom()
{
    gCustomScoring = !(gCardValue == SpiresDefaults::CardValue && gBonusRoundScore == SpiresDefaults::BonusRoundScore &&
                       gHighRunBonus == SpiresDefaults::HighRunBonus && gSpireBonus == SpiresDefaults::SpireBonus &&
                       gTimeBonus == SpiresDefaults::TimeBonus);
}

QString SettingsNotSavedMessage() { return settingsfile::NotSavedMessage(fileName()); }

} // namespace spires
