#include "games/gridhand/GridhandSettings.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace gridhand {

namespace {

constexpr int MaximisedWidthTw = 9570;
constexpr int MaximisedHeightTw = 7200;
constexpr int LargestSizeTw = 10'000'000;

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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

// A whole number within bounds, or nothing: a value the dialog would refuse must not reach the rounds
// (more than 26 overwrites could empty the deck before the grid is full).
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

std::optional<std::int32_t> fieldValue(const QString& item, CustomField field)
{
    if (const auto n = numberWithin(item, 0, RuleOf(field).highest))
        return std::int32_t(*n);
    return std::nullopt;
}

// Keeps an earlier good value when a later occurrence of the key is refused.
void setIfValid(std::optional<std::int32_t>& target, const QString& item, CustomField field)
{
    if (const auto n = fieldValue(item, field))
        target = n;
}

QString switchText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace

WindowPlacement PlacementOf(const QWidget& window)
{
    WindowPlacement p;
    p.state = window.isMinimized() ? 1 : window.isMaximized() ? 2 : 0;
    p.widthTw = platform::widthTw(&window);
    p.heightTw = platform::heightTw(&window);
    return p;
}

GridhandSettings ReadSettingsINI(platform::ItemReader& reader)
{
    GridhandSettings s;
    const QString known[] = {kTime, kSounds, kMusic, kCountDown, kDeck, kTimeBonus, kBonus, kPair, kTwoPair, kTrips,
                             kFlush, kFullHouse, kStraight, kFour, kStFlush, kRoyal, kOverWrites, kState, kWidth,
                             kHeight};
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
            for (int design = 1; design <= 4; ++design)
                if (value == QString::number(design))
                    s.deckDesign = design;
        } else if (key == kTimeBonus) {
            if (const auto n = fieldValue(value, CustomField::TimeBonus))
                s.timeBonus = n;
        } else if (key == kBonus) {
            if (const auto n = fieldValue(value, CustomField::BonusScore))
                s.bonusScore = n;
        } else if (key == kPair) {
            setIfValid(s.pair, value, CustomField::Pair);
        } else if (key == kTwoPair) {
            setIfValid(s.twoPair, value, CustomField::TwoPair);
        } else if (key == kTrips) {
            setIfValid(s.trips, value, CustomField::ThreeKind);
        } else if (key == kFlush) {
            setIfValid(s.flush, value, CustomField::Flush);
        } else if (key == kFullHouse) {
            setIfValid(s.fullHouse, value, CustomField::FullHouse);
        } else if (key == kStraight) {
            setIfValid(s.straight, value, CustomField::Straight);
        } else if (key == kFour) {
            setIfValid(s.four, value, CustomField::FourKind);
        } else if (key == kStFlush) {
            setIfValid(s.straightFlush, value, CustomField::StFlush);
        } else if (key == kRoyal) {
            setIfValid(s.royalFlush, value, CustomField::RoyalFlush);
        } else if (key == kOverWrites) {
            if (const auto n = fieldValue(value, CustomField::OverWrites))
                s.overWrites = int(*n);
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

GridhandSettings LoadSettingsINI(const WindowPlacement& placement)
{
    const QString path = appFile(QString::fromLatin1(SettingsFileName));
    bool opened = false;
    platform::ItemReader reader = platform::ItemReader::fromFile(path, &opened);
    if (!opened) {
        WriteSettingsINI(placement);
        reader = platform::ItemReader::fromFile(path, &opened);
        if (!opened)
            return {};
    }
    return ReadSettingsINI(reader);
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

QByteArray SettingsText(const WindowPlacement& placement)
{
    const bool maximised = placement.state == 2;
    const std::pair<QString, QString> pairs[] = {
        {kTime, QString::number(gTimeLimit)},
        {kSounds, switchText(gSoundsOn)},
        {kMusic, switchText(gMusicOn)},
        {kCountDown, switchText(gCountDownScore)},
        {kDeck, QString::number(gDeckDesign)},
        {kTimeBonus, QString::number(gTimeBonus)},
        {kBonus, QString::number(gBonusRoundScore)},
        {kPair, QString::number(gPairPoints)},
        {kTwoPair, QString::number(gTwoPairPoints)},
        {kTrips, QString::number(gThreeKindPoints)},
        {kFlush, QString::number(gFlushPoints)},
        {kFullHouse, QString::number(gFullHousePoints)},
        {kStraight, QString::number(gStraightPoints)},
        {kFour, QString::number(gFourKindPoints)},
        {kStFlush, QString::number(gStraightFlushPoints)},
        {kRoyal, QString::number(gRoyalFlushPoints)},
        {kOverWrites, QString::number(gOverwritesAllowed)},
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

bool WriteSettingsINI(const WindowPlacement& placement)
{
    return platform::writeFileAtomically(appFile(QString::fromLatin1(SettingsFileName)), SettingsText(placement));
}

QString SettingsWriteFailedMessage()
{
    const QString path = QDir::toNativeSeparators(appFile(QString::fromLatin1(SettingsFileName)));
    return QStringLiteral("Unable to save your options in ") + path +
           QStringLiteral(". The options you changed will not be kept.");
}

} // namespace gridhand
