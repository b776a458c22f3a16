#pragma once
// The Cairnwell table: four columns of three places, three storage places, the fan of three cards
// turned from the deck and the deck stack, with what each place shows, the one selected card, and
// the moves and column scoring the clicks make. Plain C++: the window draws what this holds.
#include "core/SuiteGlobals.h"
#include "games/cairnwell/CairnwellColumns.h"

#include <array>
#include <string>

namespace cairnwell {

constexpr int ColumnCount = 4;
constexpr int PlaceCount = 12; // place = column + 4 x row, rows 0 (top) to 2
constexpr int StorageCount = 3;
constexpr int FanCount = 3; // place 2 is the front card
constexpr int FrontCard = 2;
constexpr int LastDeckPos = 52;
constexpr int FanEmptyDeckPos = 55;

// Area codes of the selected card.
constexpr int mUpCardArea = 0;
constexpr int mTempCardArea = 1;
constexpr int mPlayCardArea = 2;

inline const std::string EmptyKey = "EMPTY";

// One image place: the picture key it shows ("" none, "EMPTY", "FULL", "HALF", "BACK" or a face),
// whether it is visible and its border (1 while it holds a card in play).
struct Place {
    std::string picture;
    bool visible = false;
    int border = 0;

    bool hasPicture() const { return !picture.empty(); }
    bool showsEmpty() const { return picture == EmptyKey; }
    bool showsCard() const { return hasPicture() && !showsEmpty(); }
};

// What the table asks of its window while a click runs.
class TableEvents {
public:
    virtual ~TableEvents() = default;
    // A sound of the program folder ("Click.wav"); the window plays it when sounds are on.
    virtual void sound(const char* file) = 0;
    // A flush run was just cleared from the column: the "Flush!" notice shows over it for a moment.
    virtual void ShowFlushMessage(int Column) = 0;
    // gScore, mTrips or mRuns changed.
    virtual void scoreChanged() = 0;
};

// A column that scored during a click.
struct ColumnScored {
    int column = -1;
    ColumnKind kind = ColumnKind::None;
};

struct ClickOutcome {
    bool noMovesLeft = false; // the round must end now
    ColumnScored scored;      // the last column that scored in the sweep, if any
};

class CairnwellTable {
public:
    explicit CairnwellTable(TableEvents& events) : m_events(events) {}

    // ---- Codes as gDeck holds them (with the leading blank); "" when empty ----
    std::array<CardCode, PlaceCount> mPlayCards{};
    std::array<CardCode, StorageCount> mTempCards{};
    std::array<CardCode, FanCount> mUpCards{};
    int mDeckPos = 0;
    bool mCardSelected = false;
    int mSelectedArea = -1;
    int mSelectedIndex = -1;
    int mTrips = 0;
    int mRuns = 0;

    // ---- What the places show ----
    std::array<Place, PlaceCount> PlayCard{};
    std::array<Place, StorageCount> TempCard{};
    std::array<Place, FanCount> UpCard{};
    Place CardStackPicture;
    std::array<bool, PlaceCount> PlayCardSelection{};
    std::array<bool, StorageCount> TempCardSelection{};
    bool UpCardSelection = false;

    // Empties every place and the selection, and the round's counts.
    void InitRound();
    // The first three deck cards into the fan, the empty marks on storage and columns, the full stack.
    void Deal();
    // After the front fan card is played: the fan moves forward and the next deck card is turned.
    void UpDateDeck();
    // Shows or hides the cards; a hidden table keeps its selection, and only places holding a card
    // come back in the lower rows.
    void ShowCards(bool Show);

    // The clicks. All are ignored while gRoundOver is set.
    ClickOutcome UpCard_Click(int Index);
    ClickOutcome TempCard_Click(int Index);
    ClickOutcome PlayCard_Click(int Index);
    void CardStackPicture_Click();

    // Scores a full column that makes a trip or a run, and empties it.
    ColumnKind CheckColumn(int Column);
    void ClearColumn(int Column);
    bool CheckFlush(int Column) const;

    // Moves the selected card to place Index of Area; Index becomes the place really used.
    void MoveCard(int& Index, int Area);

    // Every storage place and every bottom place holds a card.
    bool NoMovesLeft() const;
    // The front fan place shows the empty mark: the deck and the fan are used up.
    bool DeckUsedUp() const { return UpCard[FrontCard].showsEmpty(); }
    // 55 - mDeckPos.
    int CardsRemaining() const { return FanEmptyDeckPos - mDeckPos; }

private:
    void deselect();
    void select(int area, int index);
    void vacateColumnPlace(int i);
    void sweepColumns(ClickOutcome& outcome);
    void play(const char* file) { m_events.sound(file); }

    TableEvents& m_events;
};

// The stack's picture at a deck position: "FULL" below 20, "HALF" to 35, "BACK" to 51, then "EMPTY".
std::string StackPictureAt(int deckPos);

} // namespace cairnwell
