#include "games/stackjack/StackjackSettings.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/StackjackCustomScoring.h"
#include "games/stackjack/StackjackTimeBonus.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QWidget>
#include <cmath>

namespace stackjack {

namespace {

constexpr int MaximisedWidthTw = 9540;
constexpr int MaximisedHeightTw = 7305;
constexpr int LargestSizeTw = 10'000'000;

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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

// A whole number within bounds, or nothing: a value that is no number, or that the game would not
// accept from its own dialog, must not reach the rounds (a negative wait would block for ever).
std::optional<std::int64_t> numberWithin(const QString& item, std::int64_t lowest, std::int64_t highest)
{
    bool ok = false;
    const double value = item.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < double(lowest) - 0.5 || value > double(highest) + 0.5)
        return std::nullopt;
    const std::int64_t whole = platform::roundHalfEven(value);
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return whole;
}

std::optional<int> timeLimitOf(const QString& item)
{
    for (int seconds : OfferedTimeLimits)
        if (item == QString::number(seconds))
            return seconds;
    return std::nullopt;
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

StackjackSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    StackjackSettings s;
    while (!reader.atEnd()) {
        const QString key = reader.next();
        const bool known = key == kTime || key == kSounds || key == kMusic || key == kDeck || key == kMax ||
                           key == kMin || key == kBonus || key == kWait || key == kCountDown || key == kPasses ||
                           key == kState || key == kWidth || key == kHeight;
        if (!known)
            continue;
        if (reader.atEnd())
            break; // a key without its value
        const QString value = reader.next();
        if (key == kTime) {
            if (const auto limit = timeLimitOf(value))
                s.timeLimit = limit;
        } else if (key == kSounds) {
            s.soundsOn = value == QLatin1String("True");
        } else if (key == kMusic) {
            s.musicOn = value == QLatin1String("True");
        } else if (key == kDeck) {
            const QString numbers[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
            int number = 4;
            for (int i = 0; i < 3; ++i)
                if (value == numbers[i])
                    number = i + 1;
            s.cardBack = CardBackOfDeckNumber(number);
        } else if (key == kCountDown) {
            s.countDownScore = value == QLatin1String("True");
        } else if (key == kMax) {
            if (const auto n = numberWithin(value, 1, MaxTimeBonus))
                s.maxTimeBonus = int(*n);
        } else if (key == kMin) {
            if (const auto n = numberWithin(value, 1, MaxTimeBonus))
                s.minTimeBonus = int(*n);
        } else if (key == kBonus) {
            if (const auto n = numberWithin(value, 0, MaxBonusScore))
                s.bonusScore = std::int32_t(*n);
        } else if (key == kWait) {
            if (const auto n = numberWithin(value, 0, std::int64_t(MaxWaitSeconds) * 1000))
                s.waitPeriod = std::int32_t(*n);
        } else if (key == kPasses) {
            if (const auto n = numberWithin(value, 0, MaxCardsToPass))
                s.cardsToPass = int(*n);
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

StackjackSettings LoadSettingsINI(const WindowPlacement& placement)
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
    const bool maximised = placement.state == 2;
    const std::pair<QString, QString> pairs[] = {
        {kTime, QString::number(v.timeLimit)},
        {kSounds, switchText(v.soundsOn)},
        {kMusic, switchText(v.musicOn)},
        {kDeck, QString::number(v.deckDesign)},
        {kMax, QString::number(v.maxTimeBonus)},
        {kMin, QString::number(v.minTimeBonus)},
        {kBonus, QString::number(v.bonusScore)},
        {kWait, QString::number(v.waitPeriod)},
        {kCountDown, switchText(v.countDownScore)},
        {kPasses, QString::number(v.cardsToPass)},
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

bool WriteSettingsINI(const StackjackSettingsValues& values, const WindowPlacement& placement)
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

void CheckForCustom()
{
    gCustomScoring = !(gMinTimeBonus == StackjackDefaults::MinTimeBonus &&
                       gMaxTimeBonus == StackjackDefaults::MaxTimeBonus &&
                       gStackjackBonusScore == StackjackDefaults::BonusScore && gPassesLeft == SettingsDefaults::CardsToPass);
}

} // namespace stackjack
