#include "games/cairnwell/CairnwellSettings.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/cairnwell/CairnwellCustomScoring.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QWidget>
#include <cmath>

namespace cairnwell {

namespace {

constexpr int MaximisedWidthTw = 9540;
constexpr int MaximisedHeightTw = 7305;
constexpr int LargestSizeTw = 10'000'000;

const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonus = QStringLiteral("[Bonus Score]");
const QString kTrips = QStringLiteral("[Trips Score]");
const QString kRuns = QStringLiteral("[Runs Score]");
const QString kFlush = QStringLiteral("[Flush Score]");
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

// A whole number within bounds, or nothing: a value the user-options dialog would refuse must not
// reach the rounds.
std::optional<std::int64_t> numberWithin(const QString& item, std::int64_t lowest, std::int64_t highest)
{
    bool ok = false;
    const double value = item.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const std::int64_t whole = platform::roundHalfEven(value);
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return whole;
}

QString switchText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<CardBackDesign> designOf(const QString& item)
{
    if (item == QLatin1String("1"))
        return CardBackDesign::PalmTree;
    if (item == QLatin1String("2"))
        return CardBackDesign::MagicHands;
    if (item == QLatin1String("3"))
        return CardBackDesign::NightCastle;
    if (item == QLatin1String("4"))
        return CardBackDesign::HotCards;
    return std::nullopt;
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

CairnwellSettings ReadSettingsINI(platform::ItemReader& reader)
{
    using namespace CustomBounds;
    CairnwellSettings s;
    while (!reader.atEnd()) {
        const QString key = reader.next();
        const bool known = key == kTime || key == kSounds || key == kMusic || key == kCountDown || key == kDeck ||
                           key == kTimeBonus || key == kBonus || key == kTrips || key == kRuns || key == kFlush ||
                           key == kState || key == kWidth || key == kHeight;
        if (!known)
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
            if (const auto design = designOf(value))
                s.cardBack = design;
        } else if (key == kTimeBonus) {
            if (const auto n = numberWithin(value, 0, MaxTimeBonus))
                s.timeBonus = std::int32_t(*n);
        } else if (key == kBonus) {
            if (const auto n = numberWithin(value, 0, MaxBonusRound))
                s.bonusScore = std::int32_t(*n);
        } else if (key == kTrips) {
            if (const auto n = numberWithin(value, 0, MaxTrip))
                s.tripsScore = std::int32_t(*n);
        } else if (key == kRuns) {
            if (const auto n = numberWithin(value, 0, MaxRun))
                s.runsScore = std::int32_t(*n);
        } else if (key == kFlush) {
            if (const auto n = numberWithin(value, 0, MaxFlush))
                s.flushScore = std::int32_t(*n);
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

CairnwellSettingsValues CurrentSettings()
{
    CairnwellSettingsValues v;
    v.timeLimit = gTimeLimit;
    v.soundsOn = gSoundsOn;
    v.musicOn = gMusicOn;
    v.countDownScore = gCountDownScore;
    v.deckDesign = gDeckDesign;
    v.timeBonus = gTimeBonus;
    v.bonusScore = gBonusRoundScore;
    v.runValue = gRunValue;
    v.trioValue = gTrioValue;
    v.flushValue = gFlushPoints;
    return v;
}

QByteArray SettingsText(const CairnwellSettingsValues& v, const WindowPlacement& placement)
{
    const bool maximised = placement.state == 2;
    const std::pair<QString, QString> pairs[] = {
        {kTime, QString::number(v.timeLimit)},
        {kSounds, switchText(v.soundsOn)},
        {kMusic, switchText(v.musicOn)},
        {kCountDown, switchText(v.countDownScore)},
        {kDeck, QString::number(v.deckDesign)},
        {kTimeBonus, QString::number(v.timeBonus)},
        {kBonus, QString::number(v.bonusScore)},
        {kTrips, QString::number(v.trioValue)},
        {kRuns, QString::number(v.runValue)},
        {kFlush, QString::number(v.flushValue)},
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

bool WriteSettingsINI(const CairnwellSettingsValues& values, const WindowPlacement& placement)
{
    return platform::writeFileAtomically(appFile(QString::fromLatin1(SettingsFileName)), SettingsText(values, placement));
}

CairnwellSettings LoadSettingsINI(const WindowPlacement& placement)
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

void ApplyScoringSettings(const CairnwellSettings& s)
{
    if (s.countDownScore)
        gCountDownScore = *s.countDownScore;
    if (s.timeBonus)
        gTimeBonus = *s.timeBonus;
    if (s.bonusScore)
        gBonusRoundScore = *s.bonusScore;
    if (s.tripsScore)
        gTrioValue = *s.tripsScore;
    if (s.runsScore)
        gRunValue = *s.runsScore;
    if (s.flushScore)
        gFlushPoints = *s.flushScore;
}

void ApplyWindowPlacement(QWidget& window, const CairnwellSettings& s)
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

SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement)
{
    if (WriteSettingsINI(CurrentSettings(), placement))
        return {};
    const QString path = QDir::toNativeSeparators(appFile(QString::fromLatin1(SettingsFileName)));
    return {false, QStringLiteral("Unable to save your options in ") + path +
                       QStringLiteral(". The options you changed will not be kept.")};
}

} // namespace cairnwell
