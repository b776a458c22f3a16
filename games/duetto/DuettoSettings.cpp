#include "games/duetto/DuettoSettings.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/DuettoCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace duetto {

namespace {

constexpr int MaximisedWidthTw = 9570;
constexpr int MaximisedHeightTw = 7200;
constexpr int LargestSizeTw = 10'000'000;

const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kPairs = QStringLiteral("[Pairs Bonus]");
const QString kRuns = QStringLiteral("[Runs Bonus]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompletion = QStringLiteral("[Completion Bonus]");
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QString kDeck = QStringLiteral("[Deck]");

// A whole number within bounds, or nothing: a value the dialog itself would refuse must not reach
// the rounds (a negative bonus would take points away).
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

std::optional<std::int32_t> bonusWithin(const QString& item, std::int32_t highest)
{
    if (const auto n = numberWithin(item, 0, highest))
        return std::int32_t(*n);
    return std::nullopt;
}

QString switchText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace

int DeckDesignNumber(CardBackDesign design)
{
    switch (design) {
    case CardBackDesign::PalmTree: return 1;
    case CardBackDesign::MagicHands: return 2;
    case CardBackDesign::NightCastle: return 3;
    case CardBackDesign::HotCards: return 4;
    }
    return 1;
}

std::optional<CardBackDesign> CardBackOfDeckNumber(int number)
{
    switch (number) {
    case 1: return CardBackDesign::PalmTree;
    case 2: return CardBackDesign::MagicHands;
    case 3: return CardBackDesign::NightCastle;
    case 4: return CardBackDesign::HotCards;
    default: return std::nullopt;
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

DuettoSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    DuettoSettings s;
    const QString known[] = {kTime,     kSounds,      kMusic,       kCountDown, kPairs, kRuns,   kTimeBonus,
                             kBonusScore, kCompletion, kState,      kWidth,     kHeight, kDeck};
    while (!reader.atEnd()) {
        const QString key = reader.next();
        if (std::find(std::begin(known), std::end(known), key) == std::end(known))
            continue;
        if (reader.atEnd())
            break; // a key without its value
        const QString value = reader.next();
        if (key == kTime) {
            for (int seconds : OfferedTimeLimits)
                if (value == QString::number(seconds))
                    s.timeLimit = seconds;
        } else if (key == kSounds) {
            s.soundsOn = value == QLatin1String("True");
        } else if (key == kMusic) {
            s.musicOn = value == QLatin1String("True");
        } else if (key == kCountDown) {
            s.countDownScore = value == QLatin1String("True");
        } else if (key == kDeck) {
            for (int number = 1; number <= 4; ++number)
                if (value == QString::number(number))
                    s.cardBack = CardBackOfDeckNumber(number);
        } else if (key == kPairs) {
            if (const auto n = bonusWithin(value, MaxBonus))
                s.pairsBonus = n;
        } else if (key == kRuns) {
            if (const auto n = bonusWithin(value, MaxBonus))
                s.runsBonus = n;
        } else if (key == kTimeBonus) {
            if (const auto n = bonusWithin(value, MaxBonus))
                s.timeBonus = n;
        } else if (key == kBonusScore) {
            if (const auto n = bonusWithin(value, MaxBonusRoundScore))
                s.bonusScore = n;
        } else if (key == kCompletion) {
            if (const auto n = bonusWithin(value, MaxBonus))
                s.completionBonus = n;
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

DuettoSettings LoadSettingsINI(const WindowPlacement& placement)
{
    const QString path = appFile(QString::fromLatin1(SettingsFileName));
    bool opened = false;
    platform::ItemReader reader = platform::ItemReader::fromFile(path, &opened);
    if (!opened) {
        WriteSettingsINI(CurrentSettings(), placement);
        reader = platform::ItemReader::fromFile(path, &opened);
        if (!opened)
            return {};
    }
    return ReadSettingsINI(reader);
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
    const bool maximised = placement.state == 2;
    const std::pair<QString, QString> records[] = {
        {kMusic, switchText(v.musicOn)},
        {kTime, QString::number(v.timeLimit)},
        {kSounds, switchText(v.soundsOn)},
        {kMusic, switchText(v.musicOn)},
        {kCountDown, switchText(v.countDownScore)},
        {kPairs, QString::number(v.pairsBonus)},
        {kRuns, QString::number(v.runsBonus)},
        {kTimeBonus, QString::number(v.timeBonus)},
        {kBonusScore, QString::number(v.bonusScore)},
        {kCompletion, QString::number(v.completionBonus)},
        {kState, QString::number(placement.state)},
        {kWidth, QString::number(maximised ? MaximisedWidthTw : placement.widthTw)},
        {kHeight, QString::number(maximised ? MaximisedHeightTw : placement.heightTw)},
        {kDeck, QString::number(v.deckDesign)},
    };
    QString text;
    for (const auto& [key, value] : records)
        text += key + QLatin1String("\r\n") + value + QLatin1String("\r\n\r\n");
    return text.toLatin1();
}

bool WriteSettingsINI(const DuettoSettingsValues& values, const WindowPlacement& placement)
{
    return platform::writeFileAtomically(appFile(QString::fromLatin1(SettingsFileName)), SettingsText(values, placement));
}

QString SettingsNotSavedMessage()
{
    const QString path = QDir::toNativeSeparators(appFile(QString::fromLatin1(SettingsFileName)));
    return QStringLiteral("Unable to save your options in ") + path +
           QStringLiteral(". The options you changed will not be kept.");
}

} // namespace duetto
