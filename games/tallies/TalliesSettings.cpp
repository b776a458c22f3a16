#include "games/tallies/TalliesSettings.h"

#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "core/SuiteGlobals.h"
#include "games/tallies/TalliesState.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"

#include <QDir>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tallies {

namespace {
const QString FileName = QStringLiteral("Tallies.Ini");
constexpr settingsfile::MaximisedSize Maximised{9540, 7200};

// A value that must be a number, as an assignment to a numeric property reads it.
std::optional<double> strictNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> windowSize(const QString& text)
{
    const auto v = strictNumber(text);
    if (!v || *v < 0 || *v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return int(platform::roundHalfEven(*v));
}
} // namespace

TalliesWindowPlacement placementOf(const QWidget* window)
{
    const settingsfile::WindowPlacement p = settingsfile::PlacementOf(*window);
    return {p.state, p.widthTw, p.heightTw};
}

TalliesSettingsValues CurrentTalliesSettings(const TalliesWindowPlacement& window)
{
    return {gSelectionColor, gMusicOn, gTimeLimit, gTalliesDrawTimer, gSoundsOn, gCardGoal, gDeckDesign, window};
}

TalliesSettingsValues DefaultTalliesSettings(const TalliesWindowPlacement& window)
{
    return {1, false, 90, true, true, gCardGoal, gDeckDesign, window};
}

QByteArray SettingsINIText(const TalliesSettingsValues& v)
{
    return settingsfile::SettingsWriter()
        .number(QStringLiteral("[Color]"), v.selectionColor)
        .onOff(QStringLiteral("[Play Music]"), v.playMusic)
        .number(QStringLiteral("[Time]"), v.timeLimit)
        .onOff(QStringLiteral("[DrawTimer]"), v.drawTimer)
        .onOff(QStringLiteral("[Play Sounds]"), v.playSounds)
        .number(QStringLiteral("[CardGoal]"), v.cardGoal)
        .placement({v.window.state, v.window.width, v.window.height}, Maximised)
        .number(QStringLiteral("[Deck]"), v.deckDesign)
        .contents(false);
}

bool WriteSettingsINI(const TalliesSettingsValues& values)
{
    return settingsfile::WriteWhole(FileName, SettingsINIText(values));
}

TalliesSettingsWriteResult WriteSettingsOnClose(const TalliesWindowPlacement& window)
{
    if (WriteSettingsINI(CurrentTalliesSettings(window)))
        return {};
    return {false, QStringLiteral("Unable to save your options to ") + QDir::toNativeSeparators(appFile(FileName)) +
                       QStringLiteral(". They will be back to their previous settings next time.")};
}

namespace {
// A value that cannot be converted ends the reading there; the keys before it stand.
TalliesSettings parseItems(platform::ItemReader& items, int windowStateBefore)
{
    TalliesSettings s;
    int state = windowStateBefore;
    auto size = [&state](std::optional<int>& field) {
        return [&state, &field](const QString& value) {
            const auto v = windowSize(value);
            if (v && state != 2) // a maximised window keeps its normal size for restoring
                field = *v;
            return v.has_value();
        };
    };
    settingsfile::SettingsKeys keys;
    keys.oneOf(QStringLiteral("[Color]"), s.selectionColor, {0, 1, 2, 3, 4, 5})
        .oneOf(QStringLiteral("[Time]"), s.timeLimit, {30, 60, 90, 120, 150, 180})
        .onOff(QStringLiteral("[DrawTimer]"), s.drawTimer)
        .onOff(QStringLiteral("[Play Sounds]"), s.playSounds)
        .onOff(QStringLiteral("[Play Music]"), s.playMusic)
        .onOrStop(QStringLiteral("[CardGoal]"),
                  [&s](const QString& value) {
                      const auto goal = platform::roundHalfEven(platform::Val(value));
                      if (goal < std::numeric_limits<std::int16_t>::min() ||
                          goal > std::numeric_limits<std::int16_t>::max())
                          return false;
                      s.cardGoal = int(goal);
                      return true;
                  })
        .oneOf(QStringLiteral("[Deck]"), s.deckDesign, {1, 2, 3, 4})
        .onOrStop(QStringLiteral("[State]"),
                  [&s, &state](const QString& value) {
                      const auto v = strictNumber(value);
                      const auto code = v ? platform::roundHalfEven(*v) : -1;
                      if (code < 0 || code > 2)
                          return false;
                      state = int(code);
                      s.windowState = state;
                      return true;
                  })
        .onOrStop(QStringLiteral("[Width]"), size(s.width))
        .onOrStop(QStringLiteral("[Height]"), size(s.height));
    s.stoppedEarly = !keys.readFrom(items);
    return s;
}
} // namespace

TalliesSettings ParseSettingsINI(const QString& contents, int windowStateBefore)
{
    platform::ItemReader items(contents);
    return parseItems(items, windowStateBefore);
}

TalliesSettings ReadSettingsINI(const TalliesWindowPlacement& windowAtLoad)
{
    auto writeDefaults = [&windowAtLoad] { WriteSettingsINI(DefaultTalliesSettings(windowAtLoad)); };
    auto items = settingsfile::OpenOrCreate(FileName, writeDefaults);
    return items ? parseItems(*items, windowAtLoad.state) : TalliesSettings{};
}

} // namespace tallies
