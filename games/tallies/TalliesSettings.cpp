#include "games/tallies/TalliesSettings.h"

#include "core/SuiteGlobals.h"
#include "games/tallies/TalliesState.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QStringList>
#include <QWidget>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tallies {

namespace {
const QString FileName = QStringLiteral("Tallies.Ini");
constexpr int MaximisedWidth = 9540;
constexpr int MaximisedHeight = 7200;

QString number(std::int64_t n) { return platform::Str(n).trimmed(); }
QString word(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

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
    TalliesWindowPlacement p;
    if (window->isMinimized())
        p.state = 1;
    else if (window->isMaximized())
        p.state = 2;
    p.width = platform::widthTw(window);
    p.height = platform::heightTw(window);
    return p;
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
    const bool maximised = v.window.state == 2;
    const QStringList pairs = {
        QStringLiteral("[Color]\r\n") + number(v.selectionColor),
        QStringLiteral("[Play Music]\r\n") + word(v.playMusic),
        QStringLiteral("[Time]\r\n") + number(v.timeLimit),
        QStringLiteral("[DrawTimer]\r\n") + word(v.drawTimer),
        QStringLiteral("[Play Sounds]\r\n") + word(v.playSounds),
        QStringLiteral("[CardGoal]\r\n") + number(v.cardGoal),
        QStringLiteral("[State]\r\n") + number(v.window.state),
        QStringLiteral("[Width]\r\n") + number(maximised ? MaximisedWidth : v.window.width),
        QStringLiteral("[Height]\r\n") + number(maximised ? MaximisedHeight : v.window.height),
        QStringLiteral("[Deck]\r\n") + number(v.deckDesign),
    };
    return (pairs.join(QStringLiteral("\r\n\r\n")) + QStringLiteral("\r\n\r\n")).toLatin1();
}

bool WriteSettingsINI(const TalliesSettingsValues& values)
{
    return platform::writeFileAtomically(appFile(FileName), SettingsINIText(values));
}

TalliesSettingsWriteResult WriteSettingsOnClose(const TalliesWindowPlacement& window)
{
    if (WriteSettingsINI(CurrentTalliesSettings(window)))
        return {};
    return {false, QStringLiteral("Unable to save your options to ") + QDir::toNativeSeparators(appFile(FileName)) +
                       QStringLiteral(". They will be back to their previous settings next time.")};
}

namespace {
TalliesSettings parseItems(platform::ItemReader& items, int windowStateBefore)
{
    static const QStringList Colors = {"0", "1", "2", "3", "4", "5"};
    static const QStringList Times = {"30", "60", "90", "120", "150", "180"};
    static const QStringList Designs = {"1", "2", "3", "4"};
    static const QStringList Keys = {"[Color]",    "[Time]", "[DrawTimer]", "[Play Sounds]", "[Play Music]",
                                     "[CardGoal]", "[Deck]", "[State]",     "[Width]",       "[Height]"};

    TalliesSettings s;
    int state = windowStateBefore;
    while (!items.atEnd()) {
        const QString key = items.next();
        if (!Keys.contains(key))
            continue;
        if (items.atEnd()) {
            s.stoppedEarly = true;
            break;
        }
        const QString value = items.next();

        if (key == QLatin1String("[Color]")) {
            if (Colors.contains(value))
                s.selectionColor = value.toInt();
        } else if (key == QLatin1String("[Time]")) {
            if (Times.contains(value))
                s.timeLimit = value.toInt();
        } else if (key == QLatin1String("[DrawTimer]")) {
            s.drawTimer = value == QLatin1String("True");
        } else if (key == QLatin1String("[Play Sounds]")) {
            s.playSounds = value == QLatin1String("True");
        } else if (key == QLatin1String("[Play Music]")) {
            s.playMusic = value == QLatin1String("True");
        } else if (key == QLatin1String("[CardGoal]")) {
            const auto goal = platform::roundHalfEven(platform::Val(value));
            if (goal < std::numeric_limits<std::int16_t>::min() || goal > std::numeric_limits<std::int16_t>::max()) {
                s.stoppedEarly = true;
                break;
            }
            s.cardGoal = int(goal);
        } else if (key == QLatin1String("[Deck]")) {
            if (Designs.contains(value))
                s.deckDesign = value.toInt();
        } else if (key == QLatin1String("[State]")) {
            const auto v = strictNumber(value);
            const auto code = v ? platform::roundHalfEven(*v) : -1;
            if (code < 0 || code > 2) {
                s.stoppedEarly = true;
                break;
            }
            state = int(code);
            s.windowState = state;
        } else {
            const auto size = windowSize(value);
            if (!size) {
                s.stoppedEarly = true;
                break;
            }
            if (state != 2)
                (key == QLatin1String("[Width]") ? s.width : s.height) = *size;
        }
    }
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
    bool opened = false;
    auto items = platform::ItemReader::fromFile(appFile(FileName), &opened);
    if (!opened) {
        WriteSettingsINI(DefaultTalliesSettings(windowAtLoad));
        items = platform::ItemReader::fromFile(appFile(FileName), &opened);
        if (!opened)
            return {};
    }
    return parseItems(items, windowAtLoad.state);
}

} // namespace tallies
