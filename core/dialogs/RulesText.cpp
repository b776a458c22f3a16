#include "core/dialogs/RulesText.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"

#include <QStringList>
#include <cmath>

namespace {
const QString NewLine = QStringLiteral("\r\n");

QString plain(std::int64_t n) { return QString::number(n); }
QString grouped(std::int64_t n) { return platform::formatGrouped(n); }
QString wholePart(double x) { return plain(std::int64_t(std::floor(x))); }

struct Shape {
    int headingBlanks;
    bool threeRounds;
    QString threshold;
    bool singleBlankBeforeRecommended = false;
};

// Heading, requirements and object paragraphs, then the game's own, then the closing line.
QString assemble(const QString& title, const Shape& shape, const QString& objectTail, const QStringList& own)
{
    QStringList paragraphs;
    paragraphs << QString(shape.headingBlanks, QLatin1Char(' ')) + title + QStringLiteral(" Rules, Notes and Strategy");
    paragraphs << QStringLiteral("Requirements: To run ") + title + QStringLiteral(" you need Windows 95 or above ") +
                      QStringLiteral("and a mouse. ") +
                      (shape.singleBlankBeforeRecommended ? QStringLiteral("Recommended: Soundcard.")
                                                          : QStringLiteral(" Recommended: Soundcard."));
    paragraphs << QStringLiteral("As with most games, the object of ") + title +
                      QStringLiteral(" is to attain the highest number of points ") +
                      (shape.threeRounds ? QStringLiteral("possible. The game consists of three rounds, each lasting ")
                                         : QStringLiteral("possible. The game consists of two rounds, each lasting ")) +
                      plain(gTimeLimit) + QStringLiteral(" seconds. If you earn more than ") + shape.threshold +
                      QStringLiteral(" points in these rounds you are awarded an additional bonus round.") + objectTail;
    paragraphs << own;
    paragraphs << QStringLiteral("Good luck and have fun!");
    return NewLine + paragraphs.join(NewLine + NewLine);
}

QString tallies(const QString& title, const QString& takeScoreCaption)
{
    const QStringList own = {
        QStringLiteral("1. Combinations: Select exposed cards whose values add up to 11. You are awarded ") +
            plain(gTalliesComboBonus) + QStringLiteral(" points for each ") +
            QStringLiteral("combination of 11's you select.") +
            QStringLiteral(" These points are added to your score at the end of each round. Every card counts its "
                           "face value and aces count 1. The deck holds 52 cards: 16 aces and four each of the "
                           "cards 2 to 10; there are no face cards."),
        QStringLiteral("Note: With a card goal of 12, four Jacks worth 11 are added to the deck. With a goal of 13, "
                       "four Jacks and four Queens worth 12 are added, and with a goal of 14 or 15 four Jacks, four "
                       "Queens and four Kings worth 13. These cards come in addition to the standard deck."),
        QStringLiteral("2. ") +
            QStringLiteral("Completion Bonus: If you clear all of the exposed cards (upper deck) you are awarded an "
                           "additional ") +
            plain(gTalliesCompletionBonus) + QStringLiteral(" points.") +
            QStringLiteral(" The exposed cards are those of the upper playing area; you do not have to use up the "
                           "deck to earn this bonus."),
        QStringLiteral("3. Time Bonus: You are awarded ") + plain(gTimeBonus) + QStringLiteral(" points for each second ") +
            QStringLiteral("remaining in the round after selecting the '") + takeScoreCaption.mid(1) +
            QStringLiteral("' command button."),
        QStringLiteral("4. Position values: The field cards lie in 6 tiers. A selected card from tier one (the "
                       "bottom tier) is worth 200 points, a card from tier two 300 points, and so on up to 700 "
                       "points for a card from tier six. A card from the deck is worth 100 points."),
        QStringLiteral("Note: Each new card you draw from the deck lowers your score by 100 points."),
        QStringLiteral("Strategy: Combinations earn more points than clearing the field, so work on the lower tiers "
                       "first. ") +
            QStringLiteral("Try to clear the upper deck in the last ") + wholePart(gTimeLimit / 4.0) +
            QStringLiteral(" seconds of play. "),
    };
    return assemble(title, {30, false, plain(gTalliesBonusScore)}, QStringLiteral(" You earn points in several ways:"),
                    own);
}

QString stackjack(const QString& title)
{
    const QStringList own = {
        QStringLiteral("Build five columns of up to 5 cards each with the Hit buttons. Cards count their face "
                       "value, face cards count 10 and aces count 1 or 11. A column that goes over 21 is busted "
                       "and ends the round with no points. Once your five columns total 97 or more, the round "
                       "earns points."),
        QStringLiteral("The points of a round are its Card Total Value multiplied by the Time Bonus. A total under "
                       "97 has a Card Total Value of 0; a total of 97 is worth 50, 98 is worth 100, and so on up to "
                       "105, which is worth 1000. ") +
            QStringLiteral("There is a table located on the right side of the ") + title +
            QStringLiteral(" window which describes the Card Total Value earned for a ") +
            QStringLiteral("given card column total."),
        QStringLiteral("The Time Bonus begins ") + QStringLiteral("at ") + plain(gMaxTimeBonus) +
            QStringLiteral(". It decreases by ") + wholePart(gBonusDecrement) + QStringLiteral(" for ") +
            QStringLiteral("each second used ") + QStringLiteral("in the round. If time expires the Time Bonus is worth ") +
            plain(gMinTimeBonus) + QStringLiteral("."),
        QStringLiteral("You are allowed to pass ") + plain(gPassesLeft) + QStringLiteral(" card(s) per round."),
    };
    return assemble(title, {33, true, grouped(gStackjackBonusScore)}, QString(), own);
}

QString quickjack(const QString& title)
{
    const QString step = grouped(gTwentyOneBonus);
    const QStringList own = {
        QStringLiteral("The 21 Bonus Value: Place the cards into columns that total 21. Cards count their face "
                       "value, face cards count 10 and aces count 1 or 11. A column that goes over 21 costs you "
                       "100 points. At the end of each round the number of 21s you made is multiplied by the 21 "
                       "Bonus Value. ") +
            QStringLiteral("The 21 Bonus Value increases by ") + step +
            QStringLiteral(" each time a 21 combination is created. The 21 Bonus Value is reset to ") + step +
            QStringLiteral(" if the '21 Counter' (a timer) expires.") +
            QStringLiteral(" The '21 Counter' starts over with every 21 you create and runs for about 10 seconds. ") +
            QStringLiteral("Once you create ") +
            QStringLiteral("your first 21 combination, you must create another one before the '21 Counter' expires or ") +
            QStringLiteral("your 21 Bonus Value is reset to ") + step + QStringLiteral("."),
        QStringLiteral("Five card columns: A column of 5 cards that does not go over 21 is a 'five card gimme'. "
                       "A 21 or a five card gimme clears its column. ") +
            QStringLiteral("Each time ") + QStringLiteral("a column of this type is created you are awarded ") +
            grouped(gFiveCardsBonus) + QStringLiteral(" points. ") +
            QStringLiteral("If you are able to use all the cards ") +
            QStringLiteral("in the deck you are awarded an additional ") + grouped(gDeckCompletionBonus) +
            QStringLiteral(" points. ") + QStringLiteral("At the end of each round you are also awarded ") +
            grouped(gCardsUsedBonus) + QStringLiteral(" points for each ") +
            QStringLiteral("card you used during the round."),
    };
    return assemble(title, {33, true, grouped(gBonusRoundScore)}, QString(), own);
}

QString timeBonusTakeScore(std::int32_t perSecond)
{
    return QStringLiteral("If you have no playable cards remaining, clicking the 'Take Score' button will end the "
                          "current round") +
           QStringLiteral(" and award you ") + grouped(perSecond) +
           QStringLiteral(" points for each second remaining on the clock. ");
}

QString spires(const QString& title)
{
    const QStringList own = {
        QStringLiteral("You earn points in a number ways:"),
        QStringLiteral("1. Creating runs. Click exposed cards that are one rank above or below the up card; Kings "
                       "and Aces wrap around both ways. The longer the run, the more it is worth. ") +
            QStringLiteral("Each time a new card is added to a run, the selected card's value increases by ") +
            grouped(gCardValue) + QStringLiteral(" points."),
        QStringLiteral("2. Creating the longest run. ") + title +
            QStringLiteral(" keeps a record of the longest run attained. ") +
            QStringLiteral("When you exceed the longest run you receive an additional ") + grouped(gHighRunBonus) +
            QStringLiteral(" points for each card in the run."),
        QStringLiteral("3. Clearing towers. The upper cards form three towers, and clearing them earns a bonus at "
                       "the end of the round. ") +
            QStringLiteral("This bonus is equal to the number of Towers cleared multiplied by ") +
            grouped(gSpireBonus) + QStringLiteral(" points."),
        QStringLiteral("4. Time Bonus. ") + timeBonusTakeScore(gTimeBonus) +
            QStringLiteral("No time bonus is awarded unless at least one tower has been cleared."),
    };
    return assemble(title, {33, false, grouped(gBonusRoundScore)}, QString(), own);
}

QString duetto(const QString& title)
{
    const QStringList own = {
        QStringLiteral("You earn points in a number ways:"),
        QStringLiteral("1. Pairs and runs. Click two exposed cards of the same rank to make a pair, or of "
                       "neighbouring ranks to make a run; Kings and Aces wrap around. ") +
            QStringLiteral("You are awarded ") + grouped(gPairsBonus) +
            QStringLiteral(" points for each pair you create and ") + grouped(gRunsBonus) +
            QStringLiteral(" points for each run you create. ") +
            QStringLiteral("These points are added at the end of the round, and pairs pay better than runs."),
        QStringLiteral("2. Clearing the upper cards. If you manage to clear all of the cards from the upper playing "
                       "field ") +
            QStringLiteral("you are awarded and additional ") + grouped(gCompletionBonus) +
            QStringLiteral(" points at the end of the round."),
        QStringLiteral("3. Time Bonus. ") + timeBonusTakeScore(gTimeBonus),
    };
    return assemble(title, {33, false, grouped(gBonusRoundScore)}, QString(), own);
}

QString gridhand(const QString& title)
{
    const std::pair<const char*, std::int32_t> hands[] = {
        {"One Pair", gPairPoints},           {"Two Pair", gTwoPairPoints},       {"Three of a kind", gThreeKindPoints},
        {"Straight", gStraightPoints},       {"Flush", gFlushPoints},            {"Full House", gFullHousePoints},
        {"Four of a kind", gFourKindPoints}, {"Straight Flush", gStraightFlushPoints},
        {"Royal Flush", gRoyalFlushPoints}};
    QStringList table;
    for (const auto& [hand, points] : hands)
        table << QStringLiteral("   ") + QLatin1String(hand) + QStringLiteral(" = ") + plain(points);

    const QStringList own = {
        QStringLiteral("Place the cards of the deck into the grid so that each of its five rows and five columns "
                       "makes a complete 5 card poker hand: ten hands in all."),
        QStringLiteral("Once a card has ") +
            QStringLiteral("been played it may not be moved, however, you are allowed to overwrite ") +
            plain(gOverwritesAllowed) + QStringLiteral(" cards per round.") +
            QStringLiteral(" You may not pass a card: each card from the deck must be played before the next one is "
                           "shown."),
        QStringLiteral("The hands are awarded ") + QStringLiteral("points based on the following table:") + NewLine +
            NewLine + table.join(NewLine),
        QStringLiteral("The points of the ten hands are added up and multiplied by the seconds left in the round. "
                       "A round whose time runs out before every hand is complete scores 0."),
        QStringLiteral("Your running points show at the bottom right of the board. Be quick!"),
    };
    return assemble(title, {31, true, grouped(gBonusRoundScore)}, QString(), own);
}

QString cairnwell(const QString& title)
{
    const QStringList own = {
        QStringLiteral("The ") + title +
            QStringLiteral(" game board is separated into three sections: the storage area, the playing field, ") +
            QStringLiteral("and the deck. The playing field holds four columns of up to three cards; a run of three "
                           "or three of a kind clears its column. Move cards from the deck to the playing field or "
                           "to the temporary storage area, which holds three cards. The top card of a column may be "
                           "moved to another column."),
        QStringLiteral("For each Trip you create, you will be awarded ") + plain(gTrioValue) +
            QStringLiteral(" points while each ") + QStringLiteral(" Run awards ") + plain(gRunValue) +
            QStringLiteral(" points. If the Run you create also happens to be a flush, you are awarded an additional ") +
            plain(gFlushPoints) + QStringLiteral(" points.") +
            QStringLiteral(" These points are added to your score as you play."),
        QStringLiteral("If you manage to clear the deck you are awarded a bonus of ") + plain(gDeckCompletionBonus) +
            QStringLiteral(" points at the end of the round.") +
            QStringLiteral(" If you clear the deck, but still have cards remaining in the storage area or the playing "
                           "field, -") +
            plain(gLeftoverPenalty) + QStringLiteral(" will be ") +
            QStringLiteral("deducted from your score for each remaining card."),
        QStringLiteral("If during game play you feel that you have no more moves remaining, click on the 'Take Score' "
                       "button to ") +
            QStringLiteral("end the round. You will be awarded ") + plain(gTimeBonus) +
            QStringLiteral(" points for each unused second remaining in the round."),
        QStringLiteral("Speed counts in this game, so move fast, but keep an eye out for the straight flush!"),
    };
    Shape shape{31, false, grouped(gBonusRoundScore)};
    shape.singleBlankBeforeRecommended = true;
    return assemble(title, shape, QString(), own);
}
} // namespace

std::optional<QString> rulesText(const QString& gameTitle, const QString& takeScoreCaption)
{
    if (gameTitle == QLatin1String("Go for Tallies!"))
        return tallies(gameTitle, takeScoreCaption);
    if (gameTitle == QLatin1String("Stackjack!"))
        return stackjack(gameTitle);
    if (gameTitle == QLatin1String("Quickjack!"))
        return quickjack(gameTitle);
    if (gameTitle == QLatin1String("Spires!"))
        return spires(gameTitle);
    if (gameTitle == QLatin1String("Duetto!"))
        return duetto(gameTitle);
    if (gameTitle == QLatin1String("Gridhand!"))
        return gridhand(gameTitle);
    if (gameTitle == QLatin1String("Cairnwell!"))
        return cairnwell(gameTitle);
    return std::nullopt;
}
