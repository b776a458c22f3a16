#pragma once
// "Tallies.Ini": the options and the window placement, written whole when the window closes and read
// once when it loads. Reading only parses; the window applies what was found through its own menu
// handlers, so check marks, headings and the top-score line follow.
#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace tallies {

// The window as the file records it: state 0 normal, 1 minimised, 2 maximised; size in twips.
struct TalliesWindowPlacement {
    int state = 0;
    int width = 0;
    int height = 0;
};
TalliesWindowPlacement placementOf(const QWidget* window);

// What the writer puts into the file.
struct TalliesSettingsValues {
    int selectionColor = 1;
    bool playMusic = false;
    int timeLimit = 90;
    bool drawTimer = true;
    bool playSounds = true;
    int cardGoal = 11;
    int deckDesign = 0;
    TalliesWindowPlacement window;
};
// The options in force (gSelectionColor, gMusicOn, gTimeLimit, gTalliesDrawTimer, gSoundsOn,
// gCardGoal, gDeckDesign) with the given window.
TalliesSettingsValues CurrentTalliesSettings(const TalliesWindowPlacement& window);
// What a first start writes: the built-in options with the goal, back design and window as they are.
TalliesSettingsValues DefaultTalliesSettings(const TalliesWindowPlacement& window);

// The whole file, CR LF line ends; a maximised window is written with the minimum size 9540 x 7200.
QByteArray SettingsINIText(const TalliesSettingsValues& values);
// Writes appFile("Tallies.Ini") through a temporary file; false when that failed.
bool WriteSettingsINI(const TalliesSettingsValues& values);

// What the window does when the player confirms closing: write the file; when that fails the
// window tells the player `message` (exclamation, titled gGameTitle) and closes anyway.
struct TalliesSettingsWriteResult {
    bool ok = true;
    QString message;
};
TalliesSettingsWriteResult WriteSettingsOnClose(const TalliesWindowPlacement& window);

// What a file holds, key by key; an absent value leaves that option as it is. Values the menus do
// not offer (a colour "7", a time "45", a design "5") are not recorded. The window applies the size
// (resizeTw) before the state, so a window saved maximised keeps its normal size for restoring.
struct TalliesSettings {
    std::optional<int> selectionColor; // 0 yellow .. 5 black: the colour handler of that code
    std::optional<int> timeLimit;      // 30 .. 180: the time-limit handler
    std::optional<bool> drawTimer;     // mnuDrawTimer check and gTalliesDrawTimer
    std::optional<bool> playSounds;    // mnuSounds check and gSoundsOn
    std::optional<bool> playMusic;     // mnuMusic check and gMusicOn; no tune is started
    // Any 16-bit number: uncheck the six goal entries and store it in gCardGoal; for 10 to 15 also
    // check its entry and set the heading, without the goal handler's status text and top score.
    std::optional<int> cardGoal;
    std::optional<int> deckDesign;  // 1 Palm Tree .. 4 Hot Cards: the card-back handler
    std::optional<int> windowState; // 0 .. 2, applied after the size
    std::optional<int> width;       // twips; not recorded while the state read is maximised
    std::optional<int> height;
    // A value that could not be converted (or a key without value) ended the reading there; the
    // keys before it stand.
    bool stoppedEarly = false;
};
// Parses the text of the file. `windowStateBefore` is the window's state before reading, for the
// rule that a maximised window ignores the saved size.
TalliesSettings ParseSettingsINI(const QString& contents, int windowStateBefore = 0);

// What the window's load handler calls: reads appFile("Tallies.Ini"); when it cannot be opened,
// first writes the defaults for the window as it is at load, then reads that. Nothing found (the
// file could not be written either): an empty result, the built-in options stay.
TalliesSettings ReadSettingsINI(const TalliesWindowPlacement& windowAtLoad);

} // namespace tallies
