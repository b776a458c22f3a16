#include "games/quickjack/QuickjackSettings.h"

#include "core/cards/DeckNumbers.h"
#include "core/scores/GameScoring.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"

namespace quickjack {

namespace {

constexpr settingsfile::MaximisedSize Maximised{9060, 7155};
constexpr int LongestTimeLimit = 32767;

const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kSpeed = QStringLiteral("[Timer Speed]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kPasses = QStringLiteral("[Cards To Pass]");
const QString kTwentyOne = QStringLiteral("[TwentyOne Bonus Value]");
const QString kCardsUsed = QStringLiteral("[Cards Used Bonus Value]");
const QString kFiveCards = QStringLiteral("[5 Cards Bonus Value]");
const QString kCompletion = QStringLiteral("[Deck Completion Bonus]");
const QString kWait = QStringLiteral("[Wait Period]");
const QString kTime = QStringLiteral("[Time Limit]");
const QString kBonusRound = QStringLiteral("[Bonus Round Score]");
const QString kCountDown = QStringLiteral("[Count Down Score]");

QString fileName() { return QString::fromLatin1(SettingsFileName); }

} // namespace

int DeckDesignNumber(CardBackDesign design) { return DeckNumberOf(design, DeckNumbering::HotCardsFirst); }

CardBackDesign CardBackOfDeckNumber(int number)
{
    return DesignOfDeckNumber(number, DeckNumbering::HotCardsFirst).value_or(CardBackDesign::PalmTree);
}

QuickjackSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    QuickjackSettings s;
    settingsfile::SettingsKeys keys;
    keys.onOff(kSounds, s.soundsOn)
        .on(kSpeed,
            [&s](const QString& value) {
                s.timerSpeedRefused = !(value == QLatin1String("90") || value == QLatin1String("180") ||
                                        value == QLatin1String("360"));
                s.timerSpeed = s.timerSpeedRefused ? 90 : value.toInt();
            })
        .onOff(kMusic, s.musicOn)
        .on(kDeck,
            [&s](const QString& value) {
                // Any text but "1" to "3" is Palm Tree.
                s.cardBack = DesignOfDeckText(value, DeckNumbering::HotCardsFirst).value_or(CardBackDesign::PalmTree);
            })
        .number(kPasses, s.cardsToPass, 0, MaxCardsToPass)
        .number(kTwentyOne, s.twentyOneBonus, 0, MaxTwentyOneBonus)
        .number(kCardsUsed, s.cardsUsedBonus, 0, MaxCardsUsedBonus)
        .number(kFiveCards, s.fiveCardsBonus, 0, MaxFiveCardsBonus)
        .number(kCompletion, s.deckCompletionBonus, 0, MaxDeckCompletionBonus)
        .number(kWait, s.waitPeriod, 0, std::int64_t(MaxWaitSeconds) * 1000)
        .number(kTime, s.timeLimit, 1, LongestTimeLimit)
        .number(kBonusRound, s.bonusRoundScore, 0, MaxBonusRoundScore)
        .onOff(kCountDown, s.countDownScore)
        .placement(s.windowState, s.widthTw, s.heightTw);
    keys.readFrom(reader);
    return s;
}

QuickjackSettings LoadSettingsINI(const WindowPlacement& placement)
{
    auto reader =
        settingsfile::OpenOrCreate(fileName(), [&placement] { WriteSettingsINI(FirstRunSettings(), placement); });
    return reader ? ReadSettingsINI(*reader) : QuickjackSettings{};
}

void ApplyScoringSettings(const QuickjackSettings& s)
{
    if (s.timerSpeed)
        gTimerSpeed = *s.timerSpeed;
    if (s.cardsToPass) {
        gCardsToPass = *s.cardsToPass;
        gPassesLeft = gCardsToPass;
    }
    if (s.twentyOneBonus)
        gTwentyOneBonus = *s.twentyOneBonus;
    if (s.cardsUsedBonus)
        gCardsUsedBonus = *s.cardsUsedBonus;
    if (s.fiveCardsBonus)
        gFiveCardsBonus = *s.fiveCardsBonus;
    if (s.deckCompletionBonus)
        gDeckCompletionBonus = *s.deckCompletionBonus;
    if (s.waitPeriod)
        gWaitPeriod = *s.waitPeriod;
    if (s.bonusRoundScore)
        gBonusRoundScore = *s.bonusRoundScore;
    if (s.countDownScore)
        gCountDownScore = *s.countDownScore;
}

void ApplyWindowPlacement(QWidget& window, const QuickjackSettings& s)
{
    settingsfile::ApplyWindowPlacement(window, s.windowState, s.widthTw, s.heightTw);
}

QuickjackSettingsValues FirstRunSettings() { return {}; }

QuickjackSettingsValues CurrentSettings()
{
    QuickjackSettingsValues v;
    v.timerSpeed = gTimerSpeed;
    v.soundsOn = gSoundsOn;
    v.musicOn = gMusicOn;
    v.deckDesign = gDeckDesign;
    v.cardsToPass = gCardsToPass;
    v.twentyOneBonus = gTwentyOneBonus;
    v.cardsUsedBonus = gCardsUsedBonus;
    v.fiveCardsBonus = gFiveCardsBonus;
    v.deckCompletionBonus = gDeckCompletionBonus;
    v.waitPeriod = gWaitPeriod;
    v.timeLimit = gTimeLimit;
    v.bonusRoundScore = gBonusRoundScore;
    v.countDownScore = gCountDownScore;
    return v;
}

QByteArray SettingsText(const QuickjackSettingsValues& v, const WindowPlacement& placement)
{
    return settingsfile::SettingsWriter()
        .onOff(kSounds, v.soundsOn)
        .text(kSpeed, platform::Str(std::int64_t(v.timerSpeed))) // with its leading blank
        .onOff(kMusic, v.musicOn)
        .number(kDeck, v.deckDesign)
        .number(kPasses, v.cardsToPass)
        .number(kTwentyOne, v.twentyOneBonus)
        .number(kCardsUsed, v.cardsUsedBonus)
        .number(kFiveCards, v.fiveCardsBonus)
        .number(kCompletion, v.deckCompletionBonus)
        .number(kWait, v.waitPeriod)
        .number(kTime, v.timeLimit)
        .number(kBonusRound, v.bonusRoundScore)
        .onOff(kCountDown, v.countDownScore)
        .placement(placement, Maximised)
        .contents(true);
}

bool WriteSettingsINI(const QuickjackSettingsValues& values, const WindowPlacement& placement)
{
    return settingsfile::WriteWhole(fileName(), SettingsText(values, placement));
}

SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement)
{
    if (WriteSettingsINI(CurrentSettings(), placement))
        return {};
    return {false, settingsfile::NotSavedMessage(fileName())};
}

QString TimerSpeedRefusedMessage()
{
    return QStringLiteral("Someone has been monkeying around with the INI file...tsk tsk! Timer speed is set to default!");
}

void CheckForCustom()
{
    gCustomScoring = !(gCardsToPass == SettingsDefaults::CardsToPass &&
                       gCardsUsedBonus == QuickjackDefaults::CardsUsedBonus &&
                       gBonusRoundScore == QuickjackDefaults::BonusRoundScore &&
                       gDeckCompletionBonus == QuickjackDefaults::DeckCompletionBonus &&
                       gFiveCardsBonus == QuickjackDefaults::FiveCardsBonus &&
                       gTimerSpeed == QuickjackDefaults::TimerSpeed);
}

void SetBuiltInValues()
{
    SetQuickjackDefaults();
    gCardsToPass = SettingsDefaults::CardsToPass;
    gPassesLeft = gCardsToPass;
    gWaitPeriod = SettingsDefaults::WaitPeriod;
    gCountDownScore = SettingsDefaults::CountDownScore;
    gTimeLimit = SettingsDefaults::TimeLimit;
}

} // namespace quickjack
