#include "games/cairnwell/CairnwellTable.h"

#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "platform/Conversions.h"

namespace cairnwell {

namespace {
constexpr const char* Click = "Click.wav";
constexpr const char* Markq = "Markq.wav";
constexpr const char* Chord = "Chord.wav";

std::string faceKey(const CardCode& code) { return trimmedCode(code); }

void addToScore(std::int64_t points) { gScore = platform::saturateLong(std::int64_t(gScore) + points); }
} // namespace

std::string StackPictureAt(int deckPos)
{
    if (deckPos < 20)
        return "FULL";
    if (deckPos <= 35)
        return "HALF";
    if (deckPos <= 51)
        return "BACK";
    return EmptyKey;
}

void CairnwellTable::InitRound()
{
    mPlayCards.fill(CardCode());
    mUpCards.fill(CardCode());
    mTempCards.fill(CardCode());
    for (int i = 0; i < PlaceCount; ++i) {
        PlayCard[i].picture.clear();
        PlayCard[i].border = 0;
        if (i >= ColumnCount)
            PlayCard[i].visible = false;
    }
    for (Place& p : UpCard) {
        p.picture.clear();
        p.border = 1;
    }
    for (Place& p : TempCard) {
        p.picture.clear();
        p.border = 0;
    }
    PlayCardSelection.fill(false);
    TempCardSelection.fill(false);
    UpCardSelection = false;
    mCardSelected = false;
    mSelectedArea = -1;
    mSelectedIndex = -1;
    mTrips = 0;
    mRuns = 0;
}

void CairnwellTable::Deal()
{
    for (int i = 0; i < FanCount; ++i) {
        mUpCards[i] = gDeck.at(i + 1);
        UpCard[i].picture = faceKey(mUpCards[i]);
    }
    for (int i = 0; i < StorageCount; ++i) {
        TempCard[i].picture = EmptyKey;
        PlayCard[i].picture = EmptyKey;
    }
    PlayCard[3].picture = EmptyKey;
    CardStackPicture.visible = true;
    CardStackPicture.picture = "FULL";
    mDeckPos = 3;
}

void CairnwellTable::UpDateDeck()
{
    ++mDeckPos;
    UpCard[2].picture = UpCard[1].picture;
    mUpCards[2] = mUpCards[1];
    UpCard[1].picture = UpCard[0].picture;
    mUpCards[1] = mUpCards[0];
    CardStackPicture.picture = StackPictureAt(mDeckPos);
    if (mDeckPos <= LastDeckPos) {
        mUpCards[0] = gDeck.at(mDeckPos);
        UpCard[0].picture = faceKey(mUpCards[0]);
    } else {
        UpCard[0].border = 0;
        UpCard[0].picture = EmptyKey;
        mUpCards[0].clear();
    }
    if (mDeckPos == 54) {
        UpCard[1].border = 0;
        mUpCards[1].clear();
    }
    if (mDeckPos == 55) {
        UpCard[2].border = 0;
        mUpCards[2].clear();
    }
}

void CairnwellTable::ShowCards(bool Show)
{
    for (int i = 0; i < StorageCount; ++i)
        TempCard[i].visible = Show;
    for (int i = 0; i < FanCount; ++i)
        UpCard[i].visible = Show;
    for (int i = 0; i < PlaceCount; ++i)
        PlayCard[i].visible = i < ColumnCount ? Show : Show && !mPlayCards[i].empty();
    CardStackPicture.visible = Show;
    if (!mCardSelected)
        return;
    if (mSelectedArea == mPlayCardArea && mSelectedIndex >= 0 && mSelectedIndex < PlaceCount)
        PlayCardSelection[mSelectedIndex] = Show;
    else if (mSelectedArea == mTempCardArea && mSelectedIndex >= 0 && mSelectedIndex < StorageCount)
        TempCardSelection[mSelectedIndex] = Show;
    else if (mSelectedArea == mUpCardArea)
        UpCardSelection = Show;
}

void CairnwellTable::deselect()
{
    mSelectedIndex = -1;
    mSelectedArea = -1;
    mCardSelected = false;
    play(Markq);
}

void CairnwellTable::select(int area, int index)
{
    mSelectedArea = area;
    mSelectedIndex = index;
    mCardSelected = true;
    play(Click);
}

ClickOutcome CairnwellTable::UpCard_Click(int Index)
{
    if (gRoundOver || Index < 0 || Index >= FanCount || !UpCard[Index].visible)
        return {};
    if (Index != FrontCard || UpCard[FrontCard].showsEmpty()) {
        play(Chord);
    } else if (mCardSelected && mSelectedArea == mUpCardArea) {
        UpCardSelection = false;
        deselect();
    } else if (mCardSelected) {
        play(Chord);
    } else {
        UpCardSelection = true;
        select(mUpCardArea, FrontCard);
    }
    return {};
}

ClickOutcome CairnwellTable::TempCard_Click(int Index)
{
    // Clicks that arrive while a round ends must not move cards under the end-of-round count.
    if (gRoundOver || Index < 0 || Index >= StorageCount || !TempCard[Index].visible)
        return {};
    if (mCardSelected) {
        if (TempCard[Index].showsEmpty()) {
            MoveCard(Index, mTempCardArea);
        } else if (Index == mSelectedIndex && mSelectedArea == mTempCardArea) {
            TempCardSelection[Index] = false;
            deselect();
        } else {
            play(Chord);
        }
    } else if (TempCard[Index].showsCard()) {
        TempCardSelection[Index] = true;
        select(mTempCardArea, Index);
    } else {
        play(Chord);
    }
    ClickOutcome outcome;
    outcome.noMovesLeft = NoMovesLeft();
    return outcome;
}

ClickOutcome CairnwellTable::PlayCard_Click(int Index)
{
    // A hidden place takes no clicks, as on the window.
    if (gRoundOver || Index < 0 || Index >= PlaceCount || !PlayCard[Index].visible)
        return {};
    // Whatever place of a column is clicked, the click acts on its lowest visible place.
    for (int pass = 0; pass < 2; ++pass)
        if (Index < 8 && PlayCard[Index + 4].visible)
            Index += 4;

    ClickOutcome outcome;
    if (!mCardSelected) {
        if (PlayCard[Index].showsEmpty()) {
            play(Chord);
        } else {
            for (int pass = 0; pass < 2; ++pass) {
                if (Index >= ColumnCount && !PlayCard[Index].hasPicture()) {
                    PlayCard[Index].visible = false;
                    Index -= 4;
                }
            }
            if (!PlayCard[Index].showsCard())
                play(Chord); // nothing dealt yet
            else if (Index >= 8 || !PlayCard[Index + 4].hasPicture()) {
                PlayCardSelection[Index] = true;
                select(mPlayCardArea, Index);
            } else {
                play(Chord);
            }
        }
    } else {
        if (Index == mSelectedIndex && mSelectedArea == mPlayCardArea) {
            PlayCardSelection[Index] = false;
            deselect();
        } else if (Index < 4) {
            MoveCard(Index, mPlayCardArea);
            if (Index < PlaceCount)
                PlayCard[Index].visible = true;
        } else if (Index < 8) {
            MoveCard(Index, mPlayCardArea);
            if (Index >= 8 && Index < PlaceCount)
                PlayCard[Index].visible = true;
            else if (Index < 8)
                PlayCard[Index + 4].visible = true;
        } else if (!PlayCard[Index].hasPicture()) {
            MoveCard(Index, mPlayCardArea);
        } else {
            play(Chord); // the column is full
        }
        sweepColumns(outcome);
    }
    if (Index > 7)
        outcome.noMovesLeft = NoMovesLeft();
    return outcome;
}

void CairnwellTable::CardStackPicture_Click() { play(Chord); }

void CairnwellTable::sweepColumns(ClickOutcome& outcome)
{
    for (int i = 0; i < ColumnCount; ++i) {
        if (!PlayCard[i + 8].hasPicture())
            continue;
        const ColumnKind kind = CheckColumn(i);
        if (kind != ColumnKind::None)
            outcome.scored = {i, kind};
    }
}

bool CairnwellTable::NoMovesLeft() const
{
    for (const CardCode& code : mTempCards)
        if (code.empty())
            return false;
    for (int i = 8; i < PlaceCount; ++i)
        if (mPlayCards[i].empty())
            return false;
    return true;
}

void CairnwellTable::vacateColumnPlace(int i)
{
    if (i < ColumnCount) {
        PlayCard[i].picture = EmptyKey;
        PlayCard[i + 4].visible = false;
    } else {
        PlayCard[i].picture.clear();
        PlayCard[i].visible = false;
    }
}

void CairnwellTable::MoveCard(int& Index, int Area)
{
    const int i = mSelectedIndex;
    if (Area == mPlayCardArea) {
        if (Index >= 4 && PlayCard[Index - 4].showsEmpty())
            Index -= 4;
        if (PlayCard[Index].showsCard())
            Index += 4;
        if (Index >= PlaceCount) {
            // A full column takes no card; the callers keep this from happening.
            play(Chord);
            return;
        }
        Place& target = PlayCard[Index];
        if (mSelectedArea == mUpCardArea) {
            mPlayCards[Index] = mUpCards[FrontCard];
            target.border = 1;
            target.picture = UpCard[FrontCard].picture;
            play(Click);
            if (Index < 8)
                PlayCard[Index + 4].visible = true;
            UpDateDeck();
        } else if (mSelectedArea == mTempCardArea) {
            mPlayCards[Index] = mTempCards[i];
            mTempCards[i].clear();
            target.border = 1;
            target.picture = TempCard[i].picture;
            TempCard[i].picture = EmptyKey;
            TempCard[i].border = 0;
            TempCardSelection[i] = false;
            play(Click);
        } else {
            mPlayCards[Index] = mPlayCards[i];
            mPlayCards[i].clear();
            target.picture = PlayCard[i].picture;
            PlayCard[i].border = 0;
            PlayCardSelection[i] = false;
            target.border = 1;
            vacateColumnPlace(i);
            play(Click);
        }
    } else {
        Place& target = TempCard[Index];
        if (mSelectedArea == mUpCardArea) {
            mTempCards[Index] = mUpCards[FrontCard];
            target.border = 1;
            target.picture = UpCard[FrontCard].picture;
            play(Click);
            UpDateDeck();
        } else if (mSelectedArea == mPlayCardArea) {
            mTempCards[Index] = mPlayCards[i];
            mPlayCards[i].clear();
            target.picture = PlayCard[i].picture;
            target.border = 1;
            PlayCard[i].border = 0;
            PlayCardSelection[i] = false;
            vacateColumnPlace(i);
            play(Click);
        } else {
            mTempCards[Index] = mTempCards[i];
            mTempCards[i].clear();
            target.picture = TempCard[i].picture;
            TempCard[i].picture = EmptyKey;
            TempCard[i].border = 0;
            target.border = 1;
            TempCardSelection[i] = false;
            play(Click);
        }
    }
    mCardSelected = false;
    if (mSelectedArea == mUpCardArea)
        UpCardSelection = false;
}

bool CairnwellTable::CheckFlush(int Column) const
{
    return IsFlush(mPlayCards[Column], mPlayCards[Column + 4], mPlayCards[Column + 8]);
}

void CairnwellTable::ClearColumn(int Column)
{
    mPlayCards[Column].clear();
    mPlayCards[Column + 4].clear();
    mPlayCards[Column + 8].clear();
    PlayCard[Column].border = 0;
    PlayCard[Column].picture = EmptyKey;
    for (int i : {Column + 4, Column + 8}) {
        PlayCard[i].picture.clear();
        PlayCard[i].border = 0;
        PlayCard[i].visible = false;
    }
}

ColumnKind CairnwellTable::CheckColumn(int Column)
{
    const ColumnKind kind = KindOfColumn(mPlayCards[Column], mPlayCards[Column + 4], mPlayCards[Column + 8]);
    switch (kind) {
    case ColumnKind::None:
        return kind;
    case ColumnKind::Trip:
        ClearColumn(Column);
        ++mTrips;
        addToScore(gTrioValue);
        m_events.scoreChanged();
        play("TwentyOne.wav");
        return kind;
    case ColumnKind::FlushRun:
        ClearColumn(Column);
        m_events.ShowFlushMessage(Column);
        play("HighScore.wav");
        addToScore(gFlushPoints);
        m_events.scoreChanged();
        break;
    case ColumnKind::Run:
        ClearColumn(Column);
        play("TwentyOne.wav");
        break;
    }
    ++mRuns;
    addToScore(gRunValue);
    m_events.scoreChanged();
    return kind;
}

} // namespace cairnwell
