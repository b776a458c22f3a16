#pragma once
// The check every user-options dialog makes of a number entry: read it as a leading number and hold
// it to 0..highest, with a message and a corrected text when it falls outside. Kept apart from the
// windows so the games' store steps stay plain C++.
#include <QString>
#include <cstdint>
#include <vector>

namespace customscoring {

// A refused entry: which field, the message shown, and the text the field gets.
template <class Field>
struct Refusal {
    Field field;
    QString message;
    QString text;
};

// The refusals of one OK, in the order their messages show.
template <class Field>
struct Outcome {
    std::vector<Refusal<Field>> refusals;
    bool allAccepted() const { return refusals.empty(); }
};

struct BoundsCheck {
    bool accepted = false;
    std::int64_t value = 0; // what to store: the entry rounded half to even, else 0 or highest
    QString message;        // empty when accepted
    QString text;           // the corrected text: "0" or highest
};

// Below 0 gives belowMessage, above highest gives aboveMessage. scale multiplies the stored value
// (seconds typed, milliseconds stored) and is applied before rounding.
BoundsCheck checkBounds(const QString& entry, std::int64_t highest, const char* belowMessage,
                        const char* aboveMessage, double scale = 1.0);

// Adds a refusal for field when check refused its entry.
template <class Field>
void addRefusal(Outcome<Field>& outcome, Field field, const BoundsCheck& check)
{
    if (!check.accepted)
        outcome.refusals.push_back({field, check.message, check.text});
}

// checkBounds, adding a refusal for field to outcome when the entry is out of bounds.
template <class Field>
BoundsCheck holdToBounds(Outcome<Field>& outcome, Field field, const QString& entry, std::int64_t highest,
                         const char* belowMessage, const char* aboveMessage)
{
    BoundsCheck check = checkBounds(entry, highest, belowMessage, aboveMessage);
    addRefusal(outcome, field, check);
    return check;
}

// The passes per round (0..10) and the wait between rounds (seconds typed, 0..maxWaitSeconds) of the
// games that pause between rounds. Stores gPassesLeft (and gCardsToPass when the entry passes) and
// gWaitPeriod in milliseconds, bounds included.
inline constexpr int MaxCardsToPass = 10;
struct PacingChecks {
    BoundsCheck passes;
    BoundsCheck wait;
};
PacingChecks storePassesAndWait(const QString& passes, const QString& waitSeconds, int maxWaitSeconds,
                                const char* waitAboveMessage);

// "Make 100,000 for bonus round.  " (status-bar panel 1 of most games after an OK).
QString BonusRoundStatusText(std::int64_t bonusRoundScore);

} // namespace customscoring
