#pragma once
// A high-score table as its file holds it, with no windows and no file access: the entries best first,
// each a line "name, score". The name runs up to the line's first comma and is kept as written, less
// the blanks it starts with (quotes, inner and trailing blanks and a trailing "*" for custom scoring
// included), so only a comma cannot be in a name.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

struct HighScoreLine {
    QString name;
    QString score; // as written, blanks around it dropped
};

class HighScoreTable {
public:
    static constexpr int Size = 10;

    // CR LF, LF and CR line ends read the same; empty lines hold no entry. A line that is not
    // valid UTF-8 reads as Latin-1, as older tables were written.
    static HighScoreTable parse(const QByteArray& contents);
    // Ten entries of the maker's name and the default score.
    static HighScoreTable defaults(const QString& defaultScore);

    const std::vector<HighScoreLine>& lines() const { return m_lines; }

    // The file's text: "name, score" and CR LF per entry, then one more CR LF.
    QByteArray text() const;

    // Where `score` enters among the first ten entries: directly above the first lower score;
    // an equal score stays above it. Empty when it enters nowhere.
    struct Placement {
        bool readable = true; // false when an entry read holds a score that is not a number
        std::optional<int> place;
    };
    Placement placeFor(std::int64_t score) const;

    // The first ten entries with the new one put at `place` (from placeFor), cut to ten; the entries
    // read keep their names, marks included, and their scores are written as plain digits.
    // A control character in the new name becomes a blank.
    HighScoreTable withEntry(int place, const QString& name, std::int64_t score) const;

private:
    std::vector<HighScoreLine> m_lines;
};

// A score field as a number; empty when it is not a whole number.
std::optional<std::int64_t> highScoreValue(const QString& field);
