#include "games/tallies/TalliesSavedGameFile.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesState.h"
#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace tallies {

namespace {
QString number(std::int64_t n) { return platform::Str(n).trimmed(); }

bool recorded(const std::vector<CardCode>& deck) { return deck.size() > 1 && !deck[1].empty(); }

void appendDeck(QString& text, const QString& heading, const std::vector<CardCode>& deck)
{
    text += heading + QStringLiteral("\r\n");
    for (std::size_t p = 1; p < deck.size(); ++p)
        text += QString::fromStdString(trimmedCode(deck[p])) + QStringLiteral("\r\n");
}

bool offeredTimeLimit(double seconds)
{
    static const int Offered[] = {30, 60, 90, 120, 150, 180};
    return std::find(std::begin(Offered), std::end(Offered), seconds) != std::end(Offered);
}

// Reads items as the original loop did: a read past the end is an error.
class Items {
public:
    explicit Items(const QString& contents) : m_reader(contents) {}
    bool atEnd() const { return m_reader.atEnd(); }
    bool read(QString& item)
    {
        if (m_reader.atEnd())
            return false;
        item = m_reader.next();
        return true;
    }

private:
    platform::ItemReader m_reader;
};

// One item for each place of the goal's deck, each a card of that deck, kept as the deal writes it;
// together they are that deck, each card as often as the deck holds it (the aces four times).
bool readDeck(Items& items, int goal, std::vector<CardCode>& deck)
{
    const std::vector<CardCode> cards = TalliesDeckCards(goal);
    std::map<QString, std::pair<CardCode, int>> left;
    for (std::size_t p = 1; p < cards.size(); ++p) {
        auto& [code, count] = left[QString::fromStdString(trimmedCode(cards[p]))];
        code = cards[p];
        ++count;
    }

    deck.assign(cards.size(), CardCode());
    for (std::size_t p = 1; p < deck.size(); ++p) {
        QString item;
        if (!items.read(item))
            return false;
        const auto card = left.find(item);
        if (card == left.end() || card->second.second == 0)
            return false;
        deck[p] = card->second.first;
        --card->second.second;
    }
    return true;
}
} // namespace

QByteArray SavedGameText(const QString& UserName)
{
    TalliesRecordedOptions options = gTalliesRecordedOptions;
    if (options.cardGoal == 0)
        options = {gCardGoal, gTimeLimit, gCustomScoring};

    QString text;
    text += QStringLiteral("[Card Goal]\r\n") + number(options.cardGoal) + QStringLiteral("\r\n");
    text += QStringLiteral("[Time Limit]\r\n") + number(options.timeLimit) + QStringLiteral("\r\n");
    text += QStringLiteral("[Score]\r\n") + number(gPreviousScore) + QStringLiteral("\r\n");
    const QString custom = options.customScoring ? QStringLiteral("True") : QStringLiteral("False");
    text += QStringLiteral("[Custom]\r\n") + custom + QStringLiteral("\r\n");
    const QString name =
        UserName.isEmpty() ? QStringLiteral("an anonymous user") : platform::withoutControlCharacters(UserName);
    // A name with a comma, a quote or blanks at an end is quoted so that it reads back whole; any other
    // is written as older files have it.
    text += QStringLiteral("[UserName]\r\n") + platform::asItem(name) + QStringLiteral("\r\n");
    appendDeck(text, QStringLiteral("[Round 1 Deck]"), gTalliesRound1Deck);
    if (recorded(gTalliesRound2Deck))
        appendDeck(text, QStringLiteral("[Round 2 Deck]"), gTalliesRound2Deck);
    if (recorded(gTalliesRound3Deck))
        appendDeck(text, QStringLiteral("[Round 3 Deck]"), gTalliesRound3Deck);
    // The one write of the whole text ends it with a further line end.
    text += QStringLiteral("\r\n");
    // UTF-8 keeps any name whole; the reader still takes older Latin-1 files.
    return text.toUtf8();
}

std::optional<TalliesSavedGame> ParseSavedGame(const QString& contents)
{
    static const QStringList DeckKeys = {"[Round 1 Deck]", "[Round 2 Deck]", "[Round 3 Deck]"};

    TalliesSavedGame game;
    Items items(contents);
    QString key;
    if (!items.read(key) || key != QLatin1String("[Card Goal]"))
        return std::nullopt;
    // The item read last (the empty line that ends a saved file) is never taken for a key.
    while (!items.atEnd()) {
        QString value;
        if (key == QLatin1String("[Card Goal]")) {
            if (!items.read(value))
                return std::nullopt;
            const double goal = platform::Val(value);
            if (goal < 10 || goal > 15 || goal != std::floor(goal))
                return std::nullopt;
            game.cardGoal = int(goal);
            for (auto& deck : game.roundDecks)
                deck.clear();
        } else if (key == QLatin1String("[Time Limit]")) {
            bool ok = false;
            const double seconds = (items.read(value) ? value.toDouble(&ok) : 0);
            if (!ok || !offeredTimeLimit(seconds))
                return std::nullopt;
            game.timeLimit = int(seconds);
        } else if (key == QLatin1String("[UserName]")) {
            if (!items.read(game.userName))
                return std::nullopt;
        } else if (key == QLatin1String("[Score]")) {
            if (!items.read(game.score))
                return std::nullopt;
        } else if (key == QLatin1String("[Custom]")) {
            if (!items.read(value))
                return std::nullopt;
            game.customScoring = value != QLatin1String("False");
        } else if (const auto round = DeckKeys.indexOf(key); round >= 0) {
            if (!readDeck(items, game.cardGoal, game.roundDecks[round]))
                return std::nullopt;
        }
        if (!items.read(key))
            return std::nullopt;
    }
    if (game.timeLimit == 0 || !recorded(game.roundDecks[0]))
        return std::nullopt;
    return game;
}

QString SavedGameScorePhrase(double Score)
{
    // Each band takes its upper bound, so the whole numbers between the bands find a phrase too.
    if (Score <= 20000)
        return QStringLiteral("amassed a pitiful");
    if (Score <= 40000)
        return QStringLiteral("accumulated a sorry");
    if (Score <= 60000)
        return QStringLiteral("earned a pretty weak");
    if (Score <= 80000)
        return QStringLiteral("earned a mediocre");
    if (Score <= 100000)
        return QStringLiteral("earned a respectable");
    if (Score <= 120000)
        return QStringLiteral("earned a decent");
    if (Score <= 140000)
        return QStringLiteral("earned a darned good");
    if (Score <= 160000)
        return QStringLiteral("earned an incredible");
    return QStringLiteral("earned an unbelievable");
}

QString SavedGameSummary(const TalliesSavedGame& Game)
{
    const double score = platform::Val(Game.score);
    const double shown = std::clamp(std::round(score), -1e15, 1e15);
    return QStringLiteral("This game was saved by ") + Game.userName + QStringLiteral(". He or she ") +
           SavedGameScorePhrase(score) + QStringLiteral(" score of ") + platform::formatGrouped(std::int64_t(shown)) +
           QStringLiteral(" in this game. ") +
           (Game.customScoring ? QStringLiteral("Customized scoring was in effect when this game was played. ")
                               : QStringLiteral("Customized scoring was not in effect when this game was played. "));
}

QString TimeLimitQuestion(int SavedSeconds)
{
    return QStringLiteral("This game was saved with the time limit set to ") + number(SavedSeconds) +
           QStringLiteral(". Your time limit is currently set to ") + number(gTimeLimit) +
           QStringLiteral(". Do you want to change your time limit to ") + number(SavedSeconds) + QStringLiteral("?");
}

} // namespace tallies
