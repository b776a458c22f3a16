#include "games/spires/SpiresSettings.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/spires/SpiresCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <algorithm>
#include <QWidget>
#include <cmath>

namespace spires {

namespace {

constexpr int MaximisedWidthTw = 9570;
constexpr int MaximisedHeightTw = 7200;
constexpr int LargestSizeTw = 10'000'000;

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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QString kDeck = QStringLiteral("[Deck]");

// A whole number within bounds, or nothing: a value that is no number, or that the user options would
// refuse, must not reach the rounds.
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

std::optional<int> oneOf(const QString& item, std::initializer_list<int> offered)
{
    for (int n : offered)
        if (item == QString::number(n))
            return n;
    return std::nullopt;
}

QString switchText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

CardBackDesign designOf(int number)
{
    switch (number) {
    case 2: return CardBackDesign::MagicHands;
    case 3: return CardBackDesign::NightCastle;
    case 4: return CardBackDesign::HotCards;
    default: return CardBackDesign::PalmTree;
    }
}

} // namespace

WindowPlacement PlacementOf(const QWidget& window)
{
    WindowPlacement p;
    p.state = window.isMinimized() ? 1 : window.isMaximized() ? 2 : 0;
    p.widthTw = platform::widthTw(&window);
    p.heightTw = platform::heightTw(&window);
    return p;
}

SpiresSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    SpiresSettings s;
    const QString keys[] = {kMusic, kTime, kSounds, kHiRun, kCardBonus, kBonusScore, kTowerBonus,
                            kHighRunBonus, kCountDown, kTimeBonus, kState, kWidth, kHeight, kDeck};
    while (!reader.atEnd()) {
        const QString key = reader.next();
        if (std::find(std::begin(keys), std::end(keys), key) == std::end(keys))
            continue;
        if (reader.atEnd())
            break; // a key without its value
        const QString value = reader.next();
        if (key == kMusic) {
            s.musicOn = value == QLatin1String("True");
        } else if (key == kTime) {
            if (const auto limit = oneOf(value, {30, 45, 60, 90}))
                s.timeLimit = limit;
        } else if (key == kSounds) {
            s.soundsOn = value == QLatin1String("True");
        } else if (key == kHiRun) {
            if (const auto n = numberWithin(value, 0, LongestPossibleRun))
                s.highRun = int(*n);
        } else if (key == kCardBonus) {
            if (const auto n = numberWithin(value, 0, MaxCardValue))
                s.cardValue = int(*n);
        } else if (key == kBonusScore) {
            if (const auto n = numberWithin(value, 0, MaxBonusRoundScore))
                s.bonusRoundScore = std::int32_t(*n);
        } else if (key == kTowerBonus) {
            if (const auto n = numberWithin(value, 0, MaxBonus))
                s.spireBonus = std::int32_t(*n);
        } else if (key == kHighRunBonus) {
            if (const auto n = numberWithin(value, 0, MaxBonus))
                s.highRunBonus = std::int32_t(*n);
        } else if (key == kCountDown) {
            s.countDownScore = value == QLatin1String("True");
        } else if (key == kTimeBonus) {
            if (const auto n = numberWithin(value, 0, MaxBonus))
                s.timeBonus = std::int32_t(*n);
        } else if (key == kState) {
            if (const auto n = numberWithin(value, 0, 2))
                s.windowState = int(*n);
        } else if (key == kWidth) {
            if (const auto n = numberWithin(value, 1, LargestSizeTw))
                s.widthTw = int(*n);
        } else if (key == kHeight) {
            if (const auto n = numberWithin(value, 1, LargestSizeTw))
                s.heightTw = int(*n);
        } else if (key == kDeck) {
            if (const auto n = oneOf(value, {1, 2, 3, 4}))
                s.cardBack = designOf(*n);
        }
    }
    return s;
}

QByteArray SettingsText(const SpiresSettingsValues& v, const WindowPlacement& placement)
{
    const bool maximised = placement.state == 2;
    const std::pair<QString, QString> pairs[] = {
        {kMusic, switchText(v.musicOn)},
        {kTime, QString::number(v.timeLimit)},
        {kSounds, switchText(v.soundsOn)},
        {kHiRun, QString::number(v.highRun)},
        {kCardBonus, QString::number(v.cardValue)},
        {kBonusScore, QString::number(v.bonusRoundScore)},
        {kTowerBonus, QString::number(v.spireBonus)},
        {kHighRunBonus, QString::number(v.highRunBonus)},
        {kCountDown, switchText(v.countDownScore)},
        {kTimeBonus, QString::number(v.timeBonus)},
        {kState, QString::number(placement.state)},
        {kWidth, QString::number(maximised ? MaximisedWidthTw : placement.widthTw)},
        {kHeight, QString::number(maximised ? MaximisedHeightTw : placement.heightTw)},
    };
    QString text;
    for (const auto& [key, value] : pairs)
        text += key + QLatin1String("\r\n") + value + QLatin1String("\r\n\r\n");
    // The last value has no empty line of its own; the final line end comes after it.
    text += kDeck + QLatin1String("\r\n") + QString::number(v.deckDesign) + QLatin1String("\r\n\r\n");
    return text.toLatin1();
}

bool WriteSettingsINI(const SpiresSettingsValues& values, const WindowPlacement& placement)
{
    return platform::writeFileAtomically(appFile(QString::fromLatin1(SettingsFileName)), SettingsText(values, placement));
}

SpiresSettings LoadSettingsINI(const SpiresSettingsValues& inForce, const WindowPlacement& placement)
{
    const QString path = appFile(QString::fromLatin1(SettingsFileName));
    bool opened = false;
    platform::ItemReader reader = platform::ItemReader::fromFile(path, &opened);
    if (!opened) {
        WriteSettingsINI(inForce, placement);
        reader = platform::ItemReader::fromFile(path, &opened);
        if (!opened)
            return {};
    }
    return ReadSettingsINI(reader);
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

void CheckForCustom()
{
    gCustomScoring = !(gCardValue == SpiresDefaults::CardValue && gBonusRoundScore == SpiresDefaults::BonusRoundScore &&
                       gHighRunBonus == SpiresDefaults::HighRunBonus && gSpireBonus == SpiresDefaults::SpireBonus &&
                       gTimeBonus == SpiresDefaults::TimeBonus);
}

QString SettingsNotSavedMessage()
{
    const QString path = QDir::toNativeSeparators(appFile(QString::fromLatin1(SettingsFileName)));
    return QStringLiteral("Unable to save your options in ") + path +
           QStringLiteral(". The options you changed will not be kept.");
}

} // namespace spires
