#include "games/quickjack/QuickjackSettings.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace quickjack {

namespace {

constexpr int MaximisedWidthTw = 9060;
constexpr int MaximisedHeightTw = 7155;
constexpr int LargestSizeTw = 10'000'000;
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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

// A whole number within bounds, or nothing: a value the game would not accept from its own dialog
// must not reach the rounds (a negative wait would block, a limit of 0 would divide by it).
std::optional<std::int64_t> numberWithin(const QString& item, std::int64_t lowest, std::int64_t highest)
{
    bool ok = false;
    const double value = item.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < double(lowest) - 0.5 || value > double(highest) + 0.5)
        return std::nullopt;
    const std::int64_t whole = platform::roundHalfEven(value);
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return whole;
}

QString switchText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace

int DeckDesignNumber(CardBackDesign design)
{
    switch (design) {
    case CardBackDesign::HotCards:
        return 1;
    case CardBackDesign::MagicHands:
        return 2;
    case CardBackDesign::NightCastle:
        return 3;
    case CardBackDesign::PalmTree:
        break;
    }
    return 4;
}

CardBackDesign CardBackOfDeckNumber(int number)
{
    switch (number) {
    case 1:
        return CardBackDesign::HotCards;
    case 2:
        return CardBackDesign::MagicHands;
    case 3:
        return CardBackDesign::NightCastle;
    default:
        return CardBackDesign::PalmTree;
    }
}

WindowPlacement PlacementOf(const QWidget& window)
{
    WindowPlacement p;
    p.state = window.isMinimized() ? 1 : window.isMaximized() ? 2 : 0;
    p.widthTw = platform::widthTw(&window);
    p.heightTw = platform::heightTw(&window);
    return p;
}

QuickjackSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    QuickjackSettings s;
    const QString keys[] = {kSounds, kSpeed, kMusic, kDeck, kPasses, kTwentyOne, kCardsUsed, kFiveCards,
                            kCompletion, kWait, kTime, kBonusRound, kCountDown, kState, kWidth, kHeight};
    while (!reader.atEnd()) {
        const QString key = reader.next();
        if (std::find(std::begin(keys), std::end(keys), key) == std::end(keys))
            continue;
        if (reader.atEnd())
            break; // a key without its value
        const QString value = reader.next();
        auto bounded32 = [&value](std::optional<std::int32_t>& field, std::int64_t highest) {
            if (const auto n = numberWithin(value, 0, highest))
                field = std::int32_t(*n);
        };
        if (key == kSounds) {
            s.soundsOn = value == QLatin1String("True");
        } else if (key == kMusic) {
            s.musicOn = value == QLatin1String("True");
        } else if (key == kCountDown) {
            s.countDownScore = value == QLatin1String("True");
        } else if (key == kSpeed) {
            if (value == QLatin1String("90") || value == QLatin1String("180") || value == QLatin1String("360")) {
                s.timerSpeed = value.toInt();
                s.timerSpeedRefused = false;
            } else {
                s.timerSpeed = 90;
                s.timerSpeedRefused = true;
            }
        } else if (key == kDeck) {
            int number = 4;
            if (value == QLatin1String("1"))
                number = 1;
            else if (value == QLatin1String("2"))
                number = 2;
            else if (value == QLatin1String("3"))
                number = 3;
            s.cardBack = CardBackOfDeckNumber(number);
        } else if (key == kTime) {
            if (const auto n = numberWithin(value, 1, LongestTimeLimit))
                s.timeLimit = int(*n);
        } else if (key == kPasses) {
            if (const auto n = numberWithin(value, 0, MaxCardsToPass))
                s.cardsToPass = int(*n);
        } else if (key == kWait) {
            bounded32(s.waitPeriod, std::int64_t(MaxWaitSeconds) * 1000);
        } else if (key == kTwentyOne) {
            bounded32(s.twentyOneBonus, MaxTwentyOneBonus);
        } else if (key == kCardsUsed) {
            bounded32(s.cardsUsedBonus, MaxCardsUsedBonus);
        } else if (key == kFiveCards) {
            bounded32(s.fiveCardsBonus, MaxFiveCardsBonus);
        } else if (key == kCompletion) {
            bounded32(s.deckCompletionBonus, MaxDeckCompletionBonus);
        } else if (key == kBonusRound) {
            bounded32(s.bonusRoundScore, MaxBonusRoundScore);
        } else if (key == kState) {
            if (const auto n = numberWithin(value, 0, 2))
                s.windowState = int(*n);
        } else if (key == kWidth) {
            if (const auto n = numberWithin(value, 1, LargestSizeTw))
                s.widthTw = int(*n);
        } else if (key == kHeight) {
            if (const auto n = numberWithin(value, 1, LargestSizeTw))
                s.heightTw = int(*n);
        }
    }
    return s;
}

QuickjackSettings LoadSettingsINI(const WindowPlacement& placement)
{
    const QString path = appFile(QString::fromLatin1(SettingsFileName));
    bool opened = false;
    platform::ItemReader reader = platform::ItemReader::fromFile(path, &opened);
    if (!opened) {
        WriteSettingsINI(FirstRunSettings(), placement);
        reader = platform::ItemReader::fromFile(path, &opened);
        if (!opened)
            return {};
    }
    return ReadSettingsINI(reader);
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
    if (s.windowState) {
        Qt::WindowStates state = window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (*s.windowState == 1)
            state |= Qt::WindowMinimized;
        else if (*s.windowState == 2)
            state |= Qt::WindowMaximized;
        window.setWindowState(state);
    }
    if ((s.widthTw || s.heightTw) && !(window.windowState() & Qt::WindowMaximized))
        platform::resizeTw(&window, s.widthTw.value_or(platform::widthTw(&window)),
                           s.heightTw.value_or(platform::heightTw(&window)));
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
    const bool maximised = placement.state == 2;
    const std::pair<QString, QString> pairs[] = {
        {kSounds, switchText(v.soundsOn)},
        {kSpeed, platform::Str(std::int64_t(v.timerSpeed))},
        {kMusic, switchText(v.musicOn)},
        {kDeck, QString::number(v.deckDesign)},
        {kPasses, QString::number(v.cardsToPass)},
        {kTwentyOne, QString::number(v.twentyOneBonus)},
        {kCardsUsed, QString::number(v.cardsUsedBonus)},
        {kFiveCards, QString::number(v.fiveCardsBonus)},
        {kCompletion, QString::number(v.deckCompletionBonus)},
        {kWait, QString::number(v.waitPeriod)},
        {kTime, QString::number(v.timeLimit)},
        {kBonusRound, QString::number(v.bonusRoundScore)},
        {kCountDown, switchText(v.countDownScore)},
        {kState, QString::number(placement.state)},
        {kWidth, QString::number(maximised ? MaximisedWidthTw : placement.widthTw)},
        {kHeight, QString::number(maximised ? MaximisedHeightTw : placement.heightTw)},
    };
    QString text;
    for (const auto& [key, value] : pairs)
        text += key + QLatin1String("\r\n") + value + QLatin1String("\r\n\r\n");
    text += QLatin1String("\r\n");
    return text.toLatin1();
}

bool WriteSettingsINI(const QuickjackSettingsValues& values, const WindowPlacement& placement)
{
    return platform::writeFileAtomically(appFile(QString::fromLatin1(SettingsFileName)), SettingsText(values, placement));
}

SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement)
{
    if (WriteSettingsINI(CurrentSettings(), placement))
        return {};
    const QString path = QDir::toNativeSeparators(appFile(QString::fromLatin1(SettingsFileName)));
    return {false, QStringLiteral("Unable to save your options in ") + path +
                       QStringLiteral(". The options you changed will not be kept.")};
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
