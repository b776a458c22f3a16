#include "games/stackjack/StackjackSettings.h"

#include "core/cards/DeckNumbers.h"
#include "core/scores/GameScoring.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/StackjackCustomScoring.h"
#include "games/stackjack/StackjackTimeBonus.h"

namespace stackjack {

namespace {

constexpr settingsfile::MaximisedSize Maximised{9540, 7305};

const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kMax = QStringLiteral("[TimeBonusMax]");
const QString kMin = QStringLiteral("[TimeBonusMin]");
const QString kBonus = QStringLiteral("[BonusScore]");
const QString kWait = QStringLiteral("[WaitPeriod]");
const QString kCountDown = QStringLiteral("[CountDownScore]");
const QString kPasses = QStringLiteral("[Cards To Pass]");

QString fileName() { return QString::fromLatin1(SettingsFileName); }

} // namespace

int DeckDesignNumber(CardBackDesign design) { return DeckNumberOf(design, DeckNumbering::HotCardsFirst); }

CardBackDesign CardBackOfDeckNumber(int number)
{
    return DesignOfDeckNumber(number, DeckNumbering::HotCardsFirst).value_or(CardBackDesign::PalmTree);
}

StackjackSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    StackjackSettings s;
    settingsfile::SettingsKeys keys;
    keys.oneOf(kTime, s.timeLimit, OfferedTimeLimits)
        .onOff(kSounds, s.soundsOn)
        .onOff(kMusic, s.musicOn)
        .on(kDeck,
            [&s](const QString& value) {
                // Any text but "1" to "3" is Palm Tree.
                s.cardBack = DesignOfDeckText(value, DeckNumbering::HotCardsFirst).value_or(CardBackDesign::PalmTree);
            })
        .number(kMax, s.maxTimeBonus, 1, MaxTimeBonus)
        .number(kMin, s.minTimeBonus, 1, MaxTimeBonus)
        .number(kBonus, s.bonusScore, 0, MaxBonusScore)
        .number(kWait, s.waitPeriod, 0, std::int64_t(MaxWaitSeconds) * 1000)
        .onOff(kCountDown, s.countDownScore)
        .number(kPasses, s.cardsToPass, 0, MaxCardsToPass)
        .placement(s.windowState, s.widthTw, s.heightTw);
    keys.readFrom(reader);
    return s;
}

StackjackSettings LoadSettingsINI(const WindowPlacement& placement)
{
    auto reader =
        settingsfile::OpenOrCreate(fileName(), [&placement] { WriteSettingsINI(FirstRunSettings(), placement); });
    return reader ? ReadSettingsINI(*reader) : StackjackSettings{};
}

void ApplyScoringSettings(const StackjackSettings& s)
{
    const int maxBonus = s.maxTimeBonus.value_or(StackjackDefaults::MaxTimeBonus);
    const int minBonus = s.minTimeBonus.value_or(StackjackDefaults::MinTimeBonus);
    // A minimum not below the maximum would make the bonus climb during a round.
    const bool ordered = minBonus < maxBonus;
    gMaxTimeBonus = ordered ? maxBonus : StackjackDefaults::MaxTimeBonus;
    gMinTimeBonus = ordered ? minBonus : StackjackDefaults::MinTimeBonus;
    gStackjackBonusScore = s.bonusScore.value_or(StackjackDefaults::BonusScore);
    gWaitPeriod = s.waitPeriod.value_or(SettingsDefaults::WaitPeriod);
    gCountDownScore = s.countDownScore.value_or(SettingsDefaults::CountDownScore);
    gPassesLeft = s.cardsToPass.value_or(SettingsDefaults::CardsToPass);
    gCardsToPass = gPassesLeft;
    ComputeBonusDecrement();
    CheckForCustom();
}

void ApplyWindowPlacement(QWidget& window, const StackjackSettings& s)
{
    settingsfile::ApplyWindowPlacement(window, s.windowState, s.widthTw, s.heightTw);
}

StackjackSettingsValues FirstRunSettings()
{
    StackjackSettingsValues v;
    v.timeLimit = SettingsDefaults::TimeLimit;
    v.soundsOn = SettingsDefaults::SoundsOn;
    v.musicOn = SettingsDefaults::MusicOn;
    v.deckDesign = gDeckDesign;
    v.bonusScore = StackjackDefaults::BonusScore;
    v.maxTimeBonus = StackjackDefaults::MaxTimeBonus;
    v.minTimeBonus = StackjackDefaults::MinTimeBonus;
    v.waitPeriod = SettingsDefaults::WaitPeriod;
    v.countDownScore = SettingsDefaults::CountDownScore;
    v.cardsToPass = gCardsToPass;
    return v;
}

StackjackSettingsValues CurrentSettings()
{
    StackjackSettingsValues v;
    v.timeLimit = gTimeLimit;
    v.soundsOn = gSoundsOn;
    v.musicOn = gMusicOn;
    v.deckDesign = gDeckDesign;
    v.bonusScore = gStackjackBonusScore;
    v.maxTimeBonus = gMaxTimeBonus;
    v.minTimeBonus = gMinTimeBonus;
    v.waitPeriod = gWaitPeriod;
    v.countDownScore = gCountDownScore;
    v.cardsToPass = gCardsToPass;
    return v;
}

QByteArray SettingsText(const StackjackSettingsValues& v, const WindowPlacement& placement)
{
    return settingsfile::SettingsWriter()
        .number(kTime, v.timeLimit)
        .onOff(kSounds, v.soundsOn)
        .onOff(kMusic, v.musicOn)
        .number(kDeck, v.deckDesign)
        .number(kMax, v.maxTimeBonus)
        .number(kMin, v.minTimeBonus)
        .number(kBonus, v.bonusScore)
        .number(kWait, v.waitPeriod)
        .onOff(kCountDown, v.countDownScore)
        .number(kPasses, v.cardsToPass)
        .placement(placement, Maximised)
        .contents(true);
}

bool WriteSettingsINI(const StackjackSettingsValues& values, const WindowPlacement& placement)
{
    return settingsfile::WriteWhole(fileName(), SettingsText(values, placement));
}

SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement)
{
    if (WriteSettingsINI(CurrentSettings(), placement))
        return {};
    return {false, settingsfile::NotSavedMessage(fileName())};
}

void CheckForCustom()
{
    gCustomScoring = !(gMinTimeBonus == StackjackDefaults::MinTimeBonus &&
                       gMaxTimeBonus == StackjackDefaults::MaxTimeBonus &&
                       gStackjackBonusScore == StackjackDefaults::BonusScore &&
                       gCardsToPass == SettingsDefaults::CardsToPass);
}

} // namespace stackjack
