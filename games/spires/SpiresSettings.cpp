#include "games/spires/SpiresSettings.h"

#include "core/DeckNumbers.h"
#include "core/GameScoring.h"
#include "core/SettingsFile.h"
#include "core/SettingsKeys.h"
#include "core/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/spires/SpiresCustomScoring.h"
#include "platform/ItemReader.h"

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
    using namespace CustomBounds;
    SpiresSettings s;
    settingsfile::SettingsKeys keys;
    keys.onOff(kMusic, s.musicOn)
        .oneOf(kTime, s.timeLimit, {30, 45, 60, 90})
        .onOff(kSounds, s.soundsOn)
        .number(kHiRun, s.highRun, 0, LongestPossibleRun)
        .number(kCardBonus, s.cardValue, 0, MaxCardValue)
        .number(kBonusScore, s.bonusRoundScore, 0, MaxBonusRoundScore)
        .number(kTowerBonus, s.spireBonus, 0, MaxBonus)
        .number(kHighRunBonus, s.highRunBonus, 0, MaxBonus)
        .onOff(kCountDown, s.countDownScore)
        .number(kTimeBonus, s.timeBonus, 0, MaxBonus)
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
